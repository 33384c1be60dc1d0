#pragma once
// The VPP setup editor: name, wind ranges, start values and bounds of the
// optimisation variables, the active set of objects and two options.

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

class CObjectStore;
class Sulnarsetup;

class VPPDialog : public wxDialog {
public:
    VPPDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size,
              long style);

protected:
    wxStaticText* m_leftMargin;
    wxStaticText* m_nameLabel;
    wxStaticText* m_windHeading;
    wxStaticText* m_windGap;
    wxStaticText* m_boundsHeading;
    wxStaticText* m_boundsGap;
    wxStaticText* m_activeSetHeading;
    wxStaticText* m_activeSetNote;
    wxStaticText* m_mainLabel;
    wxStaticText* m_jibLabel;
    wxStaticText* m_hsfLabel;
    wxStaticText* m_spiLabel;
    wxStaticText* m_rigLabel;
    wxStaticText* m_hullLabel;
    wxStaticText* m_miscHeading;
    wxStdDialogButtonSizer* m_buttons;
    wxButton* m_buttonsOK;
    wxButton* m_buttonsCancel;

public:
    wxTextCtrl* m_name;
    wxGrid* m_windGrid;
    wxGrid* m_boundsGrid;
    wxChoice* m_mainChoice;
    wxChoice* m_jibChoice;
    wxChoice* m_hsfChoice;
    wxChoice* m_spiChoice;
    wxChoice* m_rigChoice;
    wxChoice* m_hullChoice;
    wxCheckBox* m_searchGlobal;
    wxCheckBox* m_jibPoledWindward;
};

// Fills the dialog from the setup; the six choices list "-" and the store's
// objects of their kind in store order.
void fillVPPDialog(VPPDialog& dialog, const Sulnarsetup& setup, const CObjectStore& store);

// Reads the dialog back into the setup after OK. A TWS range of more than 7
// values, or one whose count is not a finite number, is refused with an error
// box and leaves the setup as it was.
void readVPPDialog(const VPPDialog& dialog, Sulnarsetup& setup);

// The editing operation of a setup: the dialog, shown modally, read on OK.
void editSetup(Sulnarsetup& setup);
