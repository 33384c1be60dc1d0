// What a user meets on GTK: controls whole at the windows' given sizes,
// nothing printed on the terminal, and values that fuzzing found to be lost.

#include <wx/dcclient.h>
#include <wx/grid.h>

#include "MainFrameTest.h"
#include "PolarResults.h"
#include "RunWindows.h"

using GtkLayout = MainFrameTest;

TEST_F(GtkLayout, ControlsWholeNothingPrintedAndNoValueLost)
{
    testing::internal::CaptureStderr();
    auto* opened = new CMainFrame(nullptr);
    opened->Show();
    loadExample();
    frame->m_vppSetupChoice->SetSelection(0);
    menu(ID_RUN_POLAR, wxEVT_BUTTON);
    wxTEST_DIALOG(menu(ID_CALC_HYDRO, wxEVT_BUTTON), wxExpectDismissableModal<ForceRangesDialog>(wxID_CANCEL));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    opened->Destroy();

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

    // Values are written whole (the CSV text after its empty header line), and
    // a project holding a number that is not finite is not saved (the one file
    // chosen is the example loaded).
    EXPECT_EQ(std::stod(polarCsvText({{1e100}}, {}).substr(1)), 1e100);

    addObject("JIB", "J", INFINITY);
    frame->objectStoreChanged();
    select("JIB", "J");
    for (int save : {ID_SAVE_TREE_JSON, ID_SAVE_SELECTION_JSON})
        wxTEST_DIALOG(menu(save),
                      expectError("The member \"Value\" of JIB \"J\" is not a finite number. Nothing has been saved."));
    EXPECT_TRUE(chooserCalls.size() == 1 && frame->storeChanged());
}
