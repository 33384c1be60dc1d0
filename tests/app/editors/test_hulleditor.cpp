// The hull editor and its estimate buttons, opened from the main window's tree
// with the example project.

#include "EditorTest.h"

#include "CKeuningHYDRO.h"
#include "mykeuningHYDRODialog.h"

namespace {

using HullEditor = EditorTest;

// Whether the heeled table and its estimate button are enabled.
std::pair<bool, bool> heeledTable(const mykeuningHYDRODialog& d)
{
    return {d.m_heeledGrid->IsEnabled(), d.m_estimateHeeledDimsButton->IsEnabled()};
}

// The example hull is the estimators' worked example: Vc 7.5, Lwl 10, Bwl 3,
// Tc 0.5, Ax 1, Sc 25. Its tables here are longer than the grids were built for.
TEST_F(HullEditor, EstimatesAreKeptOnlyAfterOkAndOkWithoutChangesKeepsTheHull)
{
    loadExample();
    auto& h = dynamic_cast<CKeuningHYDRO&>(*store().findObject("Cruiser 10m hull", "KeuningHYDRO"));
    h.PhiRA = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    h.RA = {0, 0.15, 0.28, 0.38, 0.45, 0.48, 0.47, 0.42, 0.33, 0.2};
    h.Phi = {5, 10, 15, 20, 25, 30, 35, 40, 45};
    h.Lwl_phi = h.Bwl_phi = h.Tc_phi = h.Ax_phi = h.Sc_phi = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    nlohmann::json expected = h.makeJSON();
    edit<mykeuningHYDRODialog>(h, ([](mykeuningHYDRODialog& d) {
        EXPECT_EQ(d.GetTitle(), "Edit Keuning Hull Hydrodynamic Dimensions");
        EXPECT_EQ(heeledTable(d), std::pair(false, false));
        EXPECT_FALSE(d.m_munk->IsEnabled());
        d.m_useTabulatedHeeledDims->SetValue(true);
        click(d.m_useTabulatedHeeledDims, wxEVT_CHECKBOX);
        EXPECT_EQ(heeledTable(d), std::pair(true, true));
        click(d.m_estimateHeeledDimsButton, wxEVT_BUTTON);
        const std::tuple<int, int, const char*> shown[] = {{0, 3, "32.000000"}, {0, 4, "25.000000"},
            {1, 0, "10.509231"}, {4, 2, "1.000000"}, {5, 0, "24.596255"}, {5, 3, "24.701339"}};
        for (const auto& [row, col, text] : shown)
            EXPECT_EQ(d.m_heeledGrid->GetCellValue(row, col), text);
        click(d.m_estimateScButton, wxEVT_BUTTON);
        d.m_useTabulatedHeeledDims->SetValue(false);
        click(d.m_useTabulatedHeeledDims, wxEVT_CHECKBOX);
        EXPECT_EQ(heeledTable(d), std::pair(false, false));
        return wxID_CANCEL;
    }));
    EXPECT_EQ(h.makeJSON(), expected);

    edit<mykeuningHYDRODialog>(h, ([](mykeuningHYDRODialog&) { return wxID_OK; }));
    EXPECT_EQ(h.makeJSON(), expected);
}

TEST_F(HullEditor, OkWritesEveryFieldAndTheEstimates)
{
    // Every number control in the dialog's order with a new value.
    const std::pair<const char*, double> numbers[] = {
        {"Vc", 12}, {"Tc", 0.8}, {"Lwl", 12}, {"Bwl", 3.2}, {"Sc", 30}, {"Ax", 1.6}, {"Aw", 25.5}, {"LCB", -1.25},
        {"LCF", -1.5}, {"GMl", 30.125}, {"xFPP", -0.75}, {"Lrefratio", 0.8}, {"ck", 1.05}, {"bk", 1.55},
        {"TCRk", 0.105}, {"TRk", 0.55}, {"Ak", 1.65}, {"Sk", 3.35}, {"Vk", 0.35}, {"Lambda_k", -12}, {"Zcbk", 0.75},
        {"LCE_k", -4.5}, {"VCE_k", -1.35}, {"cr", 0.45}, {"br", 1.15}, {"TCRr", 0.09}, {"Ar", 0.52}, {"Sr", 1.05},
        {"Lambda_r", 7}, {"LCE_r", -9.5}, {"VCE_r", -0.65}, {"mCrew", 300.5}, {"yCrewMax", 1.55},
        {"maxRightingMoment", 45000}, {"Alat", 7.25}};
    loadExample();
    auto& h = dynamic_cast<CKeuningHYDRO&>(*store().findObject("Cruiser 10m hull", "KeuningHYDRO"));
    nlohmann::json expected = h.makeJSON();
    edit<mykeuningHYDRODialog>(h, ([&](mykeuningHYDRODialog& d) {
        type(d.m_name, "Rumpf Ü");
        for (std::size_t i = 0; i < std::size(numbers); ++i) {
            wxSpinCtrlDouble* control = i < 31   ? d.m_dimensions[i]
                                        : i < 34 ? d.m_righting[i - 31]
                                                 : d.m_lateralArea;
            type(control, wxString::Format("%g", numbers[i].second).utf8_string());
        }
        d.m_useTabulatedHeeledDims->SetValue(true);
        click(d.m_useTabulatedHeeledDims, wxEVT_CHECKBOX);
        // The heeled estimate takes Sc 30, then "Estimate Sc" replaces it.
        click(d.m_estimateHeeledDimsButton, wxEVT_BUTTON);
        click(d.m_estimateScButton, wxEVT_BUTTON);
        d.m_rightingArmGrid->SetCellValue(1, 3, "");
        d.m_formFactorGrid->SetCellValue(1, 1, "abc");
        return wxID_OK;
    }));
    for (const auto& [key, value] : numbers)
        expected[key] = value;
    // mCrew is shown without decimals: stored rounded.
    expected.update(nlohmann::json{{"mCrew", 300.0}, {"Name", "Rumpf Ü"}, {"Sc", 32.267},
                                   {"useTabulatedHeeledDimensions", true}, {"RA", {0.0, 0.22, 0.4}}, {"C_form", {1.0}},
                                   {"Phi", {8.0, 16.0, 24.0, 32.0}}, {"Ax_phi", {1.6, 1.6, 1.6, 1.6}}});
    // The estimates' numbers are checked on their own; here their place.
    nlohmann::json written = h.makeJSON();
    for (const char* key : {"Lwl_phi", "Bwl_phi", "Tc_phi", "Sc_phi"})
        expected[key] = written[key];
    EXPECT_NEAR(written["Lwl_phi"][0].get<double>(), 12.643079, 1e-6);
    EXPECT_NEAR(written["Sc_phi"][3].get<double>(), 29.892529, 1e-5);
    EXPECT_EQ(written, expected);
}

} // namespace
