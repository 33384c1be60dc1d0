#include "CompareTable.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

CarpetTable makeCarpetTable(const ResultTable* rows, int column)
{
    CarpetTable table;
    if (!rows)
        return table;
    // The TWA values of each group, parallel to twsValues.
    std::vector<std::vector<double>> twaOfGroup;
    const auto index = static_cast<std::size_t>(std::max(column, 0));
    for (const std::vector<double>& row : *rows) {
        // A NaN TWS equals no group, its own included.
        if (row.size() < 3 || std::isnan(row[1]))
            continue;
        const auto found = std::find(table.twsValues.begin(), table.twsValues.end(), row[1]);
        const auto group = static_cast<std::size_t>(found - table.twsValues.begin());
        if (found == table.twsValues.end()) {
            table.twsValues.push_back(row[1]);
            table.values.emplace_back();
            twaOfGroup.emplace_back();
        }
        const bool present = column >= 0 && index < row.size();
        table.values[group].push_back(present ? row[index] : std::numeric_limits<double>::quiet_NaN());
        twaOfGroup[group].push_back(row[2]);
    }
    // The headings are every TWA any group holds, ascending, each as often as
    // the group holding it most often has it; a run's table, whose groups all
    // hold the same angles, gets exactly the angles of each group.
    for (std::vector<double> angles : twaOfGroup) {
        std::erase_if(angles, [](double twa) { return std::isnan(twa); });
        std::sort(angles.begin(), angles.end());
        std::vector<double> merged;
        std::set_union(table.twaValues.begin(), table.twaValues.end(), angles.begin(), angles.end(),
                       std::back_inserter(merged));
        table.twaValues = std::move(merged);
    }
    // Each value goes under the heading equal to its own TWA, so that a group
    // missing an angle leaves that cell blank instead of moving the rest left.
    // The k-th value of a TWA takes the k-th heading of that TWA.
    for (std::size_t group = 0; group < table.values.size(); ++group) {
        std::vector<double> placed(table.twaValues.size(), std::numeric_limits<double>::quiet_NaN());
        std::vector<bool> taken(placed.size(), false);
        for (std::size_t k = 0; k < twaOfGroup[group].size(); ++k) {
            for (std::size_t j = 0; j < placed.size(); ++j) {
                if (!taken[j] && table.twaValues[j] == twaOfGroup[group][k]) {
                    placed[j] = table.values[group][k];
                    taken[j] = true;
                    break;
                }
            }
        }
        table.values[group] = std::move(placed);
    }
    return table;
}

std::vector<std::vector<double>> subtractMatrices(const std::vector<std::vector<double>>& a,
                                                  const std::vector<std::vector<double>>& b)
{
    std::vector<std::vector<double>> difference(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < difference.size(); ++i) {
        const std::size_t columns = std::min(a[i].size(), b[i].size());
        for (std::size_t j = 0; j < columns; ++j)
            difference[i].push_back(a[i][j] - b[i][j]);
    }
    return difference;
}
