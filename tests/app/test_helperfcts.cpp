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
        {{"1", "6", "1"}, {1, 6, 1}}, {{"1", "", "1"}, {1}},  {{"0.5", "abc", "3"}, {0.5}}, {{"-2", "2.5x", "3"}, {-2}},
        {{"2", "nan", "1"}, {2}},     {{"inf", "1", "1"}, {}}, {{"1", "2", "-inf"}, {1, 2}}};
    grid->CreateGrid(static_cast<int>(rows.size()), 3);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int col = 0; col < 3; ++col)
            grid->SetCellValue(row, col, rows[row].first[col]);
        EXPECT_EQ(readRow(grid, row), rows[row].second) << "row " << row;
    }
    // Without a table nothing is read.
    EXPECT_TRUE(readRow(new wxGrid(frame, wxID_ANY), 0).empty());

    // Written with six decimals into the columns there are; a short vector leaves the cells right of it alone.
    setGridValuesFromVector(grid, 0, {2.5, -0.0001, 1000, 4});
    setGridValuesFromVector(grid, 1, {7});
    const auto cell = [grid](int row, int col) { return grid->GetCellValue(row, col).utf8_string(); };
    EXPECT_EQ(cell(0, 0) + " " + cell(0, 1) + " " + cell(0, 2) + " " + cell(1, 0) + " " + cell(1, 1),
              "2.500000 -0.000100 1000.000000 7.000000 ");
    frame->Destroy();
}

} // namespace
