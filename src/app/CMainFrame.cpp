#include "CMainFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/file.h>
#include <wx/grid.h>
#include <wx/log.h>
#include <wx/imaglist.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CObjectStore.h"
#include "CRig.h"
#include "CSpi.h"
#include "CompareTable.h"
#include "DesignObjects.h"
#include "FileChooser.h"
#include "HelperFcts.h"
#include "MiscDialogs.h"
#include "ObjectPreview.h"
#include "PolarResults.h"
#include "ProjectFile.h"
#include "SailPlan.h"
#include "Sulnarrun.h"
#include "Sulnarsetup.h"
#include "Translate.h"
#include "UserInterface.h"
#include "plotwidget.h"

#include "icons/HsfIcon.xpm"
#include "icons/HullIcon.xpm"
#include "icons/JibIcon.xpm"
#include "icons/MainIcon.xpm"
#include "icons/RigIcon.xpm"
#include "icons/RootIcon.xpm"
#include "icons/SailsIcon.xpm"
#include "icons/SpiIcon.xpm"
#include "icons/VppRunExIcon.xpm"
#include "icons/VppRunIcon.xpm"
#include "icons/hsfExIcon.xpm"
#include "icons/hullExIcon.xpm"
#include "icons/jibExIcon.xpm"
#include "icons/mainExIcon.xpm"
#include "icons/rigExIcon.xpm"
#include "icons/spiExIcon.xpm"

namespace {

// Type keys of the Print Set choices, in their row order.
const std::array<std::string, 6> printSetTypes{"MAIN", "JIB", "SPI", "HSF", "RIG", "KeuningHYDRO"};

// One category of the tree: its text, its index in the tree nodes, the index
// of its parent node, its icon and the icon of its leaves (-1: no leaves).
struct TreeCategory {
    const char* text;
    int parent;
    int image;
    int leafImage;
};
// Indexed like the frame's tree nodes; the root comes first and has no parent.
const std::array<TreeCategory, 9> treeCategories{{
    {"VPP Objects", -1, 7, -1},
    {"Sails", 0, 0, -1},
    {"MAIN", 1, 1, 9},
    {"JIB", 1, 2, 10},
    {"SPI", 1, 3, 12},
    {"HSF", 1, 4, 11},
    {"KeuningHYDRO", 0, 5, 14},
    {"RIG", 0, 6, 13},
    {"VPPsetup", 0, 8, 15},
}};

const wxString projectWildcard = "JSON files (*.json)|*.json";

void showError(const std::string& text)
{
    wxMessageBox(wxString::FromUTF8(text), "Error", wxOK | wxICON_ERROR);
}

} // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, CMasterFrame)
    EVT_MENU(ID_LOAD_JSON, CMainFrame::OnLoadJSONMenuItemClicked)
    EVT_MENU(ID_SAVE_TREE_JSON, CMainFrame::OnSaveEntireTree2JSON)
    EVT_MENU(ID_SAVE_SELECTION_JSON, CMainFrame::OnSaveSelection2JSON)
    EVT_MENU(ID_CLONE_SELECTED, CMainFrame::OnCloneSelectedObject)
    EVT_MENU(ID_DELETE_SELECTED, CMainFrame::OnDeleteSelectedObject)
    EVT_MENU(ID_DELETE_ALL, CMainFrame::OnDeleteAllObjects)
    EVT_MENU(ID_SAVE_RESULT_CSV, CMainFrame::OnSaveResultTable)
    EVT_MENU(wxID_PREFERENCES, CMainFrame::OnPreferences)
    EVT_TREE_SEL_CHANGING(wxID_ANY, CMainFrame::OnTreeSelChanging)
    EVT_TREE_ITEM_ACTIVATED(wxID_ANY, CMainFrame::OnTreeItemActivated)
    EVT_CHOICE(ID_PRINT_SET_CHOICE, CMainFrame::OnPrintSetChanged)
    EVT_CLOSE(CMainFrame::OnClose)
    EVT_BUTTON(ID_PLOT_POLAR, CMainFrame::OnPlotPolar)
    EVT_BUTTON(ID_RUN_POLAR, CMainFrame::OnRunVPP)
    EVT_BUTTON(ID_CALC_AERO, CMainFrame::OnRunVPP)
    EVT_BUTTON(ID_CALC_HYDRO, CMainFrame::OnRunVPP)
    EVT_MENU(ID_LOAD_RESULT_CSV, CMainFrame::OnLoadStoredPolar)
    EVT_BUTTON(ID_SHOW_RESULT_TABLE, CMainFrame::OnWriteResultTable)
    EVT_BUTTON(ID_MOVE_TO_BUFFER, CMainFrame::OnMoveResultsToBuffer)
    EVT_BUTTON(ID_WRITE_COMPARE_TABLE, CMainFrame::OnWriteCompareTable)
    EVT_SPINCTRLDOUBLE(ID_REEF_FACTOR, CMainFrame::OnReefChanged)
wxEND_EVENT_TABLE()

CMainFrame::CMainFrame(wxWindow* parent)
    : CMasterFrame(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(1175, 1011),
                   wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL)
{
    // The icons in the order of their image list indices.
    const char* const* const icons[] = {SailsIcon, MainIcon, JibIcon, SpiIcon, HsfIcon, HullIcon,
                                        RigIcon, RootIcon, VppRunIcon, mainExIcon, jibExIcon, hsfExIcon,
                                        spiExIcon, rigExIcon, hullExIcon, VppRunExIcon};
    m_treeImages = new wxImageList(32, 32, true, 1);
    for (const char* const* icon : icons)
        m_treeImages->Add(wxBitmap(icon));
    m_objectTree->AssignImageList(m_treeImages);

    objectStoreChanged();
    m_storeChanged = false;

    m_resultVariableChoice->Clear();
    for (const std::string& column : CObjectStore::getInstance().resultColumnNames)
        m_resultVariableChoice->Append(wxString::FromUTF8(column));
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::objectStoreChanged()
{
    m_storeChanged = true;
    const CObjectStore& store = CObjectStore::getInstance();

    // Print Set: every object of each kind; a choice keeps its object while it exists.
    std::array<wxString, 6> remembered;
    for (std::size_t i = 0; i < m_printSetChoices.size(); ++i) {
        remembered[i] = m_printSetChoices[i]->GetStringSelection();
        m_printSetChoices[i]->Clear();
        m_printSetChoices[i]->Append(_("-"));
    }
    for (const auto& object : store.objects) {
        const auto kind = std::find(printSetTypes.begin(), printSetTypes.end(), object->type);
        if (kind != printSetTypes.end())
            m_printSetChoices[kind - printSetTypes.begin()]->Append(wxString::FromUTF8(object->name));
    }
    for (std::size_t i = 0; i < m_printSetChoices.size(); ++i) {
        // The entry with exactly that text: another object's name may differ only in case.
        const int entry = store.findObject(remembered[i].utf8_string(), printSetTypes[i])
                              ? m_printSetChoices[i]->FindString(remembered[i], true)
                              : wxNOT_FOUND;
        m_printSetChoices[i]->SetSelection(entry == wxNOT_FOUND ? 0 : entry);
    }

    // Tree: the fixed nodes, then one leaf per object in store order.
    m_objectTree->DeleteAllItems();
    for (std::size_t i = 0; i < treeCategories.size(); ++i) {
        const TreeCategory& category = treeCategories[i];
        m_treeNodes[i] = category.parent < 0
                             ? m_objectTree->AddRoot(category.text, category.image)
                             : m_objectTree->AppendItem(m_treeNodes[category.parent], category.text, category.image);
    }
    for (const auto& object : store.objects) {
        for (std::size_t i = 0; i < treeCategories.size(); ++i) {
            if (treeCategories[i].leafImage >= 0 && object->type == treeCategories[i].text) {
                m_objectTree->AppendItem(m_treeNodes[i], wxString::FromUTF8(object->name),
                                         treeCategories[i].leafImage);
                break;
            }
        }
    }
    m_objectTree->UnselectAll();
    m_objectInfoText->SetValue(wxEmptyString);
    m_objectTree->ExpandAll();

    wxCommandEvent redraw;
    OnPrintSetChanged(redraw);

    // The setup choice keeps the index of its selection, not the name.
    const int selectedSetup = m_vppSetupChoice->GetSelection();
    m_vppSetupChoice->Clear();
    for (const auto& object : store.objects) {
        if (object->type == "VPPsetup")
            m_vppSetupChoice->Append(wxString::FromUTF8(object->name));
    }
    if (selectedSetup >= 0 && selectedSetup < static_cast<int>(m_vppSetupChoice->GetCount()))
        m_vppSetupChoice->SetSelection(selectedSetup);
    // The choice is as wide as its longest setup name.
    m_polarPage->Layout();
}

wxTreeItemId CMainFrame::selectedItem() const
{
    // The tree reports its current item as the selection even when that item
    // is not highlighted, as after a rebuild.
    const wxTreeItemId item = m_objectTree->GetSelection();
    return item.IsOk() && m_objectTree->IsSelected(item) ? item : wxTreeItemId();
}

std::string CMainFrame::parentText(const wxTreeItemId& item) const
{
    const wxTreeItemId parent = m_objectTree->GetItemParent(item);
    return parent.IsOk() ? m_objectTree->GetItemText(parent).utf8_string() : std::string();
}

CObject* CMainFrame::objectOfItem(const wxTreeItemId& item) const
{
    return CObjectStore::getInstance().findObject(m_objectTree->GetItemText(item).utf8_string(), parentText(item));
}

void CMainFrame::OnLoadJSONMenuItemClicked(wxCommandEvent&)
{
    const wxString path = chooseFile(this, _("Open JSON file"), "JSON files (*.json;*.jsonc)|*.json;*.jsonc",
                                     wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (path.empty())
        return;
    std::string text;
    if (!readTextFile(path.utf8_string(), text)) {
        showError("Cannot open file");
        return;
    }
    CObjectStore& store = CObjectStore::getInstance();
    const bool wasEmpty = store.objects.empty();
    if (!readProject(text, store, createDesignObject, showError))
        return;
    objectStoreChanged();
    if (wasEmpty)
        m_storeChanged = false;
}

void CMainFrame::OnSaveEntireTree2JSON(wxCommandEvent&)
{
    const nlohmann::json root = projectJSON(CObjectStore::getInstance());
    if (const std::string problem = nonFiniteMember(root); !problem.empty()) {
        showError(problem);
        return;
    }
    const wxString path = chooseFile(this, _("Save JSON file"), projectWildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty())
        return;
    if (!saveProjectFile(path.utf8_string(), root)) {
        showError("Cannot open file for writing");
        return;
    }
    m_storeChanged = false;
}

void CMainFrame::OnSaveSelection2JSON(wxCommandEvent&)
{
    const wxTreeItemId item = selectedItem();
    if (!item.IsOk()) {
        showError("No object selected");
        return;
    }
    const CObject* object = objectOfItem(item);
    if (!object) {
        showError("Object not found");
        return;
    }
    const nlohmann::json root = objectProjectJSON(*object);
    if (const std::string problem = nonFiniteMember(root); !problem.empty()) {
        showError(problem);
        return;
    }
    const wxString path = chooseFile(this, _("Save JSON file"), projectWildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty())
        return;
    if (!saveProjectFile(path.utf8_string(), root))
        showError("Cannot open file for writing");
}

void CMainFrame::OnTreeItemActivated(wxTreeEvent& event)
{
    const wxTreeItemId item = event.GetItem();
    if (!item.IsOk())
        return;
    CObject* object = objectOfItem(item);
    if (!object) {
        showError("Object not found");
        return;
    }
    object->edit();
    // The editor does not tell whether anything changed.
    objectStoreChanged();
}

void CMainFrame::OnDeleteSelectedObject(wxCommandEvent&)
{
    const wxTreeItemId item = selectedItem();
    if (!item.IsOk())
        return;
    const std::string name = m_objectTree->GetItemText(item).utf8_string();
    const std::string type = parentText(item);
    const std::string question = "Are you sure you want to delete: " + name + " of type: " + type + "?";
    if (wxMessageBox(wxString::FromUTF8(question), "Confirm Deletion", wxYES_NO | wxICON_QUESTION, this) != wxYES)
        return;

    // Every object of that name and type goes, duplicates included.
    auto& objects = CObjectStore::getInstance().objects;
    const auto removed = std::erase_if(objects, [&](const std::unique_ptr<CObject>& object) {
        return object->name == name && object->type == type;
    });
    if (removed > 0)
        objectStoreChanged();
    else
        showError("Object not found");
}

void CMainFrame::OnDeleteAllObjects(wxCommandEvent&)
{
    if (wxMessageBox("Are you sure you want to delete all objects from object store?", "Confirm Deletion",
                     wxYES_NO | wxICON_QUESTION, this) != wxYES)
        return;
    CObjectStore::getInstance().objects.clear();
    objectStoreChanged();
    m_storeChanged = false;
}

void CMainFrame::OnCloneSelectedObject(wxCommandEvent&)
{
    const wxTreeItemId item = selectedItem();
    if (!item.IsOk())
        return;
    const CObject* source = objectOfItem(item);
    std::unique_ptr<CObject> copy = source ? cloneDesignObject(*source, parentText(item)) : nullptr;
    if (!copy) {
        showError("Failed to clone object");
        return;
    }
    copy->name = source->name + "-cloned";
    CObjectStore::getInstance().objects.push_back(std::move(copy));
    objectStoreChanged();
}

namespace {

// Destroys the page's plot window and puts a new, empty one in its place.
plWindow* replacePlot(wxPanel* page, plWindow*& plot)
{
    if (plot)
        plot->Destroy();
    plot = new plWindow(page, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    page->GetSizer()->Add(plot, 1, wxEXPAND | wxALL, 0);
    page->Layout();
    return plot;
}

plFXYVector* curve(const wxString& name, const wxPen& pen, const std::vector<double>& xs,
                   const std::vector<double>& ys)
{
    auto* layer = new plFXYVector(name, plNAME_BELOW_RIGHT);
    layer->SetContinuity(true);
    layer->SetPen(pen);
    layer->SetData(xs, ys);
    return layer;
}

} // namespace

void CMainFrame::OnTreeSelChanging(wxTreeEvent& event)
{
    if (std::find(m_treeNodes.begin(), m_treeNodes.end(), event.GetItem()) != m_treeNodes.end()) {
        event.Veto();
        return;
    }
    try {
        showPreview(event.GetItem());
    } catch (const std::exception& e) {
        showError(std::string("Cannot preview the object: ") + e.what());
    }
}

void CMainFrame::showPreview(const wxTreeItemId& item)
{
    const std::string name = m_objectTree->GetItemText(item).utf8_string();
    const std::string type = parentText(item);
    CObject* object = CObjectStore::getInstance().findObject(name, type);
    // An item without its object leaves the preview empty.
    if (!object) {
        replacePlot(m_browserPlotPanel, m_browserPlot);
        m_objectInfoText->SetValue(wxEmptyString);
        return;
    }
    std::string text = objectInfoHead(type, name, object->makeJSON());
    plWindow* plot = replacePlot(m_browserPlotPanel, m_browserPlot);
    const wxPen green(*wxGREEN, 2, wxPENSTYLE_SOLID);
    const wxPen red(*wxRED, 2, wxPENSTYLE_SOLID);

    if (type == "KeuningHYDRO") {
        auto* hull = dynamic_cast<CKeuningHYDRO*>(object);
        // A hull whose tables cannot be built has reported it.
        if (!hull || !hull->checkAndGenerateSplines())
            return;
        const CObjectStore& store = CObjectStore::getInstance();
        const ResistanceCurves curves = sampleResistance(*hull, store.diagramLeeway, store.diagramHeel);
        auto* xAxis = new plScaleX(tr("Speed [m/s]"), plAXIS_BORDER_BOTTOM_OR_LEFT, false, plLABEL_NUMBER);
        xAxis->SetDrawOutsideMargins(true);
        plot->AddLayer(xAxis, true);
        plot->AddLayer(new plScaleY(tr("Resistance [N]"), plAXIS_BORDER_BOTTOM_OR_LEFT, false), true);
        plFXYVector* upright = curve("Ru [N] upright resistance", green, curves.speed, curves.upright);
        upright->SetDrawOutsideMargins(true);
        plot->AddLayer(upright, true);
        plFXYVector* heeled = curve(wxString::FromUTF8(heeledCurveName(store.diagramLeeway, store.diagramHeel)),
                                    red, curves.speed, curves.heeled);
        heeled->SetDrawOutsideMargins(true);
        plot->AddLayer(heeled, true);
        plot->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH), true);
        plot->Fit(0.0, curves.viewSpeed, 0.0, curves.viewResistance, nullptr, nullptr);
    }
    else {
        const std::optional<SailPreview> sail = sailPreview(*object, type);
        const CoefficientCurves curves = sail ? sail->curves : CoefficientCurves{};
        if (sail)
            text += sail->areaLine;
        auto* xAxis = new plScaleX(tr("AWA [°]"), plAXIS_BORDER_BOTTOM_OR_LEFT, false, plLABEL_NUMBER);
        xAxis->SetDrawOutsideMargins(true);
        plot->AddLayer(xAxis, true);
        plot->AddLayer(new plScaleY(tr("CL CD [-]"), plAXIS_BORDER_BOTTOM_OR_LEFT, false), true);
        plot->AddLayer(curve("CL", green, curves.awa, curves.cl), true);
        plot->AddLayer(curve("CD0", red, curves.awa, curves.cd), true);
        plot->Fit(0.0, 180.0, 0.0, 1.8, nullptr, nullptr);
    }
    plot->UpdateAll();
    m_objectInfoText->SetValue(wxString::FromUTF8(text));
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    // At session end the close cannot be refused: leave without asking.
    if (m_storeChanged && event.CanVeto()) {
        wxMessageDialog question(this, "The object store has changed. Do you really want to leave?", "COnfirm",
                                 wxYES_NO | wxICON_QUESTION);
        if (question.ShowModal() != wxID_YES) {
            event.Veto();
            return;
        }
    }
    Destroy();
}

void CMainFrame::OnPreferences(wxCommandEvent&)
{
    PreferencesDialog dialog(nullptr, 6000, tr("Preferences"), wxDefaultPosition, wxSize(359, 226),
                             wxDEFAULT_DIALOG_STYLE);
    fillPreferences(dialog, CObjectStore::getInstance());
    if (dialog.ShowModal() == wxID_OK)
        readPreferences(dialog, CObjectStore::getInstance());
}

void CMainFrame::OnPrintSetChanged(wxCommandEvent&)
{
    try {
        drawSailPlan();
    } catch (const std::exception& e) {
        showError(std::string("Cannot draw the sail plan: ") + e.what());
    }
}

void CMainFrame::drawSailPlan()
{
    const CObjectStore& store = CObjectStore::getInstance();
    const auto chosen = [&](std::size_t row) {
        return store.findObject(m_printSetChoices[row]->GetStringSelection().utf8_string(), printSetTypes[row]);
    };
    PrintSet set;
    set.main = dynamic_cast<const CMain*>(chosen(0));
    set.jib = dynamic_cast<const CJib*>(chosen(1));
    set.spi = dynamic_cast<const CSpi*>(chosen(2));
    set.hsf = dynamic_cast<const CHsf*>(chosen(3));
    set.rig = dynamic_cast<const CRig*>(chosen(4));
    set.hull = dynamic_cast<const CKeuningHYDRO*>(chosen(5));
    set.reef = m_reefFactorSpin->GetValue();

    plWindow* plot = replacePlot(m_sailPlanPage, m_sailPlanPlot);
    plot->LockAspect(true);
    auto* xAxis = new plScaleX(tr("x"), plAXIS_BORDER_BOTTOM_OR_LEFT, false, plLABEL_NUMBER);
    xAxis->SetDrawOutsideMargins(true);
    plot->AddLayer(xAxis, true);
    plot->AddLayer(new plScaleY(tr("y"), plAXIS_BORDER_BOTTOM_OR_LEFT, false), true);

    // Indexed by PlanPen.
    const std::array<wxPen, 7> pens{
        wxPen(*wxGREEN, 2, wxPENSTYLE_SOLID), wxPen(*wxBLACK, 2, wxPENSTYLE_SOLID),
        wxPen(*wxRED, 2, wxPENSTYLE_SOLID),   wxPen(*wxBLUE, 2, wxPENSTYLE_SOLID),
        wxPen(*wxYELLOW, 2, wxPENSTYLE_SOLID), wxPen(*wxCYAN, 2, wxPENSTYLE_SOLID),
        wxPen(*wxCYAN, 2, wxPENSTYLE_LONG_DASH)};
    for (const PlanLayer& outline : sailPlanLayers(set)) {
        plFXYVector* layer = curve(wxString::FromUTF8(outline.name), pens[static_cast<std::size_t>(outline.pen)],
                                   outline.xs, outline.ys);
        layer->ShowName(outline.showName);
        plot->AddLayer(layer, true);
    }
    plot->UpdateAll();
    plot->Fit();
}

void CMainFrame::OnReefChanged(wxSpinDoubleEvent& event)
{
    OnPrintSetChanged(event);
}

void CMainFrame::OnWriteCompareTable(wxCommandEvent&)
{
    const int mode = m_compareModeChoice->GetSelection();
    if (mode == wxNOT_FOUND) {
        showError("Please select a compare mode.");
        return;
    }
    const int variable = m_resultVariableChoice->GetSelection();
    if (variable == wxNOT_FOUND) {
        showError("Please select a variable to compare.");
        return;
    }
    const CObjectStore& store = CObjectStore::getInstance();
    const ResultTable* current = store.currentResults.get();
    const ResultTable* buffer = store.bufferResults.get();
    CarpetTable table;
    try {
        if (mode == 0 || mode == 1) {
            if (!current) {
                showError("No VPP result available");
                return;
            }
            if (!buffer) {
                showError("No VPP buffer available");
                return;
            }
            table = makeCarpetTable(current, variable);
            const CarpetTable other = makeCarpetTable(buffer, variable);
            if (table.twsValues != other.twsValues || table.twaValues != other.twaValues) {
                showError("The row and column headers of the result and buffer matrices are not equal. "
                          "Cannot compare.");
                return;
            }
            table.values = mode == 0 ? subtractMatrices(table.values, other.values)
                                     : subtractMatrices(other.values, table.values);
        } else if (mode == 2) {
            if (!current) {
                showError("No VPP results available");
                return;
            }
            table = makeCarpetTable(current, variable);
        } else {
            if (!buffer) {
                showError("No VPP buffer available");
                return;
            }
            table = makeCarpetTable(buffer, variable);
        }
    } catch (const std::exception& e) {
        showError(std::string("The compare table could not be made: ") + e.what());
        return;
    }

    if (m_compareTablePanel)
        m_compareTablePanel->Destroy();
    m_compareTablePanel = new wxPanel(m_compareOutputPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                      wxBORDER_SUNKEN);
    m_compareOutputPanel->GetSizer()->Add(m_compareTablePanel, 1, wxALL | wxEXPAND, 0);
    m_compareOutputPanel->Layout();

    auto* grid = new wxGrid(m_compareTablePanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    const int rows = static_cast<int>(table.twsValues.size());
    const int columns = static_cast<int>(table.twaValues.size());
    grid->CreateGrid(rows, columns, wxGrid::wxGridSelectCells);
    for (int j = 0; j < columns; ++j)
        grid->SetColLabelValue(j, wxString::Format(wxString::FromUTF8("TWA=%.1f°"), table.twaValues[j]));
    for (int i = 0; i < rows; ++i)
        grid->SetRowLabelValue(i, wxString::Format("TWS=%.1fm/s", table.twsValues[i]));
    // A heading the group lacks, or a value missing from its row, leaves the
    // cell blank.
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            if (!std::isnan(table.values[i][j]))
                grid->SetCellValue(i, j, wxString::Format("%.2f", table.values[i][j]));
    grid->SetRowLabelSize(wxGRID_AUTOSIZE);
    grid->AutoSizeColumns(false);

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(grid, 1, wxALL | wxEXPAND, 0);
    m_compareTablePanel->SetSizer(sizer);
    m_compareTablePanel->Layout();
}

void CMainFrame::OnRunVPP(wxCommandEvent& event)
{
    CObjectStore& store = CObjectStore::getInstance();
    const std::string setupName = m_vppSetupChoice->GetStringSelection().utf8_string();
    const auto* setup = dynamic_cast<const Sulnarsetup*>(store.findObject(setupName, "VPPsetup"));
    if (!setup) {
        showError("No VPP setup selected or found.");
        return;
    }
    const ActiveSet active = findActiveSet(*setup, store);
    const std::string problem = checkRun(*setup, active);
    if (!problem.empty()) {
        showError(problem);
        return;
    }

    Sulnarrun run(active.main, active.jib, active.spi, active.hsf, active.rig, active.hull, setup->twsRange,
                  setup->twaRange, setup->initialValues, setup->lowerBounds, setup->upperBounds,
                  setup->jibPoledWindward, setup->searchGlobal, store.globalGuessCount);
    // The hull has reported tables it could not build; nothing runs then.
    if (!run.aeroModel)
        return;
    try {
        switch (event.GetId()) {
        case ID_RUN_POLAR:
            run.RunVPP();
            writeResultTable(store.currentResults.get(), store.resultColumnNames);
            break;
        case ID_CALC_AERO:
            run.RunAeroForces();
            writeResultTable(store.aeroResults.get(), store.aeroColumnNames);
            break;
        case ID_CALC_HYDRO:
            run.RunHydroForces();
            writeResultTable(store.hydroResults.get(), store.hydroColumnNames);
            break;
        }
    } catch (const std::exception& e) {
        showError(std::string("The run stopped: ") + e.what());
    }
}

void CMainFrame::clearPolarOutput()
{
    if (m_resultTablePanel)
        m_resultTablePanel->Destroy();
    m_resultTablePanel = nullptr;
    if (m_polarPlot)
        m_polarPlot->Destroy();
    m_polarPlot = nullptr;
}

void CMainFrame::writeResultTable(const ResultTable* rows, std::vector<std::string> names)
{
    if (!rows) {
        showError("No polar results available to write into the table.");
        return;
    }
    clearPolarOutput();
    m_resultTablePanel = new wxPanel(m_polarOutputPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    m_polarOutputPanel->GetSizer()->Add(m_resultTablePanel, 1, wxEXPAND | wxALL, 0);
    m_polarOutputPanel->Layout();

    auto* grid = new wxGrid(m_resultTablePanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    const int columns = static_cast<int>(names.size());
    grid->CreateGrid(static_cast<int>(rows->size()), columns, wxGrid::wxGridSelectCells);
    grid->SetRowLabelSize(0);
    for (int c = 0; c < columns; ++c)
        grid->SetColLabelValue(c, wxString::FromUTF8(names[static_cast<std::size_t>(c)]));
    fitColumnsToLabels(grid);
    for (std::size_t r = 0; r < rows->size(); ++r) {
        const auto& row = (*rows)[r];
        // A short row leaves its last cells empty.
        for (std::size_t c = 0; c < row.size() && c < names.size(); ++c) {
            grid->SetCellValue(static_cast<int>(r), static_cast<int>(c), formatNumber("%.2f", row[c]));
        }
    }
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(grid, 1, wxEXPAND | wxALL, 0);
    m_resultTablePanel->SetSizer(sizer);
    m_resultTablePanel->Layout();
}

void CMainFrame::OnWriteResultTable(wxCommandEvent&)
{
    const CObjectStore& store = CObjectStore::getInstance();
    writeResultTable(store.currentResults.get(), store.resultColumnNames);
}

void CMainFrame::OnMoveResultsToBuffer(wxCommandEvent&)
{
    CObjectStore& store = CObjectStore::getInstance();
    if (!store.currentResults) {
        showError("No results available to move to buffer.");
        return;
    }
    store.bufferResults = std::make_unique<ResultTable>(*store.currentResults);
}

namespace {

// A grid line of the polar diagram: no legend entry, no name drawn.
plFXYVector* gridLine(const std::vector<double>& xs, const std::vector<double>& ys, wxPenStyle style)
{
    auto* line = new plFXYVector("_noLegendEntry_");
    line->SetContinuity(true);
    line->ShowName(false);
    line->SetPen(wxPen(*wxBLACK, 1, style));
    line->SetData(xs, ys);
    return line;
}

} // namespace

void CMainFrame::OnPlotPolar(wxCommandEvent&)
{
    constexpr double pi = 3.141592653589793;
    const double radiusMin = m_radiiMinSpin->GetValue();
    const double radiusMax = m_radiiMaxSpin->GetValue();
    const double radiusInc = m_radiiIncSpin->GetValue();
    const int major = m_majorTickSpin->GetValue();
    const int minor = m_minorTickSpin->GetValue();

    clearPolarOutput();
    m_polarPlot = new plWindow(m_polarOutputPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    m_polarOutputPanel->GetSizer()->Add(m_polarPlot, 1, wxEXPAND | wxALL, 0);
    m_polarOutputPanel->Layout();
    m_polarPlot->LockAspect(true);

    // Speed rings as half circles from TWA 0 through 90 to 180 degrees.
    for (double r : linspace(radiusMin, radiusMax, radiusInc)) {
        std::vector<double> xs, ys;
        for (int a = 0; a <= 180; a += 5) {
            xs.push_back(r * std::sin(a * pi / 180));
            ys.push_back(r * std::cos(a * pi / 180));
        }
        m_polarPlot->AddLayer(gridLine(xs, ys, wxPENSTYLE_SOLID), true);
    }
    // Rays of true wind angle, solid at every major step.
    for (int angle : polarRayAngles(minor)) {
        const double s = std::sin(angle * pi / 180), c = std::cos(angle * pi / 180);
        const bool solid = major > 0 && angle % major == 0;
        m_polarPlot->AddLayer(gridLine({radiusMin * s, radiusMax * s}, {radiusMin * c, radiusMax * c},
                                       solid ? wxPENSTYLE_SOLID : wxPENSTYLE_DOT),
                              true);
    }
    m_polarPlot->AddLayer(new plScaleX(tr("Boat Speed [m/s]"), plAXIS_AT_ORIGIN, true, 0), true);
    m_polarPlot->AddLayer(new plScaleY(tr("Boat Speed [m/s]"), plAXIS_AT_ORIGIN, true), true);

    const CObjectStore& store = CObjectStore::getInstance();
    if (!store.currentResults) {
        showError("No results available for polar plot.");
        return;
    }
    plotPolars(store.currentResults.get(), 0);
    if (m_includeBufferCheck->GetValue()) {
        if (!store.bufferResults) {
            showError("No buffer results available for polar plot.");
            return;
        }
        plotPolars(store.bufferResults.get(), 1);
    }
}

void CMainFrame::plotPolars(const ResultTable* rows, int style)
{
    static const wxPenStyle styles[] = {wxPENSTYLE_SOLID, wxPENSTYLE_LONG_DASH, wxPENSTYLE_DOT, wxPENSTYLE_DOT_DASH};
    static const wxColour* const colours[] = {wxGREEN, wxRED, wxBLUE, wxYELLOW, wxCYAN, wxLIGHT_GREY, wxBLACK};
    const std::size_t colourCount = sizeof colours / sizeof colours[0];

    const std::vector<PolarCurve> curves = polarCurves(*rows);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        auto* curve = new plFXYVector(wxString::Format("TWS=%.1fm/s", curves[k].tws), plNAME_ABOVE_LEFT);
        curve->SetContinuity(true);
        // More wind speeds than colours take the colours again.
        curve->SetPen(wxPen(*colours[k % colourCount], 2, styles[style & 3]));
        curve->SetData(curves[k].x, curves[k].y);
        m_polarPlot->AddLayer(curve, true);
    }
    m_polarPlot->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH), true);
    m_polarPlot->UpdateAll();
    m_polarPlot->Fit();
}

void CMainFrame::OnSaveResultTable(wxCommandEvent&)
{
    const CObjectStore& store = CObjectStore::getInstance();
    if (!store.currentResults) {
        showError("No polar results available to save.");
        return;
    }
    const wxString path = chooseFile(this, "Save Result Table", "CSV files (*.csv)|*.csv|All files (*.*)|*.*",
                                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty())
        return;
    const std::string text = polarCsvText(*store.currentResults, store.resultColumnNames);
    // The failures are reported below in one message of our own.
    wxLogNull noToolkitMessages;
    wxFile file;
    if (!file.Open(path, wxFile::write)) {
        showError("Could not open file for writing.");
        return;
    }
    // Only a file written and closed without error counts as saved.
    const bool written = file.Write(text.data(), text.size()) == text.size();
    if (!file.Close() || !written) {
        showError("Could not write the result table to the file.");
        return;
    }
    wxMessageBox("Result table saved successfully.", "Success", wxOK | wxICON_INFORMATION);
}

void CMainFrame::OnLoadStoredPolar(wxCommandEvent&)
{
    const wxString path =
        chooseFile(this, tr("Open C file"), "CSV files (*.csv;*.CSV)|*.csv;*.CSV", wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (path.empty())
        return;
    std::ifstream in(path.utf8_string());
    if (!in.is_open()) {
        showError("Cannot open file");
        return;
    }
    ResultTable rows;
    std::string error;
    if (!readPolarCsv(in, rows, error)) {
        showError(error);
        return;
    }
    CObjectStore& store = CObjectStore::getInstance();
    if (!store.currentResults)
        store.currentResults = std::make_unique<ResultTable>();
    *store.currentResults = std::move(rows);
}
