#include "keuningHYDRODialog.h"

#include <vector>

#include <wx/settings.h>

#include "EditorControls.h"
#include "Translate.h"

namespace {

// One row of a section's form: a number with its range, increment and digits.
struct NumberRow {
    const char* description;
    const char* label;
    SpinRange range;
};

constexpr NumberRow hullRows[] = {
    {"Buoyancy of Canoe Body", "Vc [m³]:", {0, 100, 0.1, 3}},
    {"Draft of Canoe Body", "Tc [m]:", {0, 10, 0.01, 3}},
    {"Length of Waterline", "Lwl [m]:", {1, 100, 0.1, 3}},
    {"Beam of Waterline", "Bwl [m]:", {0, 100, 0.1, 3}},
    {"Wetted Surface Upright at rest", "Sc [m²]:", {0, 500, 0.1, 3}},
    {"Wetted Main Section Area", "Ax [m²]:", {0, 100, 0.1, 3}},
    {"Water Plane Area", "Aw [m²]", {0, 100, 0.1, 3}},
    {"Long. Centre of Buoyancy w.r.t. origin", "LCB [m]:", {-100, 100, 0.1, 3}},
    {" Long. Centre of Flotation w.r.t. origin", "LCF [m]:", {-100, 100, 0.1, 3}},
    {"Long. Metacentric Height", "GMl [m]", {0, 100, 0.1, 3}},
    {"Long. Position of FPP w.r.t. origin", "xFPP [m]", {-100, 0, 0.1, 3}},
    {"Length Reduction Factor for Rn", "Lrefratio [-]:", {0.1, 2, 0.1, 3}},
};

constexpr NumberRow keelRows[] = {
    {"Keel Mean Profile Length", "ck [m]:", {0, 100, 0.01, 3}},
    {"Keel Mean Blade Draft", "bk [m]:", {0, 100, 0.01, 3}},
    {"Profile Thickness Ratio", "TCRk [-]:", {0.001, 1, 0.001, 3}},
    {"Keel Envelope Taper Ratio", "TRk [-]:", {0, 2, 0.01, 3}},
    {"Keel Lateral Projected Area", "Ak [m²]:", {0, 100, 0.01, 3}},
    {"Keel Wetted Surface", "Sk [m²]:", {0, 100, 0.01, 3}},
    {"Keel Volume", "Vk [m³]:", {0, 100, 0.01, 3}},
    {"Keel Rake Angle", "Lambda_k [°]:", {-30, 30, 1, 2}},
    {"Vertical Center of Keel Buoyancy from WL", "Zcbk [m]:", {0, 100, 0.01, 3}},
    {"Long. Centre of Effort w.r.t. origin", "LCE_k [m]:", {-20, 20, 0.1, 3}},
    {"Vertical Centre of Effort w.r.t. origin", "VCE_k [m]:", {-20, 20, 0.01, 3}},
};

constexpr NumberRow rudderRows[] = {
    {"Rudder Mean Profile Length", "cr [m]:", {0, 100, 0.01, 3}},
    {"Rudder Mean Span", "br [m]:", {0, 100, 0.01, 3}},
    {"Rudder Profile Thickness Ratio", "TCRr [-]:", {0.001, 1, 0.01, 3}},
    {"Rudder Lateral Projected Area", "Ar [m²]:", {0, 100, 0.01, 3}},
    {"Rudder Wetted Surface", "Sr [m²]", {0, 100, 0.01, 3}},
    {"Rudder Rake Angle", "Lambda_r [°]:", {-30, 30, 1, 2}},
    {"Long. Centre of Effort w.r.t. origin", "LCE_r [m]:", {-20, 20, 0.1, 3}},
    {"Vertical Centre of Effort w.r.t. origin", "VCE_r [m]:", {-20, 20, 0.01, 3}},
};

constexpr NumberRow rightingRows[] = {
    {"Crew Weight", "mCrew [kg]:", {0, 10000, 1, 0}},
    {"Maximum Crew Righting Arm when hiking", "yCrewMax [m]:", {0, 100, 0.1, 2}},
    {"Max. Righting Moment (for constraint heel angle)", "Mxr_max [Nm]:", {0, 1000000000, 1, 0}},
};

// GTK's spin controls are wide and tall: the forms' descriptions wrap onto a
// second line and the form rows have no room below, so that the three
// sections of a row fit the dialog side by side.
constexpr int descriptionWidth = 150;
constexpr int cellFlags = wxLEFT | wxRIGHT | wxTOP;

wxStaticText* text(wxWindow* parent, const char* label, int wrap = -1)
{
    auto* text = new wxStaticText(parent, wxID_ANY, tr(label), wxDefaultPosition, wxDefaultSize, 0);
    text->Wrap(wrap);
    return text;
}

// A section: its heading on the caption colour, added to `row`. Sections and
// rows keep their natural sizes: shares in proportion would size every
// section as the widest and make the panel larger than the dialog on GTK.
wxBoxSizer* section(wxWindow* parent, wxBoxSizer* row, const char* title, int flags)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* heading = text(parent, title);
    heading->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_ACTIVECAPTION));
    sizer->Add(heading, 0, wxALL | wxEXPAND, 5);
    row->Add(sizer, 0, flags, 5);
    return sizer;
}

wxFlexGridSizer* form(int columns)
{
    auto* form = new wxFlexGridSizer(0, columns, 0, 0);
    form->SetFlexibleDirection(wxBOTH);
    form->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
    return form;
}

// Adds a description, a label and a number control per row; `fourth`, when
// given, fills a fourth column.
template <std::size_t N, class Fourth>
void addRows(wxWindow* parent, wxFlexGridSizer* sizer, const NumberRow (&rows)[N], wxSpinCtrlDouble** controls,
             int wrap, Fourth fourth)
{
    for (std::size_t i = 0; i < N; ++i) {
        sizer->Add(text(parent, rows[i].description, wrap), 0, cellFlags, 5);
        sizer->Add(text(parent, rows[i].label), 0, cellFlags, 5);
        controls[i] = newSpinControl(parent, rows[i].range);
        sizer->Add(controls[i], 0, cellFlags, 5);
        fourth(i);
    }
}

} // namespace

keuningHYDRODialog::keuningHYDRODialog(wxWindow* parent, wxWindowID id, const wxString& title,
                                       const wxPoint& pos, const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    auto* dialogSizer = new wxBoxSizer(wxVERTICAL);
    m_panel = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL);
    m_panel->SetScrollRate(5, 5);
    auto* panelSizer = new wxBoxSizer(wxVERTICAL);
    wxWindow* panel = m_panel;

    auto* dimensionsRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* hull = section(panel, dimensionsRow, "Keuning Hull Dimensions", wxEXPAND);
    wxFlexGridSizer* hullForm = form(4);
    hullForm->Add(text(panel, "Identifier for DB", descriptionWidth), 0, cellFlags, 5);
    hullForm->Add(text(panel, "Name:"), 0, cellFlags, 5);
    m_name = new wxTextCtrl(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(60, -1), 0);
    hullForm->Add(m_name, 0, cellFlags | wxEXPAND, 5);
    hullForm->Add(text(panel, ""), 0, cellFlags, 5);
    addRows(panel, hullForm, hullRows, m_dimensions.data(), descriptionWidth, [&](std::size_t row) {
        if (row == rowSc) {
            m_estimateScButton = new wxButton(panel, wxID_ANY, tr("Estimate Sc"));
            hullForm->Add(m_estimateScButton, 0, cellFlags, 5);
        } else {
            hullForm->Add(text(panel, ""), 0, cellFlags, 5);
        }
    });
    hull->Add(hullForm, 1, wxEXPAND, 5);

    const auto noFourth = [](std::size_t) {};
    wxBoxSizer* keel = section(panel, dimensionsRow, "Keuning Keel Dimensions", wxEXPAND);
    wxFlexGridSizer* keelForm = form(3);
    addRows(panel, keelForm, keelRows, m_dimensions.data() + std::size(hullRows), descriptionWidth, noFourth);
    keel->Add(keelForm, 1, wxEXPAND, 5);

    wxBoxSizer* rudder = section(panel, dimensionsRow, "Keuning Rudder Dimensins", wxEXPAND);
    wxFlexGridSizer* rudderForm = form(3);
    addRows(panel, rudderForm, rudderRows, m_dimensions.data() + std::size(hullRows) + std::size(keelRows),
            descriptionWidth, noFourth);
    rudder->Add(rudderForm, 1, wxEXPAND, 5);
    panelSizer->Add(dimensionsRow, 0, wxEXPAND, 5);

    auto* tablesRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* heeled = section(panel, tablesRow, "Heeled Principal DImensions", wxEXPAND | wxSHAPED);
    auto* heeledBar = new wxBoxSizer(wxHORIZONTAL);
    m_useTabulatedHeeledDims = new wxCheckBox(panel, 6000, tr("Use Tabulated Heeled Dimensions    "),
                                              wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT);
    heeledBar->Add(m_useTabulatedHeeledDims, 0, wxALL, 5);
    heeledBar->Add(0, 0, 1, wxEXPAND, 5);
    m_estimateHeeledDimsButton = new wxButton(panel, wxID_ANY, tr("Estimate Principal Dimensions for heeled hull"));
    m_estimateHeeledDimsButton->Enable(false);
    heeledBar->Add(m_estimateHeeledDimsButton, 0, wxALL, 5);
    heeled->Add(heeledBar, 0, wxEXPAND, 5);
    m_heeledGrid = newEditorGrid(panel, wxID_ANY, 7,
                                 {"Heel [°]", "LWL [m]:", "BWL [m]:", "Tc [m]:", "Ax [m²]:", "Sc [m²]:"}, 0);
    m_heeledGrid->SetGridLineColour(wxSystemSettings::GetColour(wxSYS_COLOUR_APPWORKSPACE));
    m_heeledGrid->AutoSizeRows(true);
    m_heeledGrid->Enable(false);
    heeled->Add(m_heeledGrid, 0, wxALL, 5);

    wxBoxSizer* righting = section(panel, tablesRow, "Righting Moment", wxEXPAND | wxSHAPED);
    wxFlexGridSizer* rightingForm = form(3);
    addRows(panel, rightingForm, rightingRows, m_righting.data(), -1, noFourth);
    righting->Add(rightingForm, 1, wxEXPAND, 5);
    m_rightingArmGrid = newEditorGrid(panel, wxID_ANY, 5, {"Heel [°]:", "RA [m]:"}, 0);
    righting->Add(m_rightingArmGrid, 0, wxALL, 5);
    panelSizer->Add(tablesRow, 0, wxEXPAND, 5);

    auto* lastRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* munk = section(panel, lastRow, "Munk Moment Data", wxEXPAND);
    m_munk = new wxCheckBox(panel, wxID_ANY, tr("Take Munk Data for Yawing Moment into account"));
    munk->Add(m_munk, 0, wxALL, 5);
    auto* lateral = new wxBoxSizer(wxHORIZONTAL);
    lateral->Add(text(panel, "A_Lateral"), 0, wxALL, 5);
    lateral->Add(text(panel, "MyLabel"), 0, wxALL, 5);
    m_lateralArea = newSpinControl(panel, {0, 1000, 1, 3});
    lateral->Add(m_lateralArea, 0, wxALL, 5);
    munk->Add(lateral, 0, wxEXPAND, 5);
    m_formFactorGrid = newEditorGrid(panel, wxID_ANY, 5, {"Heel [°]:", "C_form [-]:"}, 0);
    munk->Add(m_formFactorGrid, 0, wxALL, 5);

    auto* buttonBar = new wxBoxSizer(wxHORIZONTAL);
    m_buttons = new wxStdDialogButtonSizer();
    m_buttonsOK = new wxButton(panel, wxID_OK);
    m_buttons->AddButton(m_buttonsOK);
    m_buttonsCancel = new wxButton(panel, wxID_CANCEL);
    m_buttons->AddButton(m_buttonsCancel);
    m_buttons->Realize();
    buttonBar->Add(m_buttons, 1, wxEXPAND, 5);
    buttonBar->Add(0, 0, 1, wxEXPAND, 5);
    lastRow->Add(buttonBar, 1, wxEXPAND, 5);
    panelSizer->Add(lastRow, 0, wxEXPAND, 5);

    m_panel->SetSizer(panelSizer);
    m_panel->Layout();
    panelSizer->Fit(m_panel);
    dialogSizer->Add(m_panel, 1, wxEXPAND | wxALL, 5);
    SetSizer(dialogSizer);
    Layout();
    Centre(wxBOTH);

    m_estimateScButton->Bind(wxEVT_BUTTON, &keuningHYDRODialog::OnEstimateSc, this);
    m_useTabulatedHeeledDims->Bind(wxEVT_CHECKBOX, &keuningHYDRODialog::OnUseTabHeeledDims, this);
    m_estimateHeeledDimsButton->Bind(wxEVT_BUTTON, &keuningHYDRODialog::OnEstimateHeeledDims, this);
}
