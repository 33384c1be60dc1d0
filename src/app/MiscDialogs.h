#pragma once
// The preferences dialog: the leeway and heel of the hull's second resistance
// curve in the object browser, and the number of global guesses of a run.

#include <wx/dialog.h>

class CObjectStore;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxStaticText;
class wxStdDialogButtonSizer;
class wxButton;

class PreferencesDialog : public wxDialog {
public:
    PreferencesDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                      const wxSize& size, long style);

    wxStaticText* m_leewayLabel;
    wxStaticText* m_heelLabel;
    wxStaticText* m_globalGuessesLabel;
    wxStdDialogButtonSizer* m_buttonSizer;
    wxButton* m_buttonSizerOK;
    wxButton* m_buttonSizerCancel;
    wxSpinCtrlDouble* m_leewaySpin;
    wxSpinCtrlDouble* m_heelSpin;
    wxSpinCtrl* m_globalGuessesSpin;
};

// Shows the store's three preferences in the dialog's spin controls.
void fillPreferences(PreferencesDialog& dialog, const CObjectStore& store);
// Writes the spin controls' values into the store.
void readPreferences(const PreferencesDialog& dialog, CObjectStore& store);
