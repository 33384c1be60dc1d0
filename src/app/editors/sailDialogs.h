#pragma once
// The editors of the main sail, jib, spinnaker, headsail set flying and rig:
// passive forms whose public controls the editing operation fills and reads.

#include <wx/dialog.h>

class wxCheckBox;
class wxChoice;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxStaticBitmap;
class wxTextCtrl;

class mainDialog : public wxDialog {
public:
    mainDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
               long style);

    wxStaticBitmap* m_drawing;
    wxTextCtrl* m_nameText;
    wxSpinCtrlDouble* m_pSpin;
    wxSpinCtrlDouble* m_eSpin;
    wxSpinCtrlDouble* m_mqwSpin;
    wxSpinCtrlDouble* m_mhwSpin;
    wxSpinCtrlDouble* m_mtwSpin;
    wxSpinCtrlDouble* m_muwSpin;
    wxSpinCtrlDouble* m_mhbSpin;
    wxCheckBox* m_ltmCheck;
    wxChoice* m_adjustabilityChoice;
};

class jibDialog : public wxDialog {
public:
    jibDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
              long style);

    wxStaticBitmap* m_drawing;
    wxTextCtrl* m_nameText;
    wxSpinCtrlDouble* m_hluMinSpin;
    wxSpinCtrlDouble* m_hluMaxSpin;
    wxSpinCtrlDouble* m_hlpMinSpin;
    wxSpinCtrlDouble* m_hlpMaxSpin;
    wxSpinCtrlDouble* m_hqwSpin;
    wxSpinCtrlDouble* m_hhwSpin;
    wxSpinCtrlDouble* m_htwSpin;
    wxSpinCtrlDouble* m_huwSpin;
    wxSpinCtrlDouble* m_hhbSpin;
    wxCheckBox* m_ltmCheck;
    wxCheckBox* m_sfjCheck;
    wxChoice* m_adjustabilityChoice;
};

class spiDialog : public wxDialog {
public:
    spiDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
              long style);

    wxStaticBitmap* m_drawing;
    wxTextCtrl* m_nameText;
    wxChoice* m_typeChoice;
    wxSpinCtrlDouble* m_sluSpin;
    wxSpinCtrlDouble* m_sleSpin;
    wxSpinCtrlDouble* m_sflSpin;
    wxSpinCtrlDouble* m_shwSpin;
    wxSpinCtrlDouble* m_splSpin;
};

class hsfDialog : public wxDialog {
public:
    hsfDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
              long style);

    wxStaticBitmap* m_drawing;
    wxTextCtrl* m_nameText;
    wxSpinCtrlDouble* m_hluSpin;
    wxSpinCtrlDouble* m_hlpSpin;
    wxSpinCtrlDouble* m_hqwSpin;
    wxSpinCtrlDouble* m_hhwSpin;
    wxSpinCtrlDouble* m_htwSpin;
    wxSpinCtrlDouble* m_huwSpin;
    wxSpinCtrlDouble* m_hhbSpin;
    wxCheckBox* m_battensCheck;
};

class rigDialog : public wxDialog {
public:
    rigDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
              long style);

    wxStaticBitmap* m_drawing;
    wxTextCtrl* m_nameText;
    wxSpinCtrlDouble* m_dwSpin;
    wxSpinCtrlDouble* m_bdSpin;
    wxSpinCtrlDouble* m_igSpin;
    wxSpinCtrlDouble* m_ispSpin;
    wxSpinCtrlDouble* m_basSpin;
    wxSpinCtrlDouble* m_jSpin;
    wxSpinCtrlDouble* m_hdSpin;
    wxSpinCtrlDouble* m_tpsSpin;
    wxSpinCtrlDouble* m_boaSpin;
    wxSpinCtrlDouble* m_loaSpin;
    wxSpinCtrlDouble* m_mwSpin;
    wxSpinCtrlDouble* m_mlSpin;
    wxSpinCtrlDouble* m_mhSpin;
    wxSpinCtrl* m_spreadersSpin;
};
