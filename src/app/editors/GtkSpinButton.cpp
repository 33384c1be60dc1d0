#include "GtkSpinButton.h"

#include <cmath>

#include <gtk/gtk.h>
#include <wx/window.h>

namespace {

GtkSpinButton* spinButton(const wxWindow* spin)
{
    return GTK_SPIN_BUTTON(spin->GetHandle());
}

} // namespace

void leaveNumericMode(wxWindow* spin)
{
    gtk_spin_button_set_numeric(spinButton(spin), FALSE);
}

double heldValue(const wxWindow* spin)
{
    return gtk_spin_button_get_value(spinButton(spin));
}

double typedNumberOrValue(const wxWindow* spin)
{
    const gchar* text = gtk_entry_get_text(GTK_ENTRY(spinButton(spin)));
    gchar* end = nullptr;
    const double typed = g_strtod(text, &end);
    return end == text || std::isnan(typed) ? heldValue(spin) : typed;
}
