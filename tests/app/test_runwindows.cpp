#include "GuiTest.h"

#include "CObjectStore.h"
#include "RunWindows.h"
#include "WxUserInterface.h"

// Answers the sweep-range dialog: checks what it shows, types new cell texts
// and ends it with the given button.
template <>
class wxExpectModal<ForceRangesDialog> : public wxExpectModalBase<ForceRangesDialog> {
public:
    using Cells = std::vector<std::array<wxString, 3>>;
    wxExpectModal(int button, Cells typed, Cells* shown) : button_(button), typed_(std::move(typed)), shown_(shown) {}

protected:
    int OnInvoked(ForceRangesDialog* dlg) const override
    {
        for (int row = 0; row < 4; ++row) {
            shown_->push_back({});
            for (int col = 0; col < 3; ++col)
                shown_->back()[col] = dlg->rangesGrid->GetCellValue(row, col);
        }
        for (std::size_t row = 0; row < typed_.size(); ++row)
            for (int col = 0; col < 3; ++col)
                dlg->rangesGrid->SetCellValue(static_cast<int>(row), col, typed_[row][col]);
        return button_;
    }

private:
    int button_;
    Cells typed_;
    Cells* shown_;
};

namespace {

using Cells = wxExpectModal<ForceRangesDialog>::Cells;

class RunWindows : public ::testing::Test {
protected:
    void SetUp() override { CObjectStore::resetInstance(); }
    void TearDown() override { CObjectStore::resetInstance(); }
    WxUserInterface ui;
};

TEST_F(RunWindows, RangeDialogLayout)
{
    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    const wxGrid* grid = dialog.rangesGrid;
    ASSERT_EQ(grid->GetNumberRows(), 4);
    ASSERT_EQ(grid->GetNumberCols(), 3);
    EXPECT_EQ(grid->GetColLabelValue(0), "MIN");
    EXPECT_EQ(grid->GetColLabelValue(1), "MAX");
    EXPECT_EQ(grid->GetColLabelValue(2), "DELTA");
    EXPECT_EQ(grid->GetRowLabelValue(0), "Speed [m/s]:");
    EXPECT_EQ(grid->GetRowLabelValue(1).utf8_string(), "Leeway [°]:");
    EXPECT_EQ(grid->GetRowLabelValue(2).utf8_string(), "Heel [°]:");
    EXPECT_EQ(grid->GetRowLabelValue(3).utf8_string(), "Rudder Angle [°]:");
    EXPECT_EQ(grid->GetRowSize(2), 18);
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
    EXPECT_NE(dialog.FindWindow(wxID_CANCEL), nullptr);
}

TEST_F(RunWindows, OkWritesTheTypedRangesAndShowsThemNextTime)
{
    CObjectStore& store = CObjectStore::getInstance();
    Cells shown;
    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(wxID_OK, {{"2", "4", "0.5"}, {"0", "6", "3"}}, &shown));
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0][0], "1.000000");
    EXPECT_EQ(shown[0][1], "6.000000");
    EXPECT_EQ(shown[3][2], "2.000000");
    EXPECT_EQ(store.speedRange, (std::vector<double>{2, 4, 0.5}));
    EXPECT_EQ(store.leewayRange, (std::vector<double>{0, 6, 3}));
    EXPECT_EQ(store.heelRange, (std::vector<double>{0, 0, 30}));

    shown.clear();
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectModal<ForceRangesDialog>(wxID_OK, {}, &shown));
    EXPECT_EQ(shown[0][2], "0.500000");
    EXPECT_EQ(shown[1][1], "6.000000");
}

TEST_F(RunWindows, CancelKeepsTheRanges)
{
    CObjectStore& store = CObjectStore::getInstance();
    Cells shown;
    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(wxID_CANCEL, {{"2", "4", "0.5"}}, &shown));
    EXPECT_EQ(store.speedRange, (std::vector<double>{1, 6, 1}));
}

TEST_F(RunWindows, RowsWithoutAUsableRangeKeepTheirRange)
{
    CObjectStore& store = CObjectStore::getInstance();
    Cells shown;
    // Speed: an empty cell; leeway: "nan"; heel: 100,000 values; rudder: fine with a zero delta.
    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(
                      wxID_OK, {{"2", "", "1"}, {"0", "nan", "1"}, {"0", "1", "1e-5"}, {"3", "5", "0"}}, &shown));
    EXPECT_EQ(store.speedRange, (std::vector<double>{1, 6, 1}));
    EXPECT_EQ(store.leewayRange, (std::vector<double>{0, 0, 2}));
    EXPECT_EQ(store.heelRange, (std::vector<double>{0, 0, 30}));
    EXPECT_EQ(store.rudderRange, (std::vector<double>{3, 5, 0}));
}

TEST_F(RunWindows, ProgressWindowShowsClampedValuesAndGoes)
{
    ui.progressBegin();
    GaugeFrame* frame = ui.progressWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "Progress");
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->gauge->GetRange(), 100);

    ui.progressUpdate(42);
    EXPECT_EQ(frame->gauge->GetValue(), 42);
    ui.progressUpdate(130);
    EXPECT_EQ(frame->gauge->GetValue(), 100);
    ui.progressUpdate(-5);
    EXPECT_EQ(frame->gauge->GetValue(), 0);

    // The user cannot close it while the run goes on.
    EXPECT_FALSE(frame->Close());
    pumpEvents(50);
    EXPECT_EQ(ui.progressWindow(), frame);

    ui.progressEnd();
    pumpEvents(50);
    EXPECT_EQ(ui.progressWindow(), nullptr);
}

} // namespace
