#pragma once
// Moving one row of a grid control into a vector of numbers and back, sizing
// grid columns, growing a dialog to what its contents need, and writing numbers.

#include <string>
#include <vector>

class wxGrid;
class wxTopLevelWindow;

// Replaces `values` with the numbers of row `row`, left to right, stopping at
// the first cell that does not hold one finite number.
void getGridValuesToVector(wxGrid* grid, int row, std::vector<double>& values);

// Writes the values into row `row` with six decimals; values beyond the
// grid's last column are skipped.
void setGridValuesFromVector(wxGrid* grid, int row, const std::vector<double>& values);

// Widens every column that is narrower than its label's text.
void fitColumnsToLabels(wxGrid* grid);

// Keeps the window's given size where its sizer's contents fit, and grows it
// (and its minimum size) where this toolkit's larger controls need more room;
// centres it afterwards.
void growToFitContents(wxTopLevelWindow& window);

// One number printed with a printf conversion such as "%.2f", written whole
// however many digits it has.
std::string formatNumber(const char* format, double value);
