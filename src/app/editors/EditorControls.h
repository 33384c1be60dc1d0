#pragma once
// What every editor does with its controls: creating a floating-point spin
// control with its range, increment and digits, filling it from a field and
// reading it back, moving names and option words between an object and its
// controls as UTF-8, and creating the editors' table grids.

#include <cstdint>
#include <string>
#include <vector>

#include <wx/defs.h>

class wxChoice;
class wxGrid;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxTextCtrl;
class wxWindow;

// Range, increment and shown digits of a floating-point spin control. The
// defaults are the usual length control of the editors: 0 to 100 m in steps of
// 0.1 with one digit.
struct SpinRange {
    double min = 0.0;
    double max = 100.0;
    double increment = 0.1;
    unsigned digits = 1;
};

// The program's number fields: spin controls with arrow keys that keep their
// value when the text left in them holds no number at its start (emptied, or
// only letters), and show that value again, as the toolkit's own spin control
// does on other desktops; "4a" reads as 4. One that shows no decimals takes a
// typed decimal point: the number is read whole and shown rounded.
wxSpinCtrlDouble* newNumberSpin(wxWindow* parent, const SpinRange& range, double initial, wxWindowID id = wxID_ANY);
wxSpinCtrl* newNumberSpin(wxWindow* parent, int min, int max, int initial);

// The editors' number fields, which also remember whether the user changed
// them (see readSpin) and fit the editors' rows.
wxSpinCtrlDouble* newSpinControl(wxWindow* parent, const SpinRange& range = {}, double initial = 0.0);
wxSpinCtrl* newSpinControl(wxWindow* parent, int min, int max, int initial = 0);

// Shows the field's value; the control clamps it to its range. Sends no event.
void fillSpin(wxSpinCtrlDouble* spin, double value);
void fillSpin(wxSpinCtrl* spin, std::int32_t value);

// Shows a value worked out for the user, an estimate: OK writes it back.
void editSpin(wxSpinCtrlDouble* spin, double value);

// Reads a control back into its field. A floating-point control shows its
// value rounded to its digits, so the field keeps its stored value unless the
// user typed into or stepped the control to another value (or the value was
// edited for them);
// a stored value outside the control's range (or not finite) takes the control's.
void readSpin(const wxSpinCtrlDouble* spin, double& value);
void readSpin(const wxSpinCtrl* spin, std::int32_t& value);

// The name's bytes, UTF-8, into a text control and back. A name the user did
// not change stays as it is, also one the control cannot hold whole (a NUL).
void fillName(wxTextCtrl* text, const std::string& name);
void readName(const wxTextCtrl* text, std::string& name);

// Selects the item that is exactly `word`, else the first that matches it
// without regard to case; with none, the selection stays as it was.
void fillChoice(wxChoice* choice, const std::string& word);
// The selected item's text, or an empty word when nothing is selected.
void readChoice(const wxChoice* choice, std::string& word);

// An editable grid of `columns` columns and one row per label, with label
// rows and columns sized to their texts, as the editors' tables are set up.
wxGrid* newEditorGrid(wxWindow* parent, int id, int columns, const std::vector<const char*>& rowLabels, long style);
