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
        shown_->assign(4, {});
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col) {
                (*shown_)[row][col] = dlg->rangesGrid->GetCellValue(row, col);
                if (row < static_cast<int>(typed_.size()))
                    dlg->rangesGrid->SetCellValue(row, col, typed_[row][col]);
            }
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
    const char* columns[] = {"MIN", "MAX", "DELTA"};
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(grid->GetColLabelValue(col), columns[col]);
    const char* rows[] = {"Speed [m/s]:", "Leeway [°]:", "Heel [°]:", "Rudder Angle [°]:"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(grid->GetRowLabelValue(row).utf8_string(), rows[row]);
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
    EXPECT_NE(dialog.FindWindow(wxID_CANCEL), nullptr);
}

TEST_F(RunWindows, OkWritesTheTypedRangesAndShowsThemNextTime)
{
    CObjectStore& store = CObjectStore::getInstance();
    Cells shown;
    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(wxID_CANCEL, {{"2", "4", "0.5"}}, &shown));
    EXPECT_EQ(store.speedRange, (std::vector<double>{1, 6, 1}));
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], (std::array<wxString, 3>{"1.000000", "6.000000", "1.000000"}));
    EXPECT_EQ(shown[3][2], "2.000000");

    // Rows without a usable range keep theirs. Speed: an empty cell; leeway:
    // "nan"; heel: 100,000 values; rudder: fine with a zero delta.
    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(
                      wxID_OK, {{"2", "", "1"}, {"0", "nan", "1"}, {"0", "1", "1e-5"}, {"3", "5", "0"}}, &shown));
    EXPECT_EQ(store.speedRange, (std::vector<double>{1, 6, 1}));
    EXPECT_EQ(store.leewayRange, (std::vector<double>{0, 0, 2}));
    EXPECT_EQ(store.heelRange, (std::vector<double>{0, 0, 30}));
    EXPECT_EQ(store.rudderRange, (std::vector<double>{3, 5, 0}));

    wxTEST_DIALOG(ui.editSweepRanges(store),
                  wxExpectModal<ForceRangesDialog>(wxID_OK, {{"2", "4", "0.5"}, {"0", "6", "3"}}, &shown));
    EXPECT_EQ(store.speedRange, (std::vector<double>{2, 4, 0.5}));
    EXPECT_EQ(store.leewayRange, (std::vector<double>{0, 6, 3}));
    wxTEST_DIALOG(ui.editSweepRanges(store), wxExpectModal<ForceRangesDialog>(wxID_OK, {}, &shown));
    EXPECT_EQ(shown[0][2], "0.500000");
    EXPECT_EQ(shown[1][1], "6.000000");
}

TEST_F(RunWindows, ProgressWindowShowsClampedValuesAndGoes)
{
    ui.progressBegin();
    GaugeFrame* frame = ui.progressWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "Progress");
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->gauge->GetRange(), 100);

    for (const auto& [given, shown] : {std::pair{42, 42}, std::pair{130, 100}, std::pair{-5, 0}}) {
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
