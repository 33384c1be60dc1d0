#include "MyApp.h"

#include "CMainFrame.h"
#include "SplashScreen.h"
#include "WxUserInterface.h"

bool MyApp::OnInit()
{
    // The core shows its messages, progress and dialogs through this for the
    // whole life of the program.
    static WxUserInterface windows;
    installUserInterface(&windows);
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
