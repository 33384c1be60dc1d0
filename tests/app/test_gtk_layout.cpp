// What a user meets on GTK at the windows' given sizes: controls shown whole,
// and nothing printed on a terminal by starting the program or running a polar.

#include <cstdio>
#include <functional>

#include <unistd.h>

#include <wx/dcclient.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "MainFrameTest.h"
#include "MyApp.h"
#include "RunWindows.h"
#include "SplashScreen.h"

namespace {

// Everything written to the standard error stream while `action` runs.
std::string stderrOf(const std::function<void()>& action)
{
    std::fflush(stderr);
    FILE* file = std::tmpfile();
    const int saved = ::dup(2);
    ::dup2(::fileno(file), 2);
    action();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

wxRect onScreen(const wxWindow* window)
{
    return {window->GetScreenPosition(), window->GetSize()};
}

int textWidth(const wxWindow* window, const wxString& text)
{
    return window->GetTextExtent(text).x;
}

using GtkLayout = MainFrameTest;

TEST_F(GtkLayout, EveryControlOfThePolarBoxesIsWhole)
{
    loadExample();
    pumpEvents(100);
    const wxRect client(frame->ClientToScreen(wxPoint(0, 0)), frame->GetClientSize());
    for (wxWindow* box : {frame->m_runPolarButton->GetParent(), frame->m_vppSetupChoice->GetParent(),
                          frame->m_radiiMinSpin->GetParent()}) {
        EXPECT_TRUE(client.Contains(onScreen(box))) << box->GetLabel();
        for (const wxWindow* control : box->GetChildren())
            EXPECT_TRUE(onScreen(box).Contains(onScreen(control))) << box->GetLabel() << ": " << control->GetLabel();
    }
    // Every spin control is at least as wide as its values need.
    const std::pair<wxControl*, const char*> spins[] = {{frame->m_radiiMinSpin, "20.0"},
        {frame->m_radiiMaxSpin, "20.0"}, {frame->m_radiiIncSpin, "20.0"}, {frame->m_majorTickSpin, "90"},
        {frame->m_minorTickSpin, "10"}};
    for (const auto& [spin, widest] : spins)
        EXPECT_GE(spin->GetSize().x, spin->GetSizeFromTextSize(textWidth(spin, widest)).x) << widest;
    wxChoice* setups = frame->m_vppSetupChoice;
    EXPECT_GE(setups->GetSize().x, setups->GetSizeFromTextSize(textWidth(setups, "Upwind with jib")).x);
}

TEST(Terminal, StartingOpeningAndAPolarRunPrintNoCriticals)
{
    CObjectStore::resetInstance();
    WxUserInterface windows;
    UserInterface* previous = installUserInterface(&windows);
    const FileChooser previousChooser =
        setFileChooser([](wxWindow*, const wxString&, const wxString&, long) { return SULNAR_EXAMPLES_DIR "/sulnar-example.json"; });
    CMainFrame* frame = nullptr;
    const std::string printed = stderrOf([&] {
        wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_OK));
        pumpEvents(300);
        wxCommandEvent load(wxEVT_MENU, ID_LOAD_JSON);
        frame->GetEventHandler()->ProcessEvent(load);
        frame->m_vppSetupChoice->SetSelection(0);
        wxCommandEvent run(wxEVT_BUTTON, ID_RUN_POLAR);
        frame->GetEventHandler()->ProcessEvent(run);
        pumpEvents(300);
    });
    EXPECT_NE(CObjectStore::getInstance().currentResults, nullptr);
    EXPECT_EQ(printed.find("Gtk-CRITICAL"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("Negative content width"), std::string::npos) << printed;
    frame->Close(true);
    finishDestruction();
    setFileChooser(previousChooser);
    installUserInterface(previous);
    CObjectStore::resetInstance();
}

TEST(RunWindowLayout, LabelsWholeAndTheGaugeWhereItIsPut)
{
    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    wxClientDC dc(dialog.rangesGrid);
    dc.SetFont(dialog.rangesGrid->GetLabelFont());
    for (int row = 0; row < 4; ++row)
        EXPECT_GT(dialog.rangesGrid->GetRowLabelSize(), dc.GetTextExtent(dialog.rangesGrid->GetRowLabelValue(row)).x);

    // A window manager's resize lays the frame out again.
    auto* gauges = new GaugeFrame(nullptr);
    gauges->SendSizeEvent();
    pumpEvents(50);
    EXPECT_EQ(gauges->gauge->GetPosition(), wxPoint(20, 20));
    EXPECT_EQ(gauges->gauge->GetSize(), wxSize(250, 30));
    gauges->Destroy();
    finishDestruction();
}

TEST_F(GtkLayout, HydroColumnsAreAsWideAsTheirLabels)
{
    loadExample();
    frame->m_vppSetupChoice->SetSelection(0);
    wxTEST_DIALOG(menu(ID_CALC_HYDRO, wxEVT_BUTTON), wxExpectDismissableModal<ForceRangesDialog>(wxID_CANCEL));
    auto* grid = dynamic_cast<wxGrid*>(frame->resultTablePanel()->GetChildren().GetFirst()->GetData());
    ASSERT_NE(grid, nullptr);
    wxClientDC dc(grid);
    dc.SetFont(grid->GetLabelFont());
    for (int col = 0; col < grid->GetNumberCols(); ++col)
        EXPECT_GT(grid->GetColSize(col), dc.GetTextExtent(grid->GetColLabelValue(col)).x) << col;
}

} // namespace
