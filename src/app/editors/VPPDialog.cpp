#include "VPPDialog.h"

#include <cmath>
#include <vector>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>

#include "CObjectStore.h"
#include "EditorControls.h"
#include "HelperFcts.h"
#include "Sulnarsetup.h"
#include "Translate.h"

namespace {

wxStaticText* label(wxWindow* parent, const char* text)
{
    auto* label = new wxStaticText(parent, wxID_ANY, tr(text), wxDefaultPosition, wxDefaultSize, 0);
    label->Wrap(-1);
    return label;
}

wxStaticText* heading(wxWindow* parent, const char* text)
{
    wxStaticText* heading = label(parent, text);
    heading->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_ACTIVECAPTION));
    return heading;
}

wxFont normalFont()
{
    return wxFont(wxNORMAL_FONT->GetPointSize(), wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL,
                  false, wxEmptyString);
}

// A grid with the given column and row labels, set up as both grids of the dialog are.
wxGrid* labelledGrid(wxWindow* parent, wxWindowID id, const std::vector<const char*>& columns,
                     const std::vector<const char*>& rows, bool autoSizeRows)
{
    wxGrid* grid = newEditorGrid(parent, id, static_cast<int>(columns.size()), rows, wxBORDER_SIMPLE);
    for (std::size_t col = 0; col < columns.size(); ++col)
        grid->SetColLabelValue(static_cast<int>(col), tr(columns[col]));
    if (autoSizeRows)
        grid->AutoSizeRows(true);
    grid->SetColLabelSize(wxGRID_AUTOSIZE);
    return grid;
}

} // namespace

VPPDialog::VPPDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    auto* outer = new wxBoxSizer(wxHORIZONTAL);
    m_leftMargin = label(this, "");
    outer->Add(m_leftMargin, 0, wxALL, 5);

    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    m_nameLabel = label(this, "Name of this VPP Setup:");
    nameRow->Add(m_nameLabel, 0, wxALL, 5);
    m_name = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0);
    m_name->SetMinSize(wxSize(250, -1));
    nameRow->Add(m_name, 0, wxALL, 5);
    column->Add(nameRow, 1, wxEXPAND | wxSHAPED, 5);

    auto* body = new wxBoxSizer(wxVERTICAL);
    m_windHeading = heading(this, "True Wind  Range");
    m_windHeading->SetFont(normalFont());
    body->Add(m_windHeading, 0, wxALL | wxEXPAND, 5);
    m_windGrid = labelledGrid(this, 6000, {"Min", "Max", "Inc"}, {"TWS [m/s]:", "TWA [°]:"}, false);
    body->Add(m_windGrid, 0, wxALL, 0);
    m_windGap = label(this, "");
    body->Add(m_windGap, 0, wxALL, 0);
    m_boundsHeading = heading(this, "Initial Values, lower and Upper bounds");
    body->Add(m_boundsHeading, 0, wxALL | wxEXPAND, 5);
    m_boundsGrid = labelledGrid(this, 6001,
                                {"SPEED [m/s]", "LW [°]", "HEEL [°]", "RUDDER [°]", "flat", "reef", "twist"},
                                {"Initial Value", "Lower Bound", "Upper Bound"}, true);
    m_boundsGrid->SetFont(normalFont());
    body->Add(m_boundsGrid, 0, wxALL, 0);
    m_boundsGap = label(this, "");
    body->Add(m_boundsGap, 0, wxALL, 0);

    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    auto* activeSet = new wxFlexGridSizer(7, 2, 0, 0);
    activeSet->SetFlexibleDirection(wxBOTH);
    activeSet->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
    m_activeSetHeading = heading(this, "Active Set");
    activeSet->Add(m_activeSetHeading, 0, wxALL | wxEXPAND, 5);
    m_activeSetNote = heading(this, "Sails, hull and rig for this run");
    activeSet->Add(m_activeSetNote, 0, wxALL | wxEXPAND, 5);
    const std::pair<wxStaticText**, wxChoice**> rows[] = {
        {&m_mainLabel, &m_mainChoice}, {&m_jibLabel, &m_jibChoice}, {&m_hsfLabel, &m_hsfChoice},
        {&m_spiLabel, &m_spiChoice},   {&m_rigLabel, &m_rigChoice}, {&m_hullLabel, &m_hullChoice},
    };
    const char* rowLabels[] = {"Main Sail", "Jib", "Headsail Set Flying", "Spinnaker", "Rig", "Hull"};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        *rows[i].first = label(this, rowLabels[i]);
        activeSet->Add(*rows[i].first, 0, wxALL, 5);
        *rows[i].second = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0);
        // A choice is taller than its label on GTK: little room above and below
        // keeps the six rows and the buttons inside the dialog.
        activeSet->Add(*rows[i].second, 0, wxLEFT | wxRIGHT | wxTOP, 5);
    }
    lower->Add(activeSet, 1, wxEXPAND, 5);

    auto* misc = new wxBoxSizer(wxVERTICAL);
    m_miscHeading = heading(this, "Miscellaneous");
    misc->Add(m_miscHeading, 0, wxALL | wxEXPAND, 5);
    m_searchGlobal = new wxCheckBox(this, wxID_ANY, tr("Search Globally"), wxDefaultPosition, wxDefaultSize, 0);
    misc->Add(m_searchGlobal, 0, wxALL, 5);
    m_jibPoledWindward = new wxCheckBox(this, wxID_ANY, tr("Jib Poled Windward when possible"), wxDefaultPosition,
                                        wxDefaultSize, 0);
    misc->Add(m_jibPoledWindward, 0, wxALL, 5);
    lower->Add(misc, 1, wxEXPAND, 5);
    body->Add(lower, 1, wxEXPAND, 5);
    column->Add(body, 4, wxEXPAND, 5);

    m_buttons = new wxStdDialogButtonSizer();
    m_buttonsOK = new wxButton(this, wxID_OK);
    m_buttons->AddButton(m_buttonsOK);
    m_buttonsCancel = new wxButton(this, wxID_CANCEL);
    m_buttons->AddButton(m_buttonsCancel);
    m_buttons->Realize();
    column->Add(m_buttons, 1, wxEXPAND, 5);
    outer->Add(column, 1, wxEXPAND, 5);

    SetSizer(outer);
    Layout();
    Centre(wxBOTH);
}

namespace {

// Each active-set choice, the type key of the objects it lists and the
// setup's name it edits.
struct ActiveChoice {
    wxChoice* VPPDialog::*choice;
    const char* typeKey;
    std::string Sulnarsetup::*name;
};
constexpr ActiveChoice activeChoices[] = {
    {&VPPDialog::m_mainChoice, "MAIN", &Sulnarsetup::mainName},
    {&VPPDialog::m_jibChoice, "JIB", &Sulnarsetup::jibName},
    {&VPPDialog::m_hsfChoice, "HSF", &Sulnarsetup::hsfName},
    {&VPPDialog::m_spiChoice, "SPI", &Sulnarsetup::spiName},
    {&VPPDialog::m_rigChoice, "RIG", &Sulnarsetup::rigName},
    {&VPPDialog::m_hullChoice, "KeuningHYDRO", &Sulnarsetup::hullName},
};

// The setup's vectors and the grid rows that show them.
struct GridRow {
    wxGrid* VPPDialog::*grid;
    int row;
    std::vector<double> Sulnarsetup::*values;
};
constexpr GridRow gridRows[] = {
    {&VPPDialog::m_windGrid, 0, &Sulnarsetup::twsRange},
    {&VPPDialog::m_windGrid, 1, &Sulnarsetup::twaRange},
    {&VPPDialog::m_boundsGrid, 0, &Sulnarsetup::initialValues},
    {&VPPDialog::m_boundsGrid, 1, &Sulnarsetup::lowerBounds},
    {&VPPDialog::m_boundsGrid, 2, &Sulnarsetup::upperBounds},
};

} // namespace

void fillVPPDialog(VPPDialog& dialog, const Sulnarsetup& setup, const CObjectStore& store)
{
    fillName(dialog.m_name, setup.name);
    dialog.m_jibPoledWindward->SetValue(setup.jibPoledWindward);
    dialog.m_searchGlobal->SetValue(setup.searchGlobal);

    for (const ActiveChoice& active : activeChoices) {
        wxChoice* choice = dialog.*active.choice;
        choice->Clear();
        choice->Append("-");
        for (const auto& object : store.objects)
            if (object->type == active.typeKey)
                choice->Append(wxString::FromUTF8(object->name));
        // A name no longer in the store leaves the choice without a selection.
        choice->SetSelection(wxNOT_FOUND);
        fillChoice(choice, setup.*active.name);
    }

    for (const GridRow& row : gridRows)
        setGridValuesFromVector(dialog.*row.grid, row.row, setup.*row.values);
    // Columns as wide as their labels and numbers.
    dialog.m_windGrid->AutoSizeColumns(false);
    dialog.m_boundsGrid->AutoSizeColumns(false);
    growToFitContents(dialog);
}

void readVPPDialog(const VPPDialog& dialog, Sulnarsetup& setup)
{
    std::vector<double> tws;
    getGridValuesToVector(dialog.m_windGrid, 0, tws);
    if (tws.size() < 3) {
        wxMessageBox("The TWS row needs three numbers: Min, Max and Inc.", "Error", wxOK | wxICON_ERROR);
        return;
    }
    // Number of TWS values, {min, max, inc}. Truncating it toward zero lets
    // 7.95 pass and refuses 8.45; a zero increment gives a count that is not
    // finite, which is refused as too many.
    const double count = (tws[1] - tws[0]) / tws[2] + 1.0;
    if (!std::isfinite(count) || count >= 8.0) {
        wxMessageBox("Too many TWS values. Maximum is 7.", "Error", wxOK | wxICON_ERROR);
        return;
    }

    readName(dialog.m_name, setup.name);
    setup.jibPoledWindward = dialog.m_jibPoledWindward->GetValue();
    setup.searchGlobal = dialog.m_searchGlobal->GetValue();
    for (const ActiveChoice& active : activeChoices)
        readChoice(dialog.*active.choice, setup.*active.name);
    for (const GridRow& row : gridRows)
        getGridValuesToVector(dialog.*row.grid, row.row, setup.*row.values);
}

void editSetup(Sulnarsetup& setup)
{
    VPPDialog dialog(nullptr, wxID_ANY, tr("Edit VPP Setup"), wxDefaultPosition, wxSize(725, 594),
                     wxDEFAULT_DIALOG_STYLE);
    fillVPPDialog(dialog, setup, CObjectStore::getInstance());
    if (dialog.ShowModal() != wxID_OK)
        return;
    // A cell still being typed into counts as entered.
    dialog.m_windGrid->SaveEditControlValue();
    dialog.m_boundsGrid->SaveEditControlValue();
    readVPPDialog(dialog, setup);
}
