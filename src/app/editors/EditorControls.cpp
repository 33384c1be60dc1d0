#include "EditorControls.h"

#include <utility>

#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "Translate.h"

#ifdef __WXGTK__
// wxWidgets' headers declare GTK's widget type but none of its functions.
extern "C" void gtk_spin_button_set_numeric(GtkWidget* spin, int numeric);
#endif

namespace {

// The editors' spin control. It remembers whether the user changed its text,
// by typing or stepping: filling it sends no event, so only then is its value
// the user's and not the stored field's.
// GTK's spin buttons are far taller and wider than the controls the editors'
// sizes were made for: a lower entry and narrower buttons let the rows fit.
template <class Spin>
class EditorSpin : public Spin {
public:
    template <class... Args>
    explicit EditorSpin(Args&&... args) : Spin(std::forward<Args>(args)...)
    {
        this->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
            edited = true;
            event.Skip();
        });
#ifdef __WXGTK3__
        this->GTKApplyCssStyle("* { min-height: 24px; padding-top: 0; padding-bottom: 0; }"
                               "button { min-height: 0; padding-left: 4px; padding-right: 4px; }");
        this->InvalidateBestSize();
        this->SetInitialSize();
#endif
    }

    bool edited = false;
};

} // namespace

// GTK's numeric mode drops a decimal point typed into a control without
// digits, so "4.3" would become 43; without it the typed number is read whole
// and shown rounded, and text after the number is ignored as before.
void acceptDecimalPoint([[maybe_unused]] wxWindow* spin)
{
#ifdef __WXGTK__
    gtk_spin_button_set_numeric(spin->GetHandle(), false);
#endif
}

wxSpinCtrlDouble* newSpinControl(wxWindow* parent, const SpinRange& range, double initial)
{
    auto* spin = new EditorSpin<wxSpinCtrlDouble>(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                                  wxDefaultSize, wxSP_ARROW_KEYS, range.min, range.max, initial,
                                                  range.increment);
    spin->SetDigits(range.digits);
    if (range.digits == 0)
        acceptDecimalPoint(spin);
    return spin;
}

wxSpinCtrl* newSpinControl(wxWindow* parent, int min, int max, int initial)
{
    auto* spin = new EditorSpin<wxSpinCtrl>(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                            wxSP_ARROW_KEYS, min, max, initial);
    acceptDecimalPoint(spin);
    return spin;
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
    if (!editorSpin || editorSpin->edited || !inRange)
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
