#pragma once
// Layout of the main window: the menus, the splitters with the object tree
// and the Print Set, and the notebook with its four pages. The behaviour is
// in the derived CMainFrame, which reaches every control through these members.

#include <array>

#include <wx/frame.h>

class wxMenuBar;
class wxMenu;
class wxSplitterWindow;
class wxPanel;
class wxStaticText;
class wxTreeCtrl;
class wxChoice;
class wxNotebook;
class wxTextCtrl;
class wxBitmapButton;
class wxButton;
class wxSpinCtrlDouble;
class wxSpinCtrl;
class wxCheckBox;
class wxIdleEvent;

// Fixed ids of the menu items and controls that the event table tells apart.
enum MainWindowId {
    ID_LOAD_JSON = 6000,
    ID_SAVE_SELECTION_JSON = 6001,
    ID_SAVE_TREE_JSON = 6002,
    ID_DELETE_SELECTED = 6003,
    ID_DELETE_ALL = 6004,
    ID_SAVE_RESULT_CSV = 6005,
    ID_LOAD_RESULT_CSV = 6006,
    ID_CLONE_SELECTED = 6007,
    ID_PRINT_SET_CHOICE = 6008,
    ID_REEF_FACTOR = 6009,
    ID_RUN_POLAR = 6010,
    ID_CALC_AERO = 6011,
    ID_CALC_HYDRO = 6012,
    ID_SHOW_RESULT_TABLE = 6013,
    ID_MOVE_TO_BUFFER = 6014,
    ID_PLOT_POLAR = 6015,
    ID_WRITE_COMPARE_TABLE = 6016,
    ID_COMPARE_MODE = 6017,
    ID_RESULT_VARIABLE = 6018,
};

class CMasterFrame : public wxFrame {
public:
    CMasterFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
                 long style);
    ~CMasterFrame() override;

    // Sash positions that the idle handlers set once, when the window is laid out.
    static constexpr int leftColumnSash = 306;
    static constexpr int printSetSash = 661;

    wxMenuBar* m_menuBar;
    wxMenu* m_fileMenu;
    wxMenu* m_objectsMenu;
    wxMenu* m_toolsMenu;
    wxSplitterWindow* m_splitter1;
    wxPanel* m_leftPanel;
    wxSplitterWindow* m_splitter2;
    wxPanel* m_objectStorePanel;
    wxStaticText* m_objectStoreLabel;
    wxTreeCtrl* m_objectTree;
    wxPanel* m_printSetPanel;
    wxStaticText* m_printSetLabel;
    wxPanel* m_printSetGridPanel;
    // Rows MAIN, JIB, SPI, HSF, RIG, KeuningHYDRO.
    std::array<wxStaticText*, 6> m_printSetTypeLabels;
    std::array<wxChoice*, 6> m_printSetChoices;
    wxStaticText* m_reefFactorLabel;
    wxPanel* m_rightPanel;
    wxNotebook* m_notebook;
    wxPanel* m_objectBrowserPage;
    wxTextCtrl* m_objectInfoText;
    wxPanel* m_browserPlotPanel;
    wxPanel* m_sailPlanPage;
    wxPanel* m_polarPage;
    wxStaticText* m_polarTopBar;
    wxBitmapButton* m_runPolarButton;
    wxStaticText* m_runPolarLabel;
    wxButton* m_calcAeroButton;
    wxButton* m_calcHydroButton;
    wxChoice* m_vppSetupChoice;
    wxStaticText* m_setupBlankText;
    wxButton* m_showResultTableButton;
    wxButton* m_moveToBufferButton;
    wxStaticText* m_radiiMinLabel;
    wxSpinCtrlDouble* m_radiiMinSpin;
    wxStaticText* m_radiiMaxLabel;
    wxSpinCtrlDouble* m_radiiMaxSpin;
    wxStaticText* m_radiiIncLabel;
    wxSpinCtrlDouble* m_radiiIncSpin;
    wxStaticText* m_majorTickLabel;
    wxSpinCtrl* m_majorTickSpin;
    wxStaticText* m_minorTickLabel;
    wxSpinCtrl* m_minorTickSpin;
    wxButton* m_plotPolarButton;
    wxCheckBox* m_includeBufferCheck;
    wxStaticText* m_polarBottomBar;
    wxPanel* m_polarOutputPanel;
    wxPanel* m_comparePage;
    wxStaticText* m_compareTopBar;
    wxButton* m_writeCompareTableButton;
    wxStaticText* m_compareModeLabel;
    wxChoice* m_compareModeChoice;
    wxStaticText* m_variableLabel;
    wxChoice* m_resultVariableChoice;
    wxStaticText* m_compareBottomBar;
    wxPanel* m_compareOutputPanel;
    wxSpinCtrlDouble* m_reefFactorSpin;

protected:
    // Passes the close event on to the derived class's handler.
    virtual void OnExit(wxCloseEvent& event);

    void m_splitter1OnIdle(wxIdleEvent& event);
    void m_splitter2OnIdle(wxIdleEvent& event);

private:
    void buildMenus();
    void buildLeftColumn();
    void buildObjectBrowserPage();
    void buildPolarPage();
    void buildComparePage();
};
