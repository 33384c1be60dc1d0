#include "GuiTest.h"

#include "CObjectStore.h"
#include "RunWindows.h"
#include "WxUserInterface.h"

// Answers the sweep-range dialog: types a speed min of 2 and ends it with the given button.
template <>
class wxExpectModal<ForceRangesDialog> : public wxExpectModalBase<ForceRangesDialog> {
public:
    explicit wxExpectModal(int button) : button_(button) {}

protected:
    int OnInvoked(ForceRangesDialog* dialog) const override
    {
        dialog->rangesGrid->SetCellValue(0, 0, "2");
        return button_;
    }

private:
    int button_;
};

namespace {

class RunWindows : public ::testing::Test {
protected:
    void SetUp() override { CObjectStore::resetInstance(); }
    void TearDown() override { CObjectStore::resetInstance(); }
    WxUserInterface ui;
};

TEST_F(RunWindows, RangeDialogShowsWritesAndKeepsRanges)
{
    CObjectStore& store = CObjectStore::getInstance();
    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    wxGrid* grid = dialog.rangesGrid;
    fillForceRanges(dialog, store);
    wxString shown;
    for (int row = -1; row < grid->GetNumberRows(); ++row)
        for (int col = 0; col < grid->GetNumberCols(); ++col)
            shown << (col ? wxString(" ") : row < 0 ? wxString() : "\n" + grid->GetRowLabelValue(row))
                  << (row < 0 ? grid->GetColLabelValue(col) : grid->GetCellValue(row, col));
    EXPECT_EQ(shown.utf8_string(), "MIN MAX DELTA\nSpeed [m/s]:1.000000 6.000000 1.000000\nLeeway [°]:0.000000 0.000000 "
                                   "2.000000\nHeel [°]:0.000000 0.000000 30.000000\nRudder Angle [°]:0.000000 0.000000 "
                                   "2.000000");

    // Rows without a usable range keep theirs. Speed: an empty cell; leeway: "nan"; heel: 100,000 values;
    // rudder: fine with a zero delta.
    const char* typed[4][3] = {{"2", "", "1"}, {"0", "nan", "1"}, {"0", "1", "1e-5"}, {"3", "5", "0"}};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            grid->SetCellValue(row, col, typed[row][col]);
    readForceRanges(dialog, store);
    using R = std::vector<double>;
    EXPECT_EQ(std::tie(store.speedRange, store.leewayRange, store.heelRange, store.rudderRange),
              std::tuple(R{1, 6, 1}, R{0, 0, 2}, R{0, 0, 30}, R{3, 5, 0}));

    // The dialog shows the store's ranges; OK alone writes them back.
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectModal<ForceRangesDialog>(wxID_CANCEL));
    EXPECT_EQ(store.speedRange, (R{1, 6, 1}));
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectModal<ForceRangesDialog>(wxID_OK));
    EXPECT_EQ(store.speedRange, (R{2, 6, 1}));
}

TEST_F(RunWindows, ProgressWindowShowsClampedValuesAndGoes)
{
    ui.progressBegin();
    GaugeFrame* frame = ui.progressWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->GetTitle() == "Progress" && frame->IsShown());
    for (const auto& [given, shown] : {std::pair{42, 42}, {130, 100}, {-5, 0}}) {
        ui.progressUpdate(given);
        EXPECT_EQ(frame->gauge->GetValue(), shown);
    }
    // The user cannot close it while the run goes on.
    EXPECT_FALSE(frame->Close());
    pumpEvents(50);
    EXPECT_EQ(ui.progressWindow(), frame);
    ui.progressEnd();
    pumpEvents(50);
    EXPECT_EQ(ui.progressWindow(), nullptr);
}

} // namespace
