#pragma once
// Fixture of the setup and hull editor tests: the main window with the
// example project loaded; editors open by activating an object's tree item,
// and AnswerEditor reads and fills the dialog shown and picks its button.

#include <functional>

#include "../MainFrameTest.h"

template <class Dialog>
class AnswerEditor : public wxExpectModalBase<Dialog, AnswerEditor<Dialog>> {
public:
    explicit AnswerEditor(std::function<int(Dialog&)> answer) : answer_(std::move(answer)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return answer_(*dialog); }

private:
    std::function<int(Dialog&)> answer_;
};

class EditorTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadExample();
    }

    void activate(const std::string& type, const std::string& name)
    {
        wxTreeEvent event(wxEVT_TREE_ITEM_ACTIVATED, frame->m_objectTree, leaf(type, name));
        frame->m_objectTree->GetEventHandler()->ProcessEvent(event);
    }

    template <class Object>
    static Object& object(const std::string& type, const std::string& name)
    {
        return dynamic_cast<Object&>(*store().findObject(name, type));
    }
};

// Sets a check box and sends its event, as a click does.
inline void click(wxCheckBox* box, bool value)
{
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(value);
    box->GetEventHandler()->ProcessEvent(event);
}

inline void click(wxButton* button)
{
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}
