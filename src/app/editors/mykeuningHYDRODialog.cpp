#include "mykeuningHYDRODialog.h"

#include <algorithm>
#include <exception>

#include <wx/log.h>

#include "CKeuningHYDRO.h"
#include "EditorControls.h"
#include "HelperFcts.h"
#include "HullEstimators.h"
#include "Translate.h"

namespace {

using NumberField = double CKeuningHYDRO::*;
using TableField = std::vector<double> CKeuningHYDRO::*;

// The hull's numbers in the order of the dialog's dimension controls.
constexpr NumberField dimensionFields[] = {
    &CKeuningHYDRO::Vc,       &CKeuningHYDRO::Tc,        &CKeuningHYDRO::Lwl,   &CKeuningHYDRO::Bwl,
    &CKeuningHYDRO::Sc,       &CKeuningHYDRO::Ax,        &CKeuningHYDRO::Aw,    &CKeuningHYDRO::LCB,
    &CKeuningHYDRO::LCF,      &CKeuningHYDRO::GMl,       &CKeuningHYDRO::xFPP,  &CKeuningHYDRO::Lrefratio,
    &CKeuningHYDRO::ck,       &CKeuningHYDRO::bk,        &CKeuningHYDRO::TCRk,  &CKeuningHYDRO::TRk,
    &CKeuningHYDRO::Ak,       &CKeuningHYDRO::Sk,        &CKeuningHYDRO::Vk,    &CKeuningHYDRO::Lambda_k,
    &CKeuningHYDRO::Zcbk,     &CKeuningHYDRO::LCE_k,     &CKeuningHYDRO::VCE_k, &CKeuningHYDRO::cr,
    &CKeuningHYDRO::br,       &CKeuningHYDRO::TCRr,      &CKeuningHYDRO::Ar,    &CKeuningHYDRO::Sr,
    &CKeuningHYDRO::Lambda_r, &CKeuningHYDRO::LCE_r,     &CKeuningHYDRO::VCE_r,
};
static_assert(std::size(dimensionFields) == std::tuple_size_v<decltype(keuningHYDRODialog::m_dimensions)>);

constexpr NumberField rightingFields[] = {&CKeuningHYDRO::mCrew, &CKeuningHYDRO::yCrewMax,
                                          &CKeuningHYDRO::maxRightingMoment};

// The tables of each grid, one per row.
struct GridTables {
    wxGrid* keuningHYDRODialog::*grid;
    std::vector<TableField> rows;
};
const GridTables gridTables[] = {
    {&keuningHYDRODialog::m_heeledGrid,
     {&CKeuningHYDRO::Phi, &CKeuningHYDRO::Lwl_phi, &CKeuningHYDRO::Bwl_phi, &CKeuningHYDRO::Tc_phi,
      &CKeuningHYDRO::Ax_phi, &CKeuningHYDRO::Sc_phi}},
    {&keuningHYDRODialog::m_rightingArmGrid, {&CKeuningHYDRO::PhiRA, &CKeuningHYDRO::RA}},
    {&keuningHYDRODialog::m_formFactorGrid, {&CKeuningHYDRO::Phi_C_form, &CKeuningHYDRO::C_form}},
};

CanoeBody canoeBody(const keuningHYDRODialog& dialog)
{
    const auto value = [&](int row) { return dialog.m_dimensions[row]->GetValue(); };
    using D = keuningHYDRODialog;
    return {value(D::rowVc), value(D::rowTc), value(D::rowLwl), value(D::rowBwl), value(D::rowSc), value(D::rowAx)};
}

// An estimate must never end the program: a failure goes to the log.
template <class Estimate>
void guarded(Estimate estimate)
{
    try {
        estimate();
    } catch (const std::exception& e) {
        wxLogError("%s", wxString::FromUTF8(e.what()));
    }
}

} // namespace

void mykeuningHYDRODialog::OnEstimateSc(wxCommandEvent&)
{
    guarded([this] {
        if (const auto Sc = estimateWettedSurface(canoeBody(*this)))
            editSpin(m_dimensions[rowSc], *Sc);
    });
}

void mykeuningHYDRODialog::OnUseTabHeeledDims(wxCommandEvent&)
{
    const bool state = m_useTabulatedHeeledDims->GetValue();
    m_estimateHeeledDimsButton->Enable(state);
    m_heeledGrid->Enable(state);
}

void mykeuningHYDRODialog::OnEstimateHeeledDims(wxCommandEvent&)
{
    guarded([this] {
        const auto heeled = estimateHeeledDimensions(canoeBody(*this));
        if (!heeled)
            return;
        const std::vector<double>* rows[] = {&heeled->Phi, &heeled->Lwl, &heeled->Bwl,
                                             &heeled->Tc,  &heeled->Ax,  &heeled->Sc};
        for (int row = 0; row < 6; ++row)
            setGridValuesFromVector(m_heeledGrid, row, *rows[row]);
    });
}

void fillHullDialog(mykeuningHYDRODialog& dialog, const CKeuningHYDRO& hull)
{
    fillName(dialog.m_name, hull.name);
    for (std::size_t i = 0; i < std::size(dimensionFields); ++i)
        fillSpin(dialog.m_dimensions[i], hull.*dimensionFields[i]);
    for (std::size_t i = 0; i < std::size(rightingFields); ++i)
        fillSpin(dialog.m_righting[i], hull.*rightingFields[i]);

    dialog.m_useTabulatedHeeledDims->SetValue(hull.useTabulatedHeeledDimensions);
    dialog.m_estimateHeeledDimsButton->Enable(hull.useTabulatedHeeledDimensions);
    dialog.m_heeledGrid->Enable(hull.useTabulatedHeeledDimensions);

    for (const GridTables& tables : gridTables) {
        wxGrid* grid = dialog.*tables.grid;
        std::size_t longest = 0;
        for (const TableField field : tables.rows)
            longest = std::max(longest, (hull.*field).size());
        // A table longer than the grid gets the columns it needs, or OK would cut it.
        if (longest > static_cast<std::size_t>(grid->GetNumberCols()))
            grid->AppendCols(static_cast<int>(longest) - grid->GetNumberCols());
        for (std::size_t row = 0; row < tables.rows.size(); ++row)
            setGridValuesFromVector(grid, static_cast<int>(row), hull.*tables.rows[row]);
    }
    dialog.m_munk->SetValue(false);
    dialog.m_munk->Enable(false);
    fillSpin(dialog.m_lateralArea, hull.Alat);
    dialog.fitPanel();
}

void readHullDialog(const mykeuningHYDRODialog& dialog, CKeuningHYDRO& hull)
{
    readName(dialog.m_name, hull.name);
    for (std::size_t i = 0; i < std::size(dimensionFields); ++i)
        readSpin(dialog.m_dimensions[i], hull.*dimensionFields[i]);
    for (std::size_t i = 0; i < std::size(rightingFields); ++i)
        readSpin(dialog.m_righting[i], hull.*rightingFields[i]);
    hull.useTabulatedHeeledDimensions = dialog.m_useTabulatedHeeledDims->GetValue();
    for (const GridTables& tables : gridTables)
        for (std::size_t row = 0; row < tables.rows.size(); ++row)
            getGridValuesToVector(dialog.*tables.grid, static_cast<int>(row), hull.*tables.rows[row]);
    readSpin(dialog.m_lateralArea, hull.Alat);
}

void editHull(CKeuningHYDRO& hull)
{
    mykeuningHYDRODialog dialog(nullptr, wxID_ANY, tr("Edit Keuning Hull Hydrodynamic Dimensions"),
                                wxDefaultPosition, wxSize(1376, 983), wxDEFAULT_DIALOG_STYLE);
    fillHullDialog(dialog, hull);
    if (dialog.ShowModal() != wxID_OK)
        return;
    // A cell still being typed into counts as entered.
    for (const GridTables& tables : gridTables)
        (dialog.*tables.grid)->SaveEditControlValue();
    readHullDialog(dialog, hull);
}
