#include "CMainFrame.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/imaglist.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "CObjectStore.h"
#include "DesignObjects.h"
#include "FileChooser.h"
#include "ProjectFile.h"

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
        if (store.findObject(remembered[i].utf8_string(), printSetTypes[i]))
            m_printSetChoices[i]->SetStringSelection(remembered[i]);
        else
            m_printSetChoices[i]->SetSelection(0);
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
    const wxString path = chooseFile(this, _("Save JSON file"), projectWildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty())
        return;
    if (!saveProjectFile(path.utf8_string(), projectJSON(CObjectStore::getInstance()))) {
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

void CMainFrame::OnTreeSelChanging(wxTreeEvent& event)
{
    if (std::find(m_treeNodes.begin(), m_treeNodes.end(), event.GetItem()) != m_treeNodes.end())
        event.Veto();
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

void CMainFrame::OnSaveResultTable(wxCommandEvent&) {}

void CMainFrame::OnLoadStoredPolar(wxCommandEvent&) {}

void CMainFrame::OnPreferences(wxCommandEvent&) {}

void CMainFrame::OnPrintSetChanged(wxCommandEvent&) {}

void CMainFrame::OnReefChanged(wxSpinDoubleEvent&) {}

void CMainFrame::OnRunVPP(wxCommandEvent&) {}

void CMainFrame::OnWriteResultTable(wxCommandEvent&) {}

void CMainFrame::OnMoveResultsToBuffer(wxCommandEvent&) {}

void CMainFrame::OnPlotPolar(wxCommandEvent&) {}

void CMainFrame::OnWriteCompareTable(wxCommandEvent&) {}
