#pragma once
// The little that the program asks of GTK's spin buttons directly, where
// wxWidgets leaves a matter to the toolkit.

class wxWindow;

// Leaves GTK's numeric mode, which drops a decimal point typed into a control
// without decimals ("4.3" would become 43): the typed number is read whole.
void leaveNumericMode(wxWindow* spin);

// The value the spin button holds as it was set or typed, before rounding to
// the digits it shows.
double heldValue(const wxWindow* spin);

// The number at the start of the spin button's text, read as GTK reads it;
// the value the button holds when the text starts with none (empty, letters).
double typedNumberOrValue(const wxWindow* spin);
