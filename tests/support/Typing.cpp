#include "Typing.h"

#include <gtk/gtk.h>

#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "GuiTest.h"

void type(wxWindow* control, const std::string& text)
{
    GtkEditable* editable = GTK_EDITABLE(control->GetHandle());
    gtk_editable_delete_text(editable, 0, -1);
    int position = 0;
    for (const wxUniChar c : wxString::FromUTF8(text))
        gtk_editable_insert_text(editable, wxString(c).utf8_str(), -1, &position);
    if (dynamic_cast<wxSpinCtrlBase*>(control))
        gtk_spin_button_update(GTK_SPIN_BUTTON(control->GetHandle()));
}

void typeInCell(wxGrid* grid, int row, int col, const std::string& text)
{
    wxGetTopLevelParent(grid)->Show();
    pumpEvents(50);
    grid->SetGridCursor(row, col);
    grid->EnableCellEditControl();
    ASSERT_TRUE(grid->IsCellEditControlShown());
    type(wxGridCellEditorPtr(grid->GetCellEditor(row, col))->GetControl(), text);
}
