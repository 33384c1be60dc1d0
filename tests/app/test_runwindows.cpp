#include "GuiTest.h"

#include "CObjectStore.h"
#include "RunWindows.h"
#include "WxUserInterface.h"

// Answers the sweep-range dialog: notes its labels and cells, types new cell
// texts and ends it with the given button.
template <>
class wxExpectModal<ForceRangesDialog> : public wxExpectModalBase<ForceRangesDialog> {
public:
    wxExpectModal(int button, std::vector<std::array<wxString, 3>> typed, wxString* shown)
        : button_(button), typed_(std::move(typed)), shown_(shown)
    {
    }

protected:
    int OnInvoked(ForceRangesDialog* dlg) const override
    {
        wxGrid* grid = dlg->rangesGrid;
        shown_->clear();
        for (int row = -1; row < grid->GetNumberRows(); ++row)
            for (int col = 0; col < grid->GetNumberCols(); ++col) {
                *shown_ << (col ? wxString(" ") : row < 0 ? wxString() : "\n" + grid->GetRowLabelValue(row))
                        << (row < 0 ? grid->GetColLabelValue(col) : grid->GetCellValue(row, col));
                if (row >= 0 && row < static_cast<int>(typed_.size()))
                    grid->SetCellValue(row, col, typed_[row][col]);
            }
        return button_;
    }

private:
    int button_;
    std::vector<std::array<wxString, 3>> typed_;
    wxString* shown_;
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
    wxString shown;
    const auto edit = [&](int button, std::vector<std::array<wxString, 3>> typed) {
        wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectModal<ForceRangesDialog>(button, typed, &shown));
        return std::tie(store.speedRange, store.leewayRange, store.heelRange, store.rudderRange);
    };
    using R = std::vector<double>;
    EXPECT_EQ(edit(wxID_CANCEL, {{"2", "4", "0.5"}}), std::tuple(R{1, 6, 1}, R{0, 0, 2}, R{0, 0, 30}, R{0, 0, 2}));
    EXPECT_EQ(shown.utf8_string(), "MIN MAX DELTA\nSpeed [m/s]:1.000000 6.000000 1.000000\nLeeway [°]:0.000000 0.000000 "
                                   "2.000000\nHeel [°]:0.000000 0.000000 30.000000\nRudder Angle [°]:0.000000 0.000000 "
                                   "2.000000");
    // Rows without a usable range keep theirs. Speed: an empty cell; leeway: "nan"; heel: 100,000 values;
    // rudder: fine with a zero delta.
    EXPECT_EQ(edit(wxID_OK, {{"2", "", "1"}, {"0", "nan", "1"}, {"0", "1", "1e-5"}, {"3", "5", "0"}}),
              std::tuple(R{1, 6, 1}, R{0, 0, 2}, R{0, 0, 30}, R{3, 5, 0}));
    EXPECT_EQ(edit(wxID_OK, {{"2", "4", "0.5"}, {"0", "6", "3"}}),
              std::tuple(R{2, 4, 0.5}, R{0, 6, 3}, R{0, 0, 30}, R{3, 5, 0}));
    edit(wxID_OK, {});
    EXPECT_TRUE(shown.Contains("Speed [m/s]:2.000000 4.000000 0.500000\nLeeway [°]:0.000000 6.000000 3.000000"));
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
