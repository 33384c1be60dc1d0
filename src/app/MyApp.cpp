#include "MyApp.h"

#include "CMainFrame.h"
#include "SplashScreen.h"

bool MyApp::OnInit()
{
    return startFromSplashScreen() != nullptr;
}

CMainFrame* startFromSplashScreen()
{
    auto* splash = new SplashScreen(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(616, 451), 0);
    wxTheApp->SetTopWindow(splash);
    const int answer = splash->ShowModal();
    splash->Destroy();
    if (answer != wxID_OK)
        return nullptr;

    auto* frame = new CMainFrame(nullptr);
    frame->Show(true);
    wxTheApp->SetTopWindow(frame);
    return frame;
}
