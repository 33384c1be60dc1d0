#include "SplashScreen.h"

#include <wx/button.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "Pictures.h"

SplashScreen::SplashScreen(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                           const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);

    auto* grid = new wxFlexGridSizer(0, 1, 0, 0);
    grid->SetFlexibleDirection(wxBOTH);
    grid->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);

    m_logo = new wxStaticBitmap(this, wxID_ANY, Sulnar_bmp_to_wx_bitmap(), wxDefaultPosition, wxDefaultSize, 0);
    grid->Add(m_logo, 0, wxALL, 5);

    auto* welcomeRow = new wxBoxSizer(wxHORIZONTAL);
    m_welcomeText = new wxStaticText(this, wxID_ANY, _("Welcome to Sulnar 1.0"), wxDefaultPosition, wxDefaultSize, 0);
    m_welcomeText->Wrap(-1);
    m_welcomeText->SetFont(wxFont(20, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, wxEmptyString));
    welcomeRow->Add(m_welcomeText, 0, 0, 5);
    welcomeRow->Add(0, 0, 1, wxEXPAND, 5);
    grid->Add(welcomeRow, 1, wxEXPAND, 5);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    m_goButton = new wxButton(this, wxID_OK, _("GO"), wxDefaultPosition, wxSize(100, 50), 0);
    m_goButton->SetFont(wxFont(20, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, wxEmptyString));
    m_goButton->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    buttonRow->Add(m_goButton, 0, wxALL, 5);
    buttonRow->Add(0, 0, 1, wxEXPAND, 5);
    m_abortButton = new wxButton(this, wxID_CANCEL, _("Abort"));
    buttonRow->Add(m_abortButton, 0, wxALL, 5);
    grid->Add(buttonRow, 1, wxEXPAND, 5);

    SetSizer(grid);
    Layout();
    Centre(wxBOTH);
}
