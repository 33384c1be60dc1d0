#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/splitter.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "MainFrameTest.h"
#include "MyApp.h"
#include "Pictures.h"
#include "SplashScreen.h"

namespace {

using MainWindowLayout = MainFrameTest;

TEST_F(MainWindowLayout, FrameMenusAndPages)
{
    EXPECT_EQ(frame->GetSize(), wxSize(1175, 1011));
    EXPECT_EQ(frame->GetTitle(), "");

    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar, frame->m_menuBar);
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabelText(0), "File");
    EXPECT_EQ(bar->GetMenuLabelText(1), "Objects");
    EXPECT_EQ(bar->GetMenuLabelText(2), "Tools");
    const std::vector<std::pair<int, const char*>> file{
        {6000, "Load JSON File"},           {6001, "Save Selection as JSON"},
        {6002, "Save Entire Tree as JSON"}, {6003, "Delete Selected Object"},
        {6004, "Delete All Objects"},       {6005, "Save Polar Result Table as CSV"},
        {6006, "Load Polar Result Table from CSV"}};
    ASSERT_EQ(frame->m_fileMenu->GetMenuItemCount(), file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        const wxMenuItem* item = frame->m_fileMenu->FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), file[i].first);
        EXPECT_EQ(item->GetItemLabelText(), file[i].second);
        EXPECT_EQ(item->GetKind(), wxITEM_NORMAL);
    }
    ASSERT_EQ(frame->m_objectsMenu->GetMenuItemCount(), 1u);
    EXPECT_EQ(frame->m_objectsMenu->FindItemByPosition(0)->GetId(), 6007);
    EXPECT_EQ(frame->m_objectsMenu->FindItemByPosition(0)->GetItemLabelText(), "Clone Selected Object");
    ASSERT_EQ(frame->m_toolsMenu->GetMenuItemCount(), 1u);
    EXPECT_EQ(frame->m_toolsMenu->FindItemByPosition(0)->GetId(), wxID_PREFERENCES);
    EXPECT_EQ(frame->m_toolsMenu->FindItemByPosition(0)->GetItemLabelText(), "Preferences");

    wxNotebook* notebook = frame->m_notebook;
    ASSERT_EQ(notebook->GetPageCount(), 4u);
    EXPECT_EQ(notebook->GetPageText(0), "Object Browser");
    EXPECT_EQ(notebook->GetPageText(1), "Sail / Lateral Plan");
    EXPECT_EQ(notebook->GetPageText(2), "VPP  Polar");
    EXPECT_EQ(notebook->GetPageText(3), "Compare Results");
    EXPECT_EQ(notebook->GetPage(0), frame->m_objectBrowserPage);
    EXPECT_EQ(notebook->GetPage(1), frame->m_sailPlanPage);
    EXPECT_EQ(notebook->GetPage(2), frame->m_polarPage);
    EXPECT_EQ(notebook->GetPage(3), frame->m_comparePage);
    EXPECT_EQ(notebook->GetSelection(), 2);
}

TEST_F(MainWindowLayout, ControlsIdsAndLabels)
{
    EXPECT_EQ(frame->m_objectStoreLabel->GetLabel(), "Object Store");
    EXPECT_EQ(frame->m_printSetLabel->GetLabel(), "Print Set");
    EXPECT_EQ(frame->m_objectTree->GetWindowStyleFlag() & 0xFFFF, 0x201D);

    const char* rows[] = {"MAIN", "JIB", "SPINNAKER", "Headsail set flying HSF", "RIG", "KeuningHYDRO"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(frame->m_printSetTypeLabels[i]->GetLabel(), rows[i]);
        wxChoice* choice = frame->m_printSetChoices[i];
        EXPECT_EQ(choice->GetId(), 6008);
        ASSERT_EQ(choice->GetCount(), 1u);
        EXPECT_EQ(choice->GetString(0), "-");
        EXPECT_EQ(choice->GetSelection(), 0);
        EXPECT_GE(choice->GetMinSize().x, 100);
    }
    EXPECT_EQ(frame->m_reefFactorLabel->GetLabel(), "Reef Factor:");

    EXPECT_EQ(frame->m_runPolarButton->GetId(), 6010);
    EXPECT_EQ(frame->m_runPolarButton->GetBitmap().GetSize(), wxSize(64, 64));
    EXPECT_EQ(frame->m_runPolarLabel->GetLabel(), "Start Polar Calculation");
    const std::vector<std::tuple<wxWindow*, int, const char*>> buttons{
        {frame->m_calcAeroButton, 6011, "Calc Aero Forces"},
        {frame->m_calcHydroButton, 6012, "Calc Hydro Forces"},
        {frame->m_showResultTableButton, 6013, "Show result table"},
        {frame->m_moveToBufferButton, 6014, "Move to Buffer"},
        {frame->m_plotPolarButton, 6015, "Plot Polar"},
        {frame->m_writeCompareTableButton, 6016, "Write Compare Table"},
        {frame->m_compareModeChoice, 6017, nullptr},
        {frame->m_resultVariableChoice, 6018, nullptr},
        {frame->m_reefFactorSpin, 6009, nullptr}};
    for (const auto& [window, id, label] : buttons) {
        EXPECT_EQ(window->GetId(), id);
        if (label) {
            EXPECT_EQ(window->GetLabel(), label);
        }
    }

    // The three boxes of the polar page and the controls they hold.
    EXPECT_EQ(frame->m_calcAeroButton->GetParent()->GetLabel(), "Start computational  runs");
    EXPECT_EQ(frame->m_vppSetupChoice->GetParent()->GetLabel(), "Select the VPP setup");
    EXPECT_EQ(frame->m_plotPolarButton->GetParent()->GetLabel(), "Polar plot layout");
    EXPECT_EQ(frame->m_radiiMinLabel->GetLabel(), "Radii MIN:");
    EXPECT_EQ(frame->m_radiiMaxLabel->GetLabel(), "MAX:");
    EXPECT_EQ(frame->m_radiiIncLabel->GetLabel(), "INC:");
    EXPECT_EQ(frame->m_majorTickLabel->GetLabel(), "Angle Mayor Ticks:");
    EXPECT_EQ(frame->m_minorTickLabel->GetLabel(), "Angle Minor Ticks");
    EXPECT_EQ(frame->m_includeBufferCheck->GetLabel(), "Include Buffer");
    EXPECT_EQ(frame->m_compareModeLabel->GetLabel(), "Compare Modus:");
    EXPECT_EQ(frame->m_variableLabel->GetLabel(), "Variable:");
    EXPECT_EQ(frame->m_polarTopBar->GetLabel(), "");
    EXPECT_EQ(frame->m_setupBlankText->GetLabel(), "");

    // Windows that no handler tells apart have ids of their own choosing.
    for (wxWindow* window : {static_cast<wxWindow*>(frame->m_vppSetupChoice), static_cast<wxWindow*>(frame->m_radiiMinSpin),
                             static_cast<wxWindow*>(frame->m_majorTickSpin), static_cast<wxWindow*>(frame->m_includeBufferCheck)})
        EXPECT_LT(window->GetId(), 0);

    EXPECT_TRUE(frame->m_objectInfoText->IsMultiLine());
    EXPECT_FALSE(frame->m_objectInfoText->IsEditable());
    EXPECT_EQ(frame->m_objectInfoText->GetValue(), "");
}

TEST_F(MainWindowLayout, DefaultsOfChoicesAndSpins)
{
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetValue(), 1.0);
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetMax(), 1.0);
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetIncrement(), 0.05);
    EXPECT_EQ(frame->m_reefFactorSpin->GetDigits(), 2u);
    EXPECT_EQ(frame->m_reefFactorSpin->GetTextValue(), "1.00");

    const std::vector<std::pair<wxSpinCtrlDouble*, double>> radii{
        {frame->m_radiiMinSpin, 2.0}, {frame->m_radiiMaxSpin, 8.0}, {frame->m_radiiIncSpin, 2.0}};
    for (const auto& [spin, value] : radii) {
        EXPECT_DOUBLE_EQ(spin->GetValue(), value);
        EXPECT_DOUBLE_EQ(spin->GetMin(), 0.0);
        EXPECT_DOUBLE_EQ(spin->GetMax(), 20.0);
        EXPECT_DOUBLE_EQ(spin->GetIncrement(), 1.0);
        EXPECT_EQ(spin->GetDigits(), 1u);
    }
    EXPECT_EQ(frame->m_radiiMaxSpin->GetTextValue(), "8.0");
    EXPECT_EQ(frame->m_majorTickSpin->GetValue(), 30);
    EXPECT_EQ(frame->m_majorTickSpin->GetMin(), 10);
    EXPECT_EQ(frame->m_majorTickSpin->GetMax(), 90);
    EXPECT_EQ(frame->m_minorTickSpin->GetValue(), 5);
    EXPECT_EQ(frame->m_minorTickSpin->GetMin(), 1);
    EXPECT_EQ(frame->m_minorTickSpin->GetMax(), 10);
    EXPECT_FALSE(frame->m_includeBufferCheck->GetValue());

    // The reef factor stops at its ends.
    frame->m_reefFactorSpin->SetValue(1.5);
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetValue(), 1.0);
    frame->m_reefFactorSpin->SetValue(-0.5);
    EXPECT_DOUBLE_EQ(frame->m_reefFactorSpin->GetValue(), 0.0);

    const char* modes[] = {"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"};
    ASSERT_EQ(frame->m_compareModeChoice->GetCount(), 4u);
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(frame->m_compareModeChoice->GetString(i), modes[i]);
    EXPECT_EQ(frame->m_compareModeChoice->GetStringSelection(), "Current Results");

    // The variable list holds the polar result columns; nothing is selected.
    const auto& columns = store().resultColumnNames;
    ASSERT_EQ(frame->m_resultVariableChoice->GetCount(), columns.size());
    for (unsigned i = 0; i < columns.size(); ++i)
        EXPECT_EQ(frame->m_resultVariableChoice->GetString(i), columns[i]);
    EXPECT_EQ(frame->m_resultVariableChoice->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(frame->m_vppSetupChoice->GetCount(), 0u);
    EXPECT_EQ(frame->m_vppSetupChoice->GetSelection(), wxNOT_FOUND);
}

TEST_F(MainWindowLayout, SashesArePlacedOnceAndFollowTheirGravity)
{
    pumpEvents(300);
    EXPECT_EQ(frame->m_splitter1->GetSashPosition(), 306);
    EXPECT_EQ(frame->m_splitter2->GetSashPosition(), 661);
    EXPECT_EQ(frame->m_splitter1->GetMinimumPaneSize(), 300);
    EXPECT_EQ(frame->m_splitter1->GetSplitMode(), wxSPLIT_VERTICAL);
    EXPECT_EQ(frame->m_splitter2->GetSplitMode(), wxSPLIT_HORIZONTAL);
    EXPECT_EQ(frame->m_splitter1->GetWindow1(), frame->m_leftPanel);
    EXPECT_EQ(frame->m_splitter1->GetWindow2(), frame->m_rightPanel);
    EXPECT_EQ(frame->m_splitter2->GetWindow1(), frame->m_objectStorePanel);
    EXPECT_EQ(frame->m_splitter2->GetWindow2(), frame->m_printSetPanel);

    // A sash the user moves stays; resizing changes only the right area and the tree pane.
    frame->m_splitter1->SetSashPosition(400);
    const int printSetHeight = frame->m_printSetPanel->GetSize().y;
    frame->SetSize(wxSize(1275, 1061));
    pumpEvents(300);
    EXPECT_EQ(frame->m_splitter1->GetSashPosition(), 400);
    EXPECT_EQ(frame->m_printSetPanel->GetSize().y, printSetHeight);

    // The outer sash keeps both sides at least 300 pixels wide.
    frame->m_splitter1->SetSashPosition(100);
    pumpEvents(100);
    EXPECT_GE(frame->m_splitter1->GetSashPosition(), 300);
}

TEST_F(MainWindowLayout, ObjectBrowserHalvesItsPage)
{
    frame->m_notebook->SetSelection(0);
    pumpEvents(200);
    const wxSize text = frame->m_objectInfoText->GetSize();
    const wxSize plot = frame->m_browserPlotPanel->GetSize();
    EXPECT_GT(text.y, 100);
    EXPECT_EQ(text.y, plot.y);
    EXPECT_EQ(frame->m_browserPlotPanel->GetParent(), frame->m_objectBrowserPage);
    EXPECT_NE(frame->m_polarOutputPanel->GetSizer(), nullptr);
    EXPECT_NE(frame->m_compareOutputPanel->GetSizer(), nullptr);
    EXPECT_NE(frame->m_sailPlanPage->GetSizer(), nullptr);
}

TEST(Pictures, RunButtonAndLogoAreBuiltOnce)
{
    const wxBitmap& run = RUN_bmp_to_wx_bitmap();
    EXPECT_EQ(&run, &RUN_bmp_to_wx_bitmap());
    ASSERT_TRUE(run.IsOk());
    EXPECT_EQ(run.GetSize(), wxSize(64, 64));
    // White background, red triangle in the middle.
    const wxImage runImage = run.ConvertToImage();
    EXPECT_EQ(runImage.GetRed(1, 1), 255);
    EXPECT_EQ(runImage.GetGreen(1, 1), 255);
    EXPECT_EQ(runImage.GetRed(30, 32), 255);
    EXPECT_EQ(runImage.GetGreen(30, 32), 0);

    const wxBitmap& logo = Sulnar_bmp_to_wx_bitmap();
    EXPECT_EQ(&logo, &Sulnar_bmp_to_wx_bitmap());
    ASSERT_TRUE(logo.IsOk());
    EXPECT_EQ(logo.GetSize(), wxSize(596, 338));
}

TEST(Splash, LayoutOfTheWelcomeDialog)
{
    auto* splash = new SplashScreen(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(616, 451), 0);
    EXPECT_EQ(splash->m_welcomeText->GetLabel(), "Welcome to Sulnar 1.0");
    EXPECT_EQ(splash->m_goButton->GetId(), wxID_OK);
    EXPECT_EQ(splash->m_goButton->GetLabel(), "GO");
    EXPECT_EQ(splash->m_abortButton->GetId(), wxID_CANCEL);
    EXPECT_EQ(splash->m_abortButton->GetLabel(), "Abort");
    EXPECT_EQ(splash->m_logo->GetBitmap().GetSize(), wxSize(596, 338));
    EXPECT_FALSE(splash->HasFlag(wxCAPTION));
    splash->Destroy();
}

TEST(Splash, AbortOpensNothing)
{
    const std::size_t windows = wxTopLevelWindows.GetCount();
    CMainFrame* frame = reinterpret_cast<CMainFrame*>(1);
    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_CANCEL).Describe("splash"));
    EXPECT_EQ(frame, nullptr);
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessIdle();
        pumpEvents(10);
    }
    EXPECT_EQ(wxTopLevelWindows.GetCount(), windows);
}

TEST(Splash, GoOpensTheMainWindowAsTopWindow)
{
    CMainFrame* frame = nullptr;
    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_OK).Describe("splash"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(wxTheApp->GetTopWindow(), frame);
    EXPECT_FALSE(frame->storeChanged());
    frame->Close(true);
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessIdle();
        pumpEvents(10);
    }
}

} // namespace
