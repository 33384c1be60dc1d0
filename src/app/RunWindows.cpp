#include "RunWindows.h"

#include <array>
#include <cmath>

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "CObjectStore.h"
#include "HelperFcts.h"
#include "Translate.h"

GaugeFrame::GaugeFrame(wxWindow* parent)
    : wxFrame(parent, wxID_ANY, tr("Progress"), wxDefaultPosition, wxSize(300, 80), wxDEFAULT_FRAME_STYLE)
{
    // On a panel the gauge keeps its place; a frame would stretch its only child.
    auto* panel = new wxPanel(this);
    gauge = new wxGauge(panel, wxID_ANY, 100, wxPoint(20, 20), wxSize(250, 30), wxGA_HORIZONTAL);
    Centre(wxBOTH);
    Show();
}

ForceRangesDialog::ForceRangesDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* heading = new wxStaticText(this, wxID_ANY, tr("Hydrodynamic Force Ranges"), wxDefaultPosition,
                                     wxDefaultSize, wxST_NO_AUTORESIZE);
    heading->Wrap(-1);
    sizer->Add(heading, 0, wxALL | wxEXPAND, 5);

    rangesGrid = new wxGrid(this, wxID_ANY);
    rangesGrid->CreateGrid(4, 3, wxGrid::wxGridSelectCells);
    rangesGrid->EnableEditing(true);
    rangesGrid->EnableGridLines(true);
    rangesGrid->EnableDragGridSize(false);
    rangesGrid->EnableDragColMove(false);
    rangesGrid->EnableDragColSize(true);
    rangesGrid->EnableDragRowSize(true);
    rangesGrid->SetColLabelValue(0, tr("MIN"));
    rangesGrid->SetColLabelValue(1, tr("MAX"));
    rangesGrid->SetColLabelValue(2, tr("DELTA"));
    rangesGrid->SetColLabelAlignment(wxALIGN_CENTER, wxALIGN_CENTER);
    rangesGrid->SetRowLabelValue(0, tr("Speed [m/s]:"));
    rangesGrid->SetRowLabelValue(1, tr("Leeway [°]:"));
    rangesGrid->SetRowLabelValue(2, tr("Heel [°]:"));
    rangesGrid->SetRowLabelValue(3, tr("Rudder Angle [°]:"));
    rangesGrid->SetRowLabelAlignment(wxALIGN_CENTER, wxALIGN_CENTER);
    rangesGrid->SetRowLabelSize(wxGRID_AUTOSIZE);
    rangesGrid->SetRowSize(0, 19);
    rangesGrid->SetRowSize(1, 19);
    rangesGrid->SetRowSize(2, 18);
    rangesGrid->SetRowSize(3, 19);
    rangesGrid->SetDefaultCellAlignment(wxALIGN_LEFT, wxALIGN_TOP);
    sizer->Add(rangesGrid, 0, wxALL, 5);

    auto* buttons = new wxStdDialogButtonSizer();
    buttons->AddButton(new wxButton(this, wxID_OK));
    buttons->AddButton(new wxButton(this, wxID_CANCEL));
    buttons->Realize();
    sizer->Add(buttons, 0, wxALIGN_RIGHT, 5);

    SetSizer(sizer);
    Layout();
    Centre(wxBOTH);
}

namespace {

// The four sweep ranges in the order of the dialog's rows.
template <class Store>
auto rangesOf(Store& store)
{
    return std::array{&store.speedRange, &store.leewayRange, &store.heelRange, &store.rudderRange};
}

// A range the sweep can use: min, max and delta finite, and not too many values.
bool usableRange(const std::vector<double>& r)
{
    if (r.size() < 3 || !std::isfinite(r[0]) || !std::isfinite(r[1]) || !std::isfinite(r[2]))
        return false;
    if (r[2] <= 0.0 || r[1] < r[0])
        return true;
    return (r[1] - r[0]) / r[2] < 1000.0;
}

} // namespace

void fillForceRanges(ForceRangesDialog& dialog, const CObjectStore& store)
{
    int row = 0;
    for (const std::vector<double>* range : rangesOf(store))
        setGridValuesFromVector(dialog.rangesGrid, row++, *range);
}

void readForceRanges(const ForceRangesDialog& dialog, CObjectStore& store)
{
    // A cell still being typed in holds its text in the cell editor until saved.
    dialog.rangesGrid->SaveEditControlValue();
    int row = 0;
    for (std::vector<double>* range : rangesOf(store)) {
        std::vector<double> values;
        getGridValuesToVector(dialog.rangesGrid, row++, values);
        if (usableRange(values))
            *range = {values[0], values[1], values[2]};
    }
}
