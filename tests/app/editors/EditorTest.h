#pragma once
// Fixture of the editor tests: the main window with objects in its store, and
// editing an object through the real modal path, activating its tree leaf,
// with a test hook that answers the editor dialog.

#include <functional>
#include <type_traits>

#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "MainFrameTest.h"

#include "DesignObjects.h"

extern "C" void gtk_editable_delete_text(GtkWidget* editable, int start, int end);
extern "C" void gtk_editable_insert_text(GtkWidget* editable, const char* text, int length, int* position);
extern "C" void gtk_spin_button_update(GtkWidget* spin);

// Types `text` over what a text or spin control holds, a character at a time
// through the toolkit's own insertion as a keyboard does; a spin control then
// takes the text as leaving it does.
inline void type(wxWindow* control, const std::string& text)
{
    gtk_editable_delete_text(control->GetHandle(), 0, -1);
    int position = 0;
    for (const wxUniChar c : wxString::FromUTF8(text))
        gtk_editable_insert_text(control->GetHandle(), wxString(c).utf8_str(), -1, &position);
    if (dynamic_cast<wxSpinCtrlBase*>(control))
        gtk_spin_button_update(control->GetHandle());
}

// Sends a control's command event, as a click does.
inline void click(wxControl* control, wxEventType type)
{
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    control->ProcessWindowEvent(event);
}

// Shows the grid's window, opens the editor of a cell and types `text` into
// it, without Enter.
inline void typeInCell(wxGrid* grid, int row, int col, const std::string& text)
{
    wxGetTopLevelParent(grid)->Show();
    pumpEvents(50);
    grid->SetGridCursor(row, col);
    grid->EnableCellEditControl();
    ASSERT_TRUE(grid->IsCellEditControlShown());
    type(wxGridCellEditorPtr(grid->GetCellEditor(row, col))->GetControl(), text);
}

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
