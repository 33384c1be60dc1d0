#pragma once
// Layout of the hull editor: six headed sections on one scrolled panel (hull,
// keel and rudder dimensions, heeled principal dimensions, righting moment,
// Munk moment data). The handlers of the estimate buttons and of the
// tabulated-dimensions check box do nothing here; mykeuningHYDRODialog
// overrides them.

#include <array>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

class keuningHYDRODialog : public wxDialog {
public:
    keuningHYDRODialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                       const wxSize& size, long style);

    // Positions of the canoe body's numbers among the dimension controls.
    enum DimensionRow { rowVc, rowTc, rowLwl, rowBwl, rowSc, rowAx };

    // Lets the scrolled panel take the size of what it holds after a grid grew.
    void fitPanel() { m_panel->FitInside(); }

protected:
    virtual void OnEstimateSc(wxCommandEvent& event) { event.Skip(); }
    virtual void OnUseTabHeeledDims(wxCommandEvent& event) { event.Skip(); }
    virtual void OnEstimateHeeledDims(wxCommandEvent& event) { event.Skip(); }

    wxScrolledWindow* m_panel;
    wxStdDialogButtonSizer* m_buttons;
    wxButton* m_buttonsOK;
    wxButton* m_buttonsCancel;

public:
    wxTextCtrl* m_name;
    wxButton* m_estimateScButton;
    // The hull, keel and rudder numbers in row order, "Vc" to "VCE_r".
    std::array<wxSpinCtrlDouble*, 31> m_dimensions;
    wxCheckBox* m_useTabulatedHeeledDims;
    wxButton* m_estimateHeeledDimsButton;
    wxGrid* m_heeledGrid;
    // "mCrew", "yCrewMax", "maxRightingMoment".
    std::array<wxSpinCtrlDouble*, 3> m_righting;
    wxGrid* m_rightingArmGrid;
    wxCheckBox* m_munk;
    wxSpinCtrlDouble* m_lateralArea;
    wxGrid* m_formFactorGrid;
};
