#pragma once
// The application object and its start-up through the splash screen.

#include <wx/app.h>

class CMainFrame;

class MyApp : public wxApp {
public:
    bool OnInit() override;
};

// Shows the splash screen modally. "GO" removes it, opens the main window and
// makes it the top window; any other answer removes it and returns null.
CMainFrame* startFromSplashScreen();
