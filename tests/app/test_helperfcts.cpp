#include "GuiTest.h"

#include <wx/grid.h>

#include "HelperFcts.h"

namespace {

class GridRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "grid");
        grid = new wxGrid(frame, wxID_ANY);
        grid->CreateGrid(4, 3);
    }
    void TearDown() override { frame->Destroy(); }
    void setRow(int row, std::initializer_list<const char*> texts)
    {
        int col = 0;
        for (const char* text : texts)
            grid->SetCellValue(row, col++, text);
    }
    std::vector<double> read(int row)
    {
        std::vector<double> values{99.0};
        getGridValuesToVector(grid, row, values);
        return values;
    }

    wxFrame* frame = nullptr;
    wxGrid* grid = nullptr;
};

TEST_F(GridRows, ReadsUntilTheFirstCellThatIsNotANumber)
{
    setRow(0, {"1", "6", "1"});
    EXPECT_EQ(read(0), (std::vector<double>{1, 6, 1}));
    setRow(1, {"1", "", "1"});
    EXPECT_EQ(read(1), (std::vector<double>{1}));
    setRow(2, {"0.5", "abc", "3"});
    EXPECT_EQ(read(2), (std::vector<double>{0.5}));
    setRow(3, {"-2", "2.5x", "3"});
    EXPECT_EQ(read(3), (std::vector<double>{-2}));
}

TEST_F(GridRows, NonFiniteTextsAreNotNumbers)
{
    setRow(0, {"2", "nan", "1"});
    EXPECT_EQ(read(0), (std::vector<double>{2}));
    setRow(1, {"inf", "1", "1"});
    EXPECT_TRUE(read(1).empty());
    setRow(2, {"1", "2", "-inf"});
    EXPECT_EQ(read(2), (std::vector<double>{1, 2}));
}

TEST_F(GridRows, WritesSixDecimalsAndReadsThemBack)
{
    setGridValuesFromVector(grid, 0, {1, 6, 1});
    EXPECT_EQ(grid->GetCellValue(0, 0), "1.000000");
    EXPECT_EQ(grid->GetCellValue(0, 1), "6.000000");
    EXPECT_EQ(read(0), (std::vector<double>{1, 6, 1}));

    setGridValuesFromVector(grid, 1, {2.5, -0.0001, 1000});
    EXPECT_EQ(grid->GetCellValue(1, 0), "2.500000");
    EXPECT_EQ(grid->GetCellValue(1, 1), "-0.000100");
    EXPECT_EQ(grid->GetCellValue(1, 2), "1000.000000");

    // A short vector leaves the cells right of it alone; an empty one writes nothing.
    setRow(2, {"a", "b", "c"});
    setGridValuesFromVector(grid, 2, {7});
    EXPECT_EQ(grid->GetCellValue(2, 0), "7.000000");
    EXPECT_EQ(grid->GetCellValue(2, 1), "b");
    setGridValuesFromVector(grid, 2, {});
    EXPECT_EQ(grid->GetCellValue(2, 0), "7.000000");

    // Values beyond the last column are skipped.
    setGridValuesFromVector(grid, 3, {1, 2, 3, 4, 5});
    EXPECT_EQ(read(3), (std::vector<double>{1, 2, 3}));
}

TEST(GridRowsEdge, GridWithoutColumnsOrTableReadsEmpty)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "grid");
    auto* noTable = new wxGrid(frame, wxID_ANY);
    std::vector<double> values{1.0};
    getGridValuesToVector(noTable, 0, values);
    EXPECT_TRUE(values.empty());

    auto* noColumns = new wxGrid(frame, wxID_ANY);
    noColumns->CreateGrid(2, 0);
    values = {1.0};
    getGridValuesToVector(noColumns, 0, values);
    EXPECT_TRUE(values.empty());
    frame->Destroy();
}

// The strict hook answers an expected box and the test sees the answer.
TEST(GuiHarness, ExpectedMessageBoxIsAnswered)
{
    int answer = 0;
    wxTEST_DIALOG(answer = wxMessageBox("Delete?", "Question", wxYES_NO),
                  wxExpectModal<wxMessageDialog>(wxYES).Describe("question box"));
    EXPECT_EQ(answer, wxYES);
}

} // namespace
