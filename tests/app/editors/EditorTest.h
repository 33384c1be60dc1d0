#pragma once
// Fixture of the editor tests: the main window with objects in its store, and
// editing an object through the real modal path, activating its tree leaf,
// with a test hook that answers the editor dialog.

#include <functional>
#include <type_traits>

#include "MainFrameTest.h"

#include "DesignObjects.h"

// Answers a modal dialog of kind Dialog by calling `answer`, which may fill
// the controls and returns the button that closes the dialog.
template <class Dialog>
class AnswerDialog : public wxExpectModalBase<Dialog, AnswerDialog<Dialog>> {
public:
    explicit AnswerDialog(std::function<int(Dialog&)> answer) : answer_(std::move(answer))
    {
        this->m_description = "editor dialog";
    }

protected:
    int OnInvoked(Dialog* dialog) const override { return answer_(*dialog); }

private:
    std::function<int(Dialog&)> answer_;
};

class EditorTest : public MainFrameTest {
protected:
    // Puts an object made from `element` into the store and the tree.
    CObject* add(const std::string& type, const nlohmann::json& element)
    {
        store().objects.push_back(createDesignObject(element, type));
        frame->objectStoreChanged();
        return store().objects.back().get();
    }

    // Activates the leaf of `object` in the tree, as a double click does, and
    // lets `answer` handle the editor that opens.
    template <class Dialog = wxDialog>
    void edit(const CObject& object, std::type_identity_t<std::function<int(Dialog&)>> answer)
    {
        const wxTreeItemId item = leaf(object.type, object.name);
        ASSERT_TRUE(item.IsOk()) << object.type << " " << object.name;
        wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, frame->m_objectTree, item);
        wxTEST_DIALOG(frame->m_objectTree->GetEventHandler()->ProcessEvent(activate),
                      AnswerDialog<Dialog>(std::move(answer)));
    }
};
