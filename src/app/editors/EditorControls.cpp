#include "EditorControls.h"

#include <utility>

#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "GtkSpinButton.h"
#include "Translate.h"

namespace {

// A spin control whose text without a number keeps the value it had. The
// toolkit asks for the value of the text when the control is left or read;
// without this GTK reads such a text as 0.
template <class Spin>
class NumberSpin : public Spin {
public:
    using Spin::Spin;

    typename Spin::GTKInputResult GTKInput(double* value) const override
    {
        *value = typedNumberOrValue(this);
        return Spin::GTKInput_Converted;
    }
};

// The editors' spin control. It remembers whether the user changed its text,
// by typing or stepping: filling it sends no event, so only then is its value
// the user's and not the stored field's.
// GTK's spin buttons are far taller and wider than the controls the editors'
// sizes were made for: a lower entry and narrower buttons let the rows fit.
template <class Spin>
class EditorSpin : public NumberSpin<Spin> {
public:
    template <class... Args>
    explicit EditorSpin(Args&&... args) : NumberSpin<Spin>(std::forward<Args>(args)...)
    {
        this->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
            edited = true;
            event.Skip();
        });
        this->GTKApplyCssStyle("* { min-height: 24px; padding-top: 0; padding-bottom: 0; }"
                               "button { min-height: 0; padding-left: 4px; padding-right: 4px; }");
        this->InvalidateBestSize();
        this->SetInitialSize();
    }

    bool edited = false;
};

template <template <class> class Kind>
wxSpinCtrlDouble* newDoubleSpin(wxWindow* parent, const SpinRange& range, double initial, wxWindowID id = wxID_ANY)
{
    auto* spin = new Kind<wxSpinCtrlDouble>(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                            wxSP_ARROW_KEYS, range.min, range.max, initial, range.increment);
    spin->SetDigits(range.digits);
    if (range.digits == 0)
        leaveNumericMode(spin);
    return spin;
}

template <template <class> class Kind>
wxSpinCtrl* newIntegerSpin(wxWindow* parent, int min, int max, int initial)
{
    auto* spin = new Kind<wxSpinCtrl>(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                      wxSP_ARROW_KEYS, min, max, initial);
    leaveNumericMode(spin);
    return spin;
}

} // namespace

wxSpinCtrlDouble* newNumberSpin(wxWindow* parent, const SpinRange& range, double initial, wxWindowID id)
{
    return newDoubleSpin<NumberSpin>(parent, range, initial, id);
}

wxSpinCtrl* newNumberSpin(wxWindow* parent, int min, int max, int initial)
{
    return newIntegerSpin<NumberSpin>(parent, min, max, initial);
}

wxSpinCtrlDouble* newSpinControl(wxWindow* parent, const SpinRange& range, double initial)
{
    return newDoubleSpin<EditorSpin>(parent, range, initial);
}

wxSpinCtrl* newSpinControl(wxWindow* parent, int min, int max, int initial)
{
    return newIntegerSpin<EditorSpin>(parent, min, max, initial);
}

void fillSpin(wxSpinCtrlDouble* spin, double value)
{
    spin->SetValue(value);
}

void fillSpin(wxSpinCtrl* spin, std::int32_t value)
{
    spin->SetValue(value);
}

void editSpin(wxSpinCtrlDouble* spin, double value)
{
    spin->SetValue(value);
    if (auto* editorSpin = dynamic_cast<EditorSpin<wxSpinCtrlDouble>*>(spin))
        editorSpin->edited = true;
}

void readSpin(const wxSpinCtrlDouble* spin, double& value)
{
    const auto* editorSpin = dynamic_cast<const EditorSpin<wxSpinCtrlDouble>*>(spin);
    const bool inRange = value >= spin->GetMin() && value <= spin->GetMax();
    // A text the user emptied gives the filled value back unrounded: only
    // another value is the user's.
    const bool changed = editorSpin && editorSpin->edited && heldValue(spin) != value;
    if (!editorSpin || changed || !inRange)
        value = spin->GetValue();
}

void readSpin(const wxSpinCtrl* spin, std::int32_t& value)
{
    value = spin->GetValue();
}

void fillName(wxTextCtrl* text, const std::string& name)
{
    text->SetValue(wxString::FromUTF8(name));
}

void readName(const wxTextCtrl* text, std::string& name)
{
    if (text->IsModified())
        name = text->GetValue().utf8_string();
}

void fillChoice(wxChoice* choice, const std::string& word)
{
    // The toolkit's own lookup ignores case, and items may differ only in case.
    const wxString text = wxString::FromUTF8(word);
    int item = choice->FindString(text, true);
    if (item == wxNOT_FOUND)
        item = choice->FindString(text);
    if (item != wxNOT_FOUND)
        choice->SetSelection(item);
}

void readChoice(const wxChoice* choice, std::string& word)
{
    word = choice->GetStringSelection().utf8_string();
}

wxGrid* newEditorGrid(wxWindow* parent, int id, int columns, const std::vector<const char*>& rowLabels, long style)
{
    auto* grid = new wxGrid(parent, id, wxDefaultPosition, wxDefaultSize, style);
    grid->CreateGrid(static_cast<int>(rowLabels.size()), columns);
    grid->EnableEditing(true);
    grid->EnableGridLines(true);
    grid->EnableDragGridSize(false);
    grid->SetMargins(0, 0);
    grid->EnableDragColMove(false);
    grid->EnableDragColSize(true);
    grid->SetColLabelSize(wxGRID_AUTOSIZE);
    grid->SetColLabelAlignment(wxALIGN_CENTER, wxALIGN_CENTER);
    grid->EnableDragRowSize(true);
    for (std::size_t row = 0; row < rowLabels.size(); ++row)
        grid->SetRowLabelValue(static_cast<int>(row), tr(rowLabels[row]));
    grid->SetRowLabelSize(wxGRID_AUTOSIZE);
    grid->SetRowLabelAlignment(wxALIGN_CENTER, wxALIGN_CENTER);
    grid->SetDefaultCellAlignment(wxALIGN_LEFT, wxALIGN_TOP);
    return grid;
}
