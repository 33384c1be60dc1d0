#pragma once
// The main window's behaviour: the object tree and the choices that list the
// store's objects, the change flag and the close question, the object
// commands and the project files.

#include <array>
#include <string>

#include <wx/treebase.h>

#include "CMasterFrame.h"

#include "CObjectStore.h"

class CObject;
class plWindow;
class wxImageList;
class wxTreeEvent;
class wxSpinDoubleEvent;

class CMainFrame : public CMasterFrame {
public:
    explicit CMainFrame(wxWindow* parent);
    ~CMainFrame() override;

    // Rebuilds the object tree, the Print Set choices and the setup choice from
    // the store and marks the store changed. Call it after every change to the
    // set of design objects or to an object's contents.
    void objectStoreChanged();

    // True when the store differs from what was last saved or loaded.
    bool storeChanged() const { return m_storeChanged; }

    // The selected leaf of the tree, or an invalid id when nothing is selected.
    wxTreeItemId selectedItem() const;

    // The tree nodes in the order root, "Sails", "MAIN", "JIB", "SPI", "HSF",
    // "KeuningHYDRO", "RIG", "VPPsetup"; replaced at every rebuild.
    const std::array<wxTreeItemId, 9>& treeNodes() const { return m_treeNodes; }

    // Shows a result table as a grid in the output panel of "VPP  Polar",
    // one column per name; a null table gives a message and changes nothing.
    void writeResultTable(const ResultTable* rows, std::vector<std::string> names);
    // Draws one curve per true wind speed of a polar table into the polar
    // diagram, with pens of the given style row, and a legend.
    void plotPolars(const ResultTable* rows, int style);

    // What the output panel of "VPP  Polar" shows: the result grid's panel or
    // the polar diagram, at most one of them; null when not shown.
    wxPanel* resultTablePanel() const { return m_resultTablePanel; }
    plWindow* polarPlot() const { return m_polarPlot; }
    // The panel of the compare table last written, or null.
    wxPanel* compareTablePanel() const { return m_compareTablePanel; }
    // The preview of the selected object and the sail and lateral plan; null
    // until first drawn.
    plWindow* browserPlot() const { return m_browserPlot; }
    plWindow* sailPlanPlot() const { return m_sailPlanPlot; }

private:
    // Project files.
    void OnLoadJSONMenuItemClicked(wxCommandEvent& event);
    void OnSaveEntireTree2JSON(wxCommandEvent& event);
    void OnSaveSelection2JSON(wxCommandEvent& event);

    // Object commands.
    void OnTreeItemActivated(wxTreeEvent& event);
    void OnDeleteSelectedObject(wxCommandEvent& event);
    void OnDeleteAllObjects(wxCommandEvent& event);
    void OnCloneSelectedObject(wxCommandEvent& event);

    // Only objects can be selected in the tree, never the root or a category
    // node; a selected object is previewed.
    void OnTreeSelChanging(wxTreeEvent& event);
    void showPreview(const wxTreeItemId& item);
    void drawSailPlan();

    void OnClose(wxCloseEvent& event);

    // Runs, result tables, plots, preferences and the sail plan.
    void OnSaveResultTable(wxCommandEvent& event);
    void OnLoadStoredPolar(wxCommandEvent& event);
    void OnPreferences(wxCommandEvent& event);
    void OnPrintSetChanged(wxCommandEvent& event);
    void OnReefChanged(wxSpinDoubleEvent& event);
    void OnRunVPP(wxCommandEvent& event);
    void OnWriteResultTable(wxCommandEvent& event);
    void OnMoveResultsToBuffer(wxCommandEvent& event);
    void OnPlotPolar(wxCommandEvent& event);
    void OnWriteCompareTable(wxCommandEvent& event);

    // The object of a tree item: its text is the name, its parent's text the type key.
    CObject* objectOfItem(const wxTreeItemId& item) const;
    std::string parentText(const wxTreeItemId& item) const;

    // Removes the result grid and the polar diagram from the output panel.
    void clearPolarOutput();

    bool m_storeChanged = false;
    wxPanel* m_resultTablePanel = nullptr;
    plWindow* m_polarPlot = nullptr;
    wxPanel* m_compareTablePanel = nullptr;
    plWindow* m_browserPlot = nullptr;
    plWindow* m_sailPlanPlot = nullptr;
    wxImageList* m_treeImages = nullptr;
    std::array<wxTreeItemId, 9> m_treeNodes;

    wxDECLARE_EVENT_TABLE();
};
