#pragma once
// Fixture of the editor tests: the main window with objects in its store, and
// editing an object through the real modal path, activating its tree leaf,
// with a test hook that answers the editor dialog.

#include <type_traits>

#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "MainFrameTest.h"
#include "Typing.h"

#include "DesignObjects.h"

// Sends a control's command event, as a click does.
inline void click(wxControl* control, wxEventType type)
{
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    control->ProcessWindowEvent(event);
}

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
    // lets `answer` handle the editor that opens; with an `error`, the editor
    // then shows that error message.
    template <class Dialog = wxDialog>
    void edit(const CObject& object, std::type_identity_t<std::function<int(Dialog&)>> answer,
              const char* error = nullptr)
    {
        const wxTreeItemId item = leaf(object.type, object.name);
        ASSERT_TRUE(item.IsOk()) << object.type << " " << object.name;
        wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, tree(), item);
        const AnswerDialog<Dialog> answerer(std::move(answer));
        if (error) {
            wxTEST_DIALOG(tree()->GetEventHandler()->ProcessEvent(activate), answerer, expectError(error));
        } else {
            wxTEST_DIALOG(tree()->GetEventHandler()->ProcessEvent(activate), answerer);
        }
    }
};
