#pragma once
// The form shared by the sail and rig editors: rows of a description, a label
// with its unit and a control in three columns, OK and Cancel below them, and
// the measurement drawing to the right.

#include <initializer_list>
#include <vector>

#include <wx/dialog.h>

class wxBitmap;
class wxCheckBox;
class wxChoice;
class wxFlexGridSizer;
class wxStaticBitmap;
class wxStaticText;
class wxTextCtrl;

class SailForm {
public:
    enum class Label { Left, Right };

    // Starts the form of `dialog` with `rows` rows (0: as many as are added);
    // labels stand at `labels` side of their cells unless a row says otherwise.
    SailForm(wxDialog* dialog, int rows, Label labels);

    // Adds a row and returns its control.
    template <class Control>
    Control* add(const char* description, const char* label, Control* control)
    {
        addRow(description, label, control, labels_);
        return control;
    }
    template <class Control>
    Control* add(const char* description, const char* label, Control* control, Label labelSide)
    {
        addRow(description, label, control, labelSide);
        return control;
    }

    // The description of the row added last.
    wxStaticText* lastDescription() const { return descriptions_.back(); }

    // Controls of the rows, children of the dialog.
    wxTextCtrl* newName() const;
    wxCheckBox* newCheck() const;
    // A choice of the items (passed through translation), the first selected.
    wxChoice* newChoice(std::initializer_list<const char*> items) const;

    // Adds OK and Cancel below the form, then `note` below them if given, puts
    // the drawing to the right and lays the dialog out at the size it has,
    // wrapping the descriptions where the form would run under the drawing.
    // Returns the drawing's control.
    wxStaticBitmap* finish(const wxBitmap& drawing, const char* note = nullptr);

private:
    void addRow(const char* description, const char* label, wxWindow* control, Label labelSide);

    wxDialog* dialog_;
    wxFlexGridSizer* form_;
    Label labels_;
    std::vector<wxStaticText*> descriptions_;
};
