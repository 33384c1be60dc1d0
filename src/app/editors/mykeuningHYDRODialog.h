#pragma once
// The hull editor: the layout of keuningHYDRODialog with its handlers, and
// the editing operation of a hull data set.

#include "keuningHYDRODialog.h"

class CKeuningHYDRO;

class mykeuningHYDRODialog : public keuningHYDRODialog {
public:
    using keuningHYDRODialog::keuningHYDRODialog;

protected:
    // Writes the upright wetted surface estimated from the dialog's numbers
    // into the "Sc" control.
    void OnEstimateSc(wxCommandEvent& event) override;
    // Enables the heeled-dimension grid and its estimate button while the
    // check box is ticked.
    void OnUseTabHeeledDims(wxCommandEvent& event) override;
    // Writes the dimensions estimated at four heel angles into the first four
    // columns of the heeled-dimension grid.
    void OnEstimateHeeledDims(wxCommandEvent& event) override;
};

// Fills the dialog from the hull. Each grid gets as many columns as its
// longest table has values, at least those it was built with.
void fillHullDialog(mykeuningHYDRODialog& dialog, const CKeuningHYDRO& hull);
// Reads the dialog back into the hull after OK.
void readHullDialog(const mykeuningHYDRODialog& dialog, CKeuningHYDRO& hull);

// The editing operation of a hull: the dialog, shown modally, read on OK.
void editHull(CKeuningHYDRO& hull);
