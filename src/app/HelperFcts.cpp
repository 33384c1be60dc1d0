#include "HelperFcts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <wx/dcclient.h>
#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

void getGridValuesToVector(wxGrid* grid, int row, std::vector<double>& values)
{
    values.clear();
    for (int col = 0; col < grid->GetNumberCols(); ++col) {
        const wxString text = grid->GetTable() ? grid->GetCellValue(row, col) : wxString();
        double value = 0.0;
        // "nan" and "inf" convert, but are not numbers a user can mean.
        if (!text.ToDouble(&value) || !std::isfinite(value))
            return;
        values.push_back(value);
    }
}

void setGridValuesFromVector(wxGrid* grid, int row, const std::vector<double>& values)
{
    const std::size_t columns = static_cast<std::size_t>(std::max(grid->GetNumberCols(), 0));
    for (std::size_t i = 0; i < values.size() && i < columns; ++i) {
        grid->SetCellValue(row, static_cast<int>(i), formatNumber("%f", values[i]));
    }
}

void fitColumnsToLabels(wxGrid* grid)
{
    // Room for the label's border and some space on either side of its text.
    constexpr int margin = 12;
    wxClientDC dc(grid->GetGridColLabelWindow());
    dc.SetFont(grid->GetLabelFont());
    for (int col = 0; col < grid->GetNumberCols(); ++col) {
        const int width = dc.GetTextExtent(grid->GetColLabelValue(col)).x + margin;
        if (grid->GetColSize(col) < width)
            grid->SetColSize(col, width);
    }
}

void growToFitContents(wxTopLevelWindow& window)
{
    const wxSize needed = window.GetSizer()->GetMinSize();
    wxSize client = window.GetClientSize();
    client.IncTo(needed);
    window.SetMinClientSize(needed);
    window.SetClientSize(client);
    window.Layout();
    window.Centre(wxBOTH);
}

std::string formatNumber(const char* format, double value)
{
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, value);
    return text;
}
