#include "GuiTest.h"

#include <wx/grid.h>

#include "HelperFcts.h"

namespace {

std::vector<double> readRow(wxGrid* grid, int row)
{
    std::vector<double> values{99.0};
    getGridValuesToVector(grid, row, values);
    return values;
}

TEST(GridRows, ReadUpToTheFirstNonNumberAndWrittenWithSixDecimals)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "grid");
    auto* grid = new wxGrid(frame, wxID_ANY);
    const std::vector<std::pair<std::array<const char*, 3>, std::vector<double>>> rows{
        {{"1", "6", "1"}, {1, 6, 1}},   {{"1", "", "1"}, {1}},         {{"0.5", "abc", "3"}, {0.5}},
        {{"-2", "2.5x", "3"}, {-2}},    {{"2", "nan", "1"}, {2}},      {{"inf", "1", "1"}, {}},
        {{"1", "2", "-inf"}, {1, 2}}};
    grid->CreateGrid(static_cast<int>(rows.size()), 3);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int col = 0; col < 3; ++col)
            grid->SetCellValue(row, col, rows[row].first[col]);
        EXPECT_EQ(readRow(grid, row), rows[row].second) << "row " << row;
    }

    // Without a table or without columns nothing is read.
    EXPECT_TRUE(readRow(new wxGrid(frame, wxID_ANY), 0).empty());
    auto* noColumns = new wxGrid(frame, wxID_ANY);
    noColumns->CreateGrid(2, 0);
    EXPECT_TRUE(readRow(noColumns, 0).empty());

    // Written with six decimals, into the columns there are.
    setGridValuesFromVector(grid, 0, {2.5, -0.0001, 1000});
    EXPECT_EQ(grid->GetCellValue(0, 0), "2.500000");
    EXPECT_EQ(grid->GetCellValue(0, 1), "-0.000100");
    EXPECT_EQ(grid->GetCellValue(0, 2), "1000.000000");
    EXPECT_EQ(readRow(grid, 0), (std::vector<double>{2.5, -0.0001, 1000}));

    // A short vector leaves the cells right of it alone; an empty one writes nothing.
    grid->SetCellValue(1, 1, "b");
    setGridValuesFromVector(grid, 1, {7});
    setGridValuesFromVector(grid, 1, {});
    EXPECT_EQ(grid->GetCellValue(1, 0), "7.000000");
    EXPECT_EQ(grid->GetCellValue(1, 1), "b");

    setGridValuesFromVector(grid, 2, {1, 2, 3, 4, 5});
    EXPECT_EQ(readRow(grid, 2), (std::vector<double>{1, 2, 3}));
    frame->Destroy();
}

} // namespace
