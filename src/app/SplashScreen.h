#pragma once
// The welcome dialog shown before the main window: "GO" ends it with wxID_OK,
// "Abort" (or Escape) with wxID_CANCEL.

#include <wx/dialog.h>

class wxStaticBitmap;
class wxStaticText;
class wxButton;

class SplashScreen : public wxDialog {
public:
    SplashScreen(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                 const wxSize& size, long style);

    wxStaticBitmap* m_logo;
    wxStaticText* m_welcomeText;
    wxButton* m_goButton;
    wxButton* m_abortButton;
};
