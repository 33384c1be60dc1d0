#include "MiscDialogs.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "CObjectStore.h"
#include "EditorControls.h"
#include "HelperFcts.h"
#include "Translate.h"

namespace {

// A framed group of label and spin control rows, added to `sizer`.
wxFlexGridSizer* addGroup(wxWindow* parent, wxBoxSizer* sizer, const wxString& title, wxStaticBox*& box)
{
    auto* boxSizer = new wxStaticBoxSizer(new wxStaticBox(parent, wxID_ANY, title), wxVERTICAL);
    box = boxSizer->GetStaticBox();
    auto* grid = new wxFlexGridSizer(0, 2, 0, 0);
    grid->SetFlexibleDirection(wxBOTH);
    grid->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
    boxSizer->Add(grid, 1, wxEXPAND, 5);
    sizer->Add(boxSizer, 1, wxEXPAND, 5);
    return grid;
}

wxStaticText* addLabel(wxStaticBox* box, wxFlexGridSizer* grid, const char* text)
{
    auto* label = new wxStaticText(box, wxID_ANY, tr(text));
    label->Wrap(-1);
    grid->Add(label, 0, wxALL, 5);
    return label;
}

// A spin control of whole numbers in one cell of the group.
template <class Spin>
Spin* addSpin(wxFlexGridSizer* grid, Spin* spin)
{
    grid->Add(spin, 0, wxALL, 5);
    return spin;
}

} // namespace

PreferencesDialog::PreferencesDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    auto* mainSizer = new wxBoxSizer(wxVERTICAL);

    wxStaticBox* box = nullptr;
    wxFlexGridSizer* grid = addGroup(this, mainSizer, tr("Default Leeway and Heel (in Object Browser Tab"), box);
    m_leewayLabel = addLabel(box, grid, "Leeway Angle for Resistance Diagram [°]");
    m_leewaySpin = addSpin(grid, newNumberSpin(box, {0.0, 10.0, 1.0, 0}, 5.0));
    m_heelLabel = addLabel(box, grid, "Heel Angle for Resistance Diagram [°]");
    m_heelSpin = addSpin(grid, newNumberSpin(box, {0.0, 45.0, 1.0, 0}, 20.0));

    grid = addGroup(this, mainSizer, tr("Global Optimization Parameters"), box);
    m_globalGuessesLabel = addLabel(box, grid, "Global Guesses for Speed Flat and Reef:");
    m_globalGuessesSpin = addSpin(grid, newNumberSpin(box, 3, 9, 3));

    m_buttonSizer = new wxStdDialogButtonSizer();
    m_buttonSizerOK = new wxButton(this, wxID_OK);
    m_buttonSizer->AddButton(m_buttonSizerOK);
    m_buttonSizerCancel = new wxButton(this, wxID_CANCEL);
    m_buttonSizer->AddButton(m_buttonSizerCancel);
    m_buttonSizer->Realize();
    mainSizer->Add(m_buttonSizer, 1, wxEXPAND, 5);

    SetSizer(mainSizer);
    // The given size is too small for this toolkit's spin controls and labels:
    // the dialog grows to what its rows need.
    growToFitContents(*this);
}

void fillPreferences(PreferencesDialog& dialog, const CObjectStore& store)
{
    dialog.m_leewaySpin->SetValue(store.diagramLeeway);
    dialog.m_heelSpin->SetValue(store.diagramHeel);
    dialog.m_globalGuessesSpin->SetValue(store.globalGuessCount);
}

void readPreferences(const PreferencesDialog& dialog, CObjectStore& store)
{
    store.diagramLeeway = dialog.m_leewaySpin->GetValue();
    store.diagramHeel = dialog.m_heelSpin->GetValue();
    store.globalGuessCount = dialog.m_globalGuessesSpin->GetValue();
}
