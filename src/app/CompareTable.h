#pragma once
// The carpet table of the "Compare Results" page: one variable of a polar
// result table laid out with one row per true wind speed and one column per
// true wind angle, and the cell-by-cell difference of two such tables.

#include <vector>

#include "CObjectStore.h"

struct CarpetTable {
    // One row per TWS group, one value per column heading: the chosen column
    // of the group's row with that heading's TWA. NaN where the group has no
    // such row, or its row is too short for the column.
    std::vector<std::vector<double>> values;
    // Every TWA of the groups, ascending, as often as one group holds it at
    // most (a TWA that is not a number none): the column headings.
    std::vector<double> twaValues;
    // One TWS per group, in the order the groups were formed: the row headings.
    std::vector<double> twsValues;
};

// Groups the rows by exactly equal TWS (index 1), in the order each TWS first
// appears, and places the value at `column` of every row under the heading of
// its TWA. Rows without a TWS and TWA, and rows whose TWS is not a number, are
// left out.
CarpetTable makeCarpetTable(const ResultTable* rows, int column);

// a − b element by element over the common shape: as many rows as the
// shorter matrix, each as long as the shorter of its two rows.
std::vector<std::vector<double>> subtractMatrices(const std::vector<std::vector<double>>& a,
                                                  const std::vector<std::vector<double>>& b);
