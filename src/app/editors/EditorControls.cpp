#include "EditorControls.h"

#include <utility>

#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "Translate.h"

namespace {

// The text a control with `digits` digits shows for `value`.
wxString shownText(double value, unsigned digits)
{
    return wxString::Format("%.*f", static_cast<int>(digits), value);
}

// GTK's spin buttons are far taller and wider than the controls the editors'
// sizes were made for: a lower entry and narrower buttons let the rows fit.
template <class Spin>
class CompactSpin : public Spin {
public:
    template <class... Args>
    explicit CompactSpin(Args&&... args) : Spin(std::forward<Args>(args)...)
    {
#ifdef __WXGTK3__
        this->GTKApplyCssStyle("* { min-height: 24px; padding-top: 0; padding-bottom: 0; }"
                               "button { min-height: 0; padding-left: 4px; padding-right: 4px; }");
        this->InvalidateBestSize();
        this->SetInitialSize();
#endif
    }
};

} // namespace

wxSpinCtrlDouble* newSpinControl(wxWindow* parent, const SpinRange& range, double initial)
{
    auto* spin = new CompactSpin<wxSpinCtrlDouble>(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                                   wxDefaultSize, wxSP_ARROW_KEYS, range.min, range.max, initial,
                                                   range.increment);
    spin->SetDigits(range.digits);
    return spin;
}

wxSpinCtrl* newSpinControl(wxWindow* parent, int min, int max, int initial)
{
    return new CompactSpin<wxSpinCtrl>(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                       wxSP_ARROW_KEYS, min, max, initial);
}

void fillSpin(wxSpinCtrlDouble* spin, double value)
{
    spin->SetValue(value);
}

void fillSpin(wxSpinCtrl* spin, std::int32_t value)
{
    spin->SetValue(value);
}

void readSpin(const wxSpinCtrlDouble* spin, double& value)
{
    const double shown = spin->GetValue();
    const bool inRange = value >= spin->GetMin() && value <= spin->GetMax();
    if (!inRange || shownText(shown, spin->GetDigits()) != shownText(value, spin->GetDigits()))
        value = shown;
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
