#include "GuiTest.h"

#include <wx/dcclient.h>

#include "CObjectStore.h"
#include "RunWindows.h"
#include "WxUserInterface.h"

namespace {

TEST(RunWindows, RangeDialogShowsWritesAndKeepsRanges)
{
    CObjectStore store;
    WxUserInterface ui;
    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    wxGrid* grid = dialog.rangesGrid;
    store.rudderRange = {-1, 1, 0.5};
    fillForceRanges(dialog, store);
    wxString shown;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            shown << grid->GetCellValue(row, col) << (col < 2 ? " " : ";");
    EXPECT_EQ(shown, "1.000000 6.000000 1.000000;0.000000 0.000000 2.000000;0.000000 0.000000 30.000000;"
                     "-1.000000 1.000000 0.500000;");
    wxClientDC dc(grid);
    dc.SetFont(grid->GetLabelFont());
    EXPECT_GT(grid->GetRowLabelSize(), dc.GetTextExtent(wxString::FromUTF8("Rudder Angle [°]:")).x);

    // Typed into the speed row and read back: a row that does not hold three finite numbers, or holds 1,000
    // steps or more from min to max, leaves the range as it was.
    using R = std::vector<double>;
    const R kept{1, 6, 1};
    const std::pair<std::array<const char*, 3>, R> cases[] = {
        {{"2", "", "1"}, kept},      {{"0.5", "abc", "3"}, kept}, {{"-2", "2.5x", "3"}, kept}, {{"2", "nan", "1"}, kept},
        {{"inf", "1", "1"}, kept},   {{"1", "2", "-inf"}, kept},  {{"0", "1000", "1"}, kept}, {{"0", "1", "1e-5"}, kept},
        {{"0", "999", "1"}, {0, 999, 1}}, {{"5", "3", "1"}, {5, 3, 1}}, {{"3", "5", "0"}, {3, 5, 0}}};
    for (const auto& [typed, range] : cases) {
        store.speedRange = kept;
        for (int col = 0; col < 3; ++col)
            grid->SetCellValue(0, col, typed[col]);
        readForceRanges(dialog, store);
        EXPECT_EQ(store.speedRange, range) << typed[0] << " " << typed[1] << " " << typed[2];
    }
    EXPECT_EQ(std::tie(store.leewayRange, store.rudderRange), std::tuple(R{0, 0, 2}, R{-1, 1, 0.5}));

    // The dialog shows the store's ranges with six decimals, and OK alone reads them back as shown.
    store.speedRange = {1, 2, 0.1234567};
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectDismissableModal<ForceRangesDialog>(wxID_CANCEL));
    EXPECT_EQ(store.speedRange, (R{1, 2, 0.1234567}));
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectDismissableModal<ForceRangesDialog>(wxID_OK));
    EXPECT_EQ(store.speedRange, (R{1, 2, 0.123457}));
}

TEST(RunWindows, ProgressWindowShowsClampedValuesAndGoes)
{
    WxUserInterface ui;
    // Every other window stays disabled from the run's start to its end.
    auto* other = new wxFrame(nullptr, wxID_ANY, "Other");
    other->Show();
    ui.progressBegin();
    GaugeFrame* frame = ui.progressWindow();
    ASSERT_TRUE(frame && frame->GetTitle() == "Progress" && frame->IsShown());
    frame->SendSizeEvent();
    EXPECT_EQ(frame->gauge->GetRect(), wxRect(20, 20, 250, 30));
    for (const auto& [given, shown] : {std::pair{42, 42}, {130, 100}, {-5, 0}}) {
        ui.progressUpdate(given);
        EXPECT_TRUE(frame->gauge->GetValue() == shown && !other->IsEnabled());
    }
    // The user cannot close it while the run goes on.
    EXPECT_FALSE(frame->Close());
    pumpEvents(50);
    EXPECT_EQ(ui.progressWindow(), frame);
    ui.progressEnd();
    pumpEvents(50);
    EXPECT_TRUE(ui.progressWindow() == nullptr && other->IsEnabled());
    other->Destroy();
}

} // namespace
