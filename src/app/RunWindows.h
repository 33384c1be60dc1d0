#pragma once
// The windows of the runs: the progress window of the polar run and the
// dialog that asks for the ranges of the hydrodynamic force sweep.

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/grid.h>

class CObjectStore;

class GaugeFrame : public wxFrame {
public:
    explicit GaugeFrame(wxWindow* parent);

    wxGauge* gauge;
};

class ForceRangesDialog : public wxDialog {
public:
    ForceRangesDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                      const wxSize& size = wxSize(419, 278), long style = wxDEFAULT_DIALOG_STYLE);

    wxGrid* rangesGrid;
};

// Writes the store's four sweep ranges into the dialog's rows.
void fillForceRanges(ForceRangesDialog& dialog, const CObjectStore& store);
// Reads the rows back into the store. A row that does not hold a usable range
// (three finite numbers, min not above max, at most 1,000 values) keeps the
// range the store had.
void readForceRanges(const ForceRangesDialog& dialog, CObjectStore& store);
