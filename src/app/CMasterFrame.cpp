#include "CMasterFrame.h"

#include <algorithm>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/splitter.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/wrapsizer.h>

#include "EditorControls.h"
#include "Pictures.h"

namespace {

wxStaticText* addLabel(wxWindow* parent, const wxString& text)
{
    auto* label = new wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, 0);
    label->Wrap(-1);
    return label;
}

// An empty label drawn as a coloured strip across its page.
wxStaticText* addBar(wxWindow* parent)
{
    wxStaticText* bar = addLabel(parent, wxEmptyString);
    bar->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_ACTIVECAPTION));
    return bar;
}

} // namespace

CMasterFrame::CMasterFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                           const wxSize& size, long style)
    : wxFrame(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    buildMenus();

    auto* frameSizer = new wxBoxSizer(wxVERTICAL);
    m_splitter1 = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_3D);
    m_splitter1->SetSashGravity(0.0);
    m_splitter1->SetMinimumPaneSize(300);
    m_splitter1->Bind(wxEVT_IDLE, &CMasterFrame::m_splitter1OnIdle, this);

    buildLeftColumn();

    m_rightPanel = new wxPanel(m_splitter1, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_rightPanel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    auto* rightSizer = new wxBoxSizer(wxVERTICAL);
    m_notebook = new wxNotebook(m_rightPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0);
    m_notebook->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));

    buildObjectBrowserPage();
    m_notebook->AddPage(m_objectBrowserPage, _("Object Browser"), false);

    m_sailPlanPage = new wxPanel(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_sailPlanPage->SetSizer(new wxBoxSizer(wxVERTICAL));
    m_sailPlanPage->Layout();
    m_notebook->AddPage(m_sailPlanPage, _("Sail / Lateral Plan"), false);

    buildPolarPage();
    m_notebook->AddPage(m_polarPage, _("VPP  Polar"), true);

    buildComparePage();
    m_notebook->AddPage(m_comparePage, _("Compare Results"), false);

    rightSizer->Add(m_notebook, 1, wxALL | wxEXPAND, 5);
    m_rightPanel->SetSizer(rightSizer);
    m_rightPanel->Layout();

    m_splitter1->SplitVertically(m_leftPanel, m_rightPanel, leftColumnSash);
    frameSizer->Add(m_splitter1, 1, wxEXPAND, 5);

    SetSizer(frameSizer);
    Layout();
    Centre(wxBOTH);

    Bind(wxEVT_CLOSE_WINDOW, &CMasterFrame::OnExit, this);
}

CMasterFrame::~CMasterFrame() = default;

void CMasterFrame::buildMenus()
{
    m_menuBar = new wxMenuBar(0);

    m_fileMenu = new wxMenu();
    m_fileMenu->Append(ID_LOAD_JSON, _("Load JSON File"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_SAVE_SELECTION_JSON, _("Save Selection as JSON"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_SAVE_TREE_JSON, _("Save Entire Tree as JSON"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_DELETE_SELECTED, _("Delete Selected Object"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_DELETE_ALL, _("Delete All Objects"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_SAVE_RESULT_CSV, _("Save Polar Result Table as CSV"), wxEmptyString, wxITEM_NORMAL);
    m_fileMenu->Append(ID_LOAD_RESULT_CSV, _("Load Polar Result Table from CSV"), wxEmptyString, wxITEM_NORMAL);
    m_menuBar->Append(m_fileMenu, _("File"));

    m_objectsMenu = new wxMenu();
    m_objectsMenu->Append(ID_CLONE_SELECTED, _("Clone Selected Object"), wxEmptyString, wxITEM_NORMAL);
    m_menuBar->Append(m_objectsMenu, _("Objects"));

    m_toolsMenu = new wxMenu();
    m_toolsMenu->Append(wxID_PREFERENCES, _("Preferences"), wxEmptyString, wxITEM_NORMAL);
    m_menuBar->Append(m_toolsMenu, _("Tools"));

    SetMenuBar(m_menuBar);
}

void CMasterFrame::buildLeftColumn()
{
    m_leftPanel = new wxPanel(m_splitter1, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_leftPanel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    auto* leftSizer = new wxBoxSizer(wxVERTICAL);

    m_splitter2 = new wxSplitterWindow(m_leftPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_3D);
    m_splitter2->SetSashGravity(1.0);
    m_splitter2->Bind(wxEVT_IDLE, &CMasterFrame::m_splitter2OnIdle, this);

    // Top pane: the object tree under its heading.
    m_objectStorePanel = new wxPanel(m_splitter2, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    auto* storeSizer = new wxBoxSizer(wxVERTICAL);
    m_objectStoreLabel = addLabel(m_objectStorePanel, _("Object Store"));
    m_objectStoreLabel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INACTIVECAPTION));
    storeSizer->Add(m_objectStoreLabel, 0, wxALL | wxEXPAND, 5);
    auto* treeGrid = new wxGridSizer(1, 1, 0, 0);
    m_objectTree = new wxTreeCtrl(m_objectStorePanel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_LINES_AT_ROOT | wxTR_TWIST_BUTTONS |
                                      wxTR_FULL_ROW_HIGHLIGHT);
    treeGrid->Add(m_objectTree, 0, wxALL | wxEXPAND, 5);
    storeSizer->Add(treeGrid, 1, wxEXPAND, 5);
    m_objectStorePanel->SetSizer(storeSizer);
    m_objectStorePanel->Layout();

    // Bottom pane: the Print Set, one choice per kind of object, and the reef factor.
    m_printSetPanel = new wxPanel(m_splitter2, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    auto* printSetSizer = new wxBoxSizer(wxVERTICAL);
    m_printSetLabel = addLabel(m_printSetPanel, _("Print Set"));
    m_printSetLabel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INACTIVECAPTION));
    printSetSizer->Add(m_printSetLabel, 0, wxALL | wxEXPAND, 5);

    m_printSetGridPanel = new wxPanel(m_printSetPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_printSetGridPanel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    // Each column as wide as its widest cell, so that the long row labels
    // stay whole beside their choices in the narrow left column.
    auto* printSetGrid = new wxFlexGridSizer(7, 2, 0, 0);
    printSetGrid->AddGrowableCol(1);
    const std::array<wxString, 6> rowLabels{_("MAIN"), _("JIB"), _("SPINNAKER"), _("Headsail set flying HSF"),
                                            _("RIG"), _("KeuningHYDRO")};
    for (std::size_t row = 0; row < rowLabels.size(); ++row) {
        m_printSetTypeLabels[row] = addLabel(m_printSetGridPanel, rowLabels[row]);
        printSetGrid->Add(m_printSetTypeLabels[row], 0, wxALL, 5);
        const wxString items[] = {_("-")};
        m_printSetChoices[row] = new wxChoice(m_printSetGridPanel, ID_PRINT_SET_CHOICE, wxDefaultPosition,
                                              wxDefaultSize, 1, items, 0);
        m_printSetChoices[row]->SetSelection(0);
        m_printSetChoices[row]->SetMinSize(wxSize(100, -1));
        printSetGrid->Add(m_printSetChoices[row], 0, wxALL | wxEXPAND, 5);
    }
    m_reefFactorLabel = addLabel(m_printSetGridPanel, _("Reef Factor:"));
    printSetGrid->Add(m_reefFactorLabel, 0, wxALL, 5);
    m_reefFactorSpin = newNumberSpin(m_printSetGridPanel, {0, 1, 0.05, 2}, 1, ID_REEF_FACTOR);
    printSetGrid->Add(m_reefFactorSpin, 0, wxALL, 5);
    m_printSetGridPanel->SetSizer(printSetGrid);
    m_printSetGridPanel->Layout();
    printSetSizer->Add(m_printSetGridPanel, 1, wxALL | wxEXPAND, 5);
    m_printSetPanel->SetSizer(printSetSizer);
    m_printSetPanel->Layout();

    m_splitter2->SplitHorizontally(m_objectStorePanel, m_printSetPanel, printSetSash);
    leftSizer->Add(m_splitter2, 1, wxEXPAND, 5);
    m_leftPanel->SetSizer(leftSizer);
    m_leftPanel->Layout();
}

void CMasterFrame::buildObjectBrowserPage()
{
    m_objectBrowserPage = new wxPanel(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    auto* grid = new wxGridSizer(2, 1, 0, 0);
    m_objectInfoText = new wxTextCtrl(m_objectBrowserPage, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                      wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
    grid->Add(m_objectInfoText, 0, wxALL | wxEXPAND, 5);
    m_browserPlotPanel = new wxPanel(m_objectBrowserPage, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxTAB_TRAVERSAL | wxHSCROLL | wxVSCROLL);
    m_browserPlotPanel->SetSizer(new wxBoxSizer(wxVERTICAL));
    m_browserPlotPanel->Layout();
    grid->Add(m_browserPlotPanel, 1, wxALL | wxEXPAND, 5);
    m_objectBrowserPage->SetSizer(grid);
    m_objectBrowserPage->Layout();
}

void CMasterFrame::buildPolarPage()
{
    m_polarPage = new wxPanel(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_polarPage->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);

    m_polarTopBar = addBar(m_polarPage);
    pageSizer->Add(m_polarTopBar, 0, wxALL | wxEXPAND, 5);

    // GTK's controls are wider than the boxes' row at the default size: the
    // last box goes to a line of its own instead of being cut off.
    auto* boxes = new wxWrapSizer(wxHORIZONTAL);

    // The three run buttons.
    auto* runBox = new wxStaticBoxSizer(new wxStaticBox(m_polarPage, wxID_ANY, _("Start computational  runs")),
                                        wxHORIZONTAL);
    wxWindow* runParent = runBox->GetStaticBox();
    auto* polarColumn = new wxBoxSizer(wxVERTICAL);
    m_runPolarButton = new wxBitmapButton(runParent, ID_RUN_POLAR, wxNullBitmap, wxDefaultPosition, wxDefaultSize,
                                          wxBU_AUTODRAW | wxBORDER_STATIC);
    m_runPolarButton->SetBitmap(RUN_bmp_to_wx_bitmap());
    polarColumn->Add(m_runPolarButton, 0, wxALL, 5);
    m_runPolarLabel = addLabel(runParent, _("Start Polar Calculation"));
    polarColumn->Add(m_runPolarLabel, 0, wxALL, 5);
    runBox->Add(polarColumn, 1, wxEXPAND, 5);
    auto* forcesColumn = new wxBoxSizer(wxVERTICAL);
    m_calcAeroButton = new wxButton(runParent, ID_CALC_AERO, _("Calc Aero Forces"));
    forcesColumn->Add(m_calcAeroButton, 0, wxALL | wxALIGN_RIGHT, 5);
    m_calcHydroButton = new wxButton(runParent, ID_CALC_HYDRO, _("Calc Hydro Forces"));
    forcesColumn->Add(m_calcHydroButton, 0, wxALL | wxALIGN_RIGHT, 5);
    runBox->Add(forcesColumn, 1, wxEXPAND, 5);
    boxes->Add(runBox, 1, wxEXPAND, 5);

    // The setup to run and the result buttons.
    auto* setupBox = new wxStaticBoxSizer(new wxStaticBox(m_polarPage, wxID_ANY, _("Select the VPP setup")),
                                          wxVERTICAL);
    wxWindow* setupParent = setupBox->GetStaticBox();
    m_vppSetupChoice = new wxChoice(setupParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0);
    setupBox->Add(m_vppSetupChoice, 0, wxALL, 5);
    m_setupBlankText = addLabel(setupParent, wxEmptyString);
    setupBox->Add(m_setupBlankText, 0, wxALL, 5);
    m_showResultTableButton = new wxButton(setupParent, ID_SHOW_RESULT_TABLE, _("Show result table"));
    setupBox->Add(m_showResultTableButton, 0, wxALL, 5);
    auto* bufferRow = new wxBoxSizer(wxHORIZONTAL);
    m_moveToBufferButton = new wxButton(setupParent, ID_MOVE_TO_BUFFER, _("Move to Buffer"));
    bufferRow->Add(m_moveToBufferButton, 0, wxALL, 5);
    setupBox->Add(bufferRow, 1, wxEXPAND, 5);
    boxes->Add(setupBox, 1, wxEXPAND, 5);

    // Options of the polar diagram.
    auto* plotBox = new wxStaticBoxSizer(new wxStaticBox(m_polarPage, wxID_ANY, _("Polar plot layout")), wxVERTICAL);
    wxWindow* plotParent = plotBox->GetStaticBox();
    auto* radiiRow = new wxBoxSizer(wxHORIZONTAL);
    m_radiiMinLabel = addLabel(plotParent, _("Radii MIN:"));
    radiiRow->Add(m_radiiMinLabel, 0, wxALL, 5);
    m_radiiMinSpin = newNumberSpin(plotParent, {0, 20, 1, 1}, 2);
    radiiRow->Add(m_radiiMinSpin, 0, wxALL, 5);
    m_radiiMaxLabel = addLabel(plotParent, _("MAX:"));
    radiiRow->Add(m_radiiMaxLabel, 0, wxALL, 5);
    m_radiiMaxSpin = newNumberSpin(plotParent, {0, 20, 1, 1}, 8);
    radiiRow->Add(m_radiiMaxSpin, 0, wxALL, 5);
    m_radiiIncLabel = addLabel(plotParent, _("INC:"));
    radiiRow->Add(m_radiiIncLabel, 0, wxALL, 5);
    m_radiiIncSpin = newNumberSpin(plotParent, {0, 20, 1, 1}, 2);
    radiiRow->Add(m_radiiIncSpin, 0, wxALL, 5);
    plotBox->Add(radiiRow, 1, wxEXPAND, 5);

    auto* ticksRow = new wxBoxSizer(wxHORIZONTAL);
    m_majorTickLabel = addLabel(plotParent, _("Angle Mayor Ticks:"));
    ticksRow->Add(m_majorTickLabel, 0, wxALL, 5);
    m_majorTickSpin = newNumberSpin(plotParent, 10, 90, 30);
    ticksRow->Add(m_majorTickSpin, 0, wxALL, 5);
    m_minorTickLabel = addLabel(plotParent, _("Angle Minor Ticks"));
    ticksRow->Add(m_minorTickLabel, 0, wxALL, 5);
    m_minorTickSpin = newNumberSpin(plotParent, 1, 10, 5);
    ticksRow->Add(m_minorTickSpin, 0, wxALL, 5);
    plotBox->Add(ticksRow, 1, wxEXPAND, 5);

    auto* plotRow = new wxBoxSizer(wxHORIZONTAL);
    m_plotPolarButton = new wxButton(plotParent, ID_PLOT_POLAR, _("Plot Polar"));
    plotRow->Add(m_plotPolarButton, 0, wxALL, 5);
    m_includeBufferCheck = new wxCheckBox(plotParent, wxID_ANY, _("Include Buffer"), wxDefaultPosition,
                                          wxDefaultSize, 0);
    plotRow->Add(m_includeBufferCheck, 0, wxALL, 5);
    plotBox->Add(plotRow, 1, wxEXPAND, 5);
    boxes->Add(plotBox, 1, wxEXPAND, 5);

    pageSizer->Add(boxes, 0, wxEXPAND, 5);

    m_polarBottomBar = addBar(m_polarPage);
    pageSizer->Add(m_polarBottomBar, 0, wxALL | wxEXPAND, 5);

    m_polarOutputPanel = new wxPanel(m_polarPage, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_polarOutputPanel->SetSizer(new wxBoxSizer(wxHORIZONTAL));
    m_polarOutputPanel->Layout();
    pageSizer->Add(m_polarOutputPanel, 1, wxALL | wxEXPAND, 5);

    m_polarPage->SetSizer(pageSizer);
    m_polarPage->Layout();
}

void CMasterFrame::buildComparePage()
{
    m_comparePage = new wxPanel(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);

    m_compareTopBar = addBar(m_comparePage);
    pageSizer->Add(m_compareTopBar, 0, wxALL | wxEXPAND, 5);

    auto* controls = new wxBoxSizer(wxHORIZONTAL);
    m_writeCompareTableButton = new wxButton(m_comparePage, ID_WRITE_COMPARE_TABLE, _("Write Compare Table"));
    controls->Add(m_writeCompareTableButton, 0, wxALL, 5);
    controls->Add(0, 0, 1, wxEXPAND, 5);
    m_compareModeLabel = addLabel(m_comparePage, _("Compare Modus:"));
    controls->Add(m_compareModeLabel, 0, wxALL, 5);
    const wxString modes[] = {_("Current - Buffer"), _("Buffer - Current"), _("Current Results"), _("Buffer")};
    m_compareModeChoice = new wxChoice(m_comparePage, ID_COMPARE_MODE, wxDefaultPosition, wxDefaultSize,
                                       WXSIZEOF(modes), modes, 0);
    m_compareModeChoice->SetSelection(2);
    controls->Add(m_compareModeChoice, 0, wxALL, 5);
    controls->Add(0, 0, 1, wxEXPAND, 5);
    m_variableLabel = addLabel(m_comparePage, _("Variable:"));
    controls->Add(m_variableLabel, 0, wxALL, 5);
    m_resultVariableChoice = new wxChoice(m_comparePage, ID_RESULT_VARIABLE, wxDefaultPosition, wxDefaultSize, 0,
                                          nullptr, 0);
    controls->Add(m_resultVariableChoice, 0, wxALL, 5);
    pageSizer->Add(controls, 0, wxEXPAND, 5);

    m_compareBottomBar = addBar(m_comparePage);
    pageSizer->Add(m_compareBottomBar, 0, wxALL | wxEXPAND, 5);

    m_compareOutputPanel = new wxPanel(m_comparePage, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_compareOutputPanel->SetSizer(new wxBoxSizer(wxVERTICAL));
    m_compareOutputPanel->Layout();
    pageSizer->Add(m_compareOutputPanel, 1, wxALL | wxEXPAND, 5);

    m_comparePage->SetSizer(pageSizer);
    m_comparePage->Layout();
}

void CMasterFrame::OnExit(wxCloseEvent& event)
{
    event.Skip();
}

void CMasterFrame::m_splitter1OnIdle(wxIdleEvent&)
{
    m_splitter1->SetSashPosition(leftColumnSash, true);
    m_splitter1->Unbind(wxEVT_IDLE, &CMasterFrame::m_splitter1OnIdle, this);
}

void CMasterFrame::m_splitter2OnIdle(wxIdleEvent&)
{
    // The sash goes higher where the Print Set pane would be too low for its rows.
    const int roomForPrintSet =
        m_splitter2->GetClientSize().y - m_splitter2->GetSashSize() - m_printSetPanel->GetBestSize().y;
    m_splitter2->SetSashPosition(std::min(printSetSash, roomForPrintSet), true);
    m_splitter2->Unbind(wxEVT_IDLE, &CMasterFrame::m_splitter2OnIdle, this);
}
