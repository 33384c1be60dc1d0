// What a user meets on GTK: controls whole at the windows' given sizes,
// nothing printed on the terminal, and files that fuzzing found to lose data.

#include <wx/dcclient.h>
#include <wx/grid.h>

#include "DesignObjects.h"
#include "MainFrameTest.h"
#include "PolarResults.h"
#include "ProjectFile.h"
#include "RunWindows.h"

namespace {

using GtkLayout = MainFrameTest;

TEST_F(GtkLayout, ControlsWholeAndNothingPrintedWhileOpeningAndRunning)
{
    testing::internal::CaptureStderr();
    auto* opened = new CMainFrame(nullptr);
    opened->Show();
    pumpEvents(100);
    opened->Destroy();
    loadExample();
    frame->m_vppSetupChoice->SetSelection(0);
    menu(ID_RUN_POLAR, wxEVT_BUTTON);
    wxTEST_DIALOG(menu(ID_CALC_HYDRO, wxEVT_BUTTON), wxExpectDismissableModal<ForceRangesDialog>(wxID_CANCEL));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    auto* grid = dynamic_cast<wxGrid*>(frame->resultTablePanel()->GetChildren()[0]);
    wxClientDC dc(grid);
    dc.SetFont(grid->GetLabelFont());
    for (int col = 0; col < grid->GetNumberCols(); ++col)
        EXPECT_GT(grid->GetColSize(col), dc.GetTextExtent(grid->GetColLabelValue(col)).x);
    const auto onScreen = [](const wxWindow* w) { return wxRect(w->GetScreenPosition(), w->GetSize()); };
    for (wxWindow* box : {frame->m_runPolarLabel->GetParent(), frame->m_vppSetupChoice->GetParent(),
                          frame->m_radiiMinLabel->GetParent()}) {
        EXPECT_TRUE(wxRect(frame->GetScreenPosition(), frame->GetClientSize()).Contains(onScreen(box)));
        for (const wxWindow* control : box->GetChildren())
            EXPECT_TRUE(onScreen(box).Contains(onScreen(control)) && control->GetSize().x >= control->GetBestSize().x)
                << control->GetLabel();
    }

    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    EXPECT_GT(dialog.rangesGrid->GetRowLabelSize(), dc.GetTextExtent(wxString::FromUTF8("Rudder Angle [°]:")).x);
    auto* progress = new GaugeFrame(nullptr);
    progress->SendSizeEvent();
    EXPECT_EQ(progress->gauge->GetRect(), wxRect(20, 20, 250, 30));
    progress->Destroy();
}

TEST_F(GtkLayout, FuzzedFilesComeBackWholeOrAreRefused)
{
    for (const char* name : {"a /* b", "c */ d"})
        addObject("MAIN", name);
    CObjectStore loaded;
    readProject(projectJSON(store()).dump(), loaded, createDesignObject, [](const std::string&) {});
    EXPECT_EQ(loaded.objects.size(), 2u);
    std::istringstream csv(polarCsvText({polarRow(4, 40, 1e100)}, {}));
    ResultTable rows;
    std::string error;
    EXPECT_TRUE(readPolarCsv(csv, rows, error) && rows[0][3] == 1e100);

    addObject("JIB", "J", INFINITY);
    frame->objectStoreChanged();
    select("JIB", "J");
    const std::string refused = "The member \"Value\" of JIB \"J\" is not a finite number. Nothing has been saved.";
    wxTEST_DIALOG(menu(ID_SAVE_TREE_JSON), expectError(refused));
    wxTEST_DIALOG(menu(ID_SAVE_SELECTION_JSON), expectError(refused));
    EXPECT_TRUE(chooserCalls.empty() && frame->storeChanged());
}

} // namespace
