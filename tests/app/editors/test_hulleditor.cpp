#include "SetupHullEditorTest.h"

#include "CKeuningHYDRO.h"
#include "editors/mykeuningHYDRODialog.h"

namespace {

using AnswerHull = AnswerEditor<mykeuningHYDRODialog>;

class HullEditor : public EditorTest {
protected:
    static CKeuningHYDRO& hull() { return object<CKeuningHYDRO>("KeuningHYDRO", "Cruiser 10m hull"); }
    void edit(const AnswerHull& answer) { wxTEST_DIALOG(activate("KeuningHYDRO", "Cruiser 10m hull"), answer); }
};

std::vector<wxString> cells(wxGrid* grid, int row, int count)
{
    std::vector<wxString> texts;
    for (int col = 0; col < count; ++col)
        texts.push_back(grid->GetCellValue(row, col));
    return texts;
}

bool enabled(const mykeuningHYDRODialog& d)
{
    EXPECT_EQ(d.m_heeledGrid->IsEnabled(), d.m_estimateHeeledDimsButton->IsEnabled());
    return d.m_heeledGrid->IsEnabled();
}

// The example hull is the estimators' worked example: Vc 7.5, Lwl 10, Bwl 3,
// Tc 0.5, Ax 1, Sc 25.
TEST_F(HullEditor, EstimatesOfTheWorkedExampleAndCancelChangesNothing)
{
    const nlohmann::json before = hull().makeJSON();
    edit(AnswerHull([](mykeuningHYDRODialog& d) {
        EXPECT_EQ(d.GetTitle(), "Edit Keuning Hull Hydrodynamic Dimensions");
        EXPECT_FALSE(d.m_useTabulatedHeeledDims->GetValue());
        EXPECT_FALSE(enabled(d));
        EXPECT_FALSE(d.m_munk->IsEnabled());
        click(d.m_useTabulatedHeeledDims, true);
        EXPECT_TRUE(enabled(d));
        click(d.m_estimateHeeledDimsButton);
        EXPECT_EQ(cells(d.m_heeledGrid, 0, 5),
                  (std::vector<wxString>{"8.000000", "16.000000", "24.000000", "32.000000", ""}));
        EXPECT_EQ(cells(d.m_heeledGrid, 1, 4),
                  (std::vector<wxString>{"10.509231", "10.837207", "10.974573", "10.920999"}));
        EXPECT_EQ(cells(d.m_heeledGrid, 2, 4),
                  (std::vector<wxString>{"2.988048", "3.046029", "2.970297", "2.735562"}));
        EXPECT_EQ(cells(d.m_heeledGrid, 3, 4),
                  (std::vector<wxString>{"0.557778", "0.615556", "0.673333", "0.731111"}));
        EXPECT_EQ(cells(d.m_heeledGrid, 4, 4), std::vector<wxString>(4, "1.000000"));
        EXPECT_EQ(cells(d.m_heeledGrid, 5, 4),
                  (std::vector<wxString>{"24.596255", "24.135968", "24.212795", "24.701339"}));
        click(d.m_estimateScButton);
        EXPECT_DOUBLE_EQ(d.m_dimensions[keuningHYDRODialog::rowSc]->GetValue(), 25.728);
        click(d.m_useTabulatedHeeledDims, false);
        EXPECT_FALSE(enabled(d));
        return wxID_CANCEL;
    }));
    EXPECT_EQ(hull().makeJSON(), before);
}

TEST_F(HullEditor, OkWithoutChangesKeepsLongTablesAndUnshownDecimals)
{
    CKeuningHYDRO& h = hull();
    h.PhiRA = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    h.RA = {0, 0.15, 0.28, 0.38, 0.45, 0.48, 0.47, 0.42, 0.33, 0.2};
    h.Phi = {5, 10, 15, 20, 25, 30, 35, 40, 45};
    h.Lwl_phi = h.Bwl_phi = h.Tc_phi = h.Ax_phi = h.Sc_phi = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    h.useTabulatedHeeledDimensions = true;
    h.Vc = 7.51234;
    h.Lwl = 0;  // below the control's range
    h.xFPP = 2; // above it
    nlohmann::json expected = h.makeJSON();
    edit(AnswerHull([](mykeuningHYDRODialog& d) {
        EXPECT_TRUE(enabled(d));
        EXPECT_EQ(d.m_rightingArmGrid->GetNumberCols(), 10);
        EXPECT_EQ(d.m_heeledGrid->GetNumberCols(), 9);
        EXPECT_EQ(d.m_formFactorGrid->GetNumberCols(), 5);
        return wxID_OK;
    }));
    expected["Lwl"] = 1.0;
    expected["xFPP"] = 0.0;
    EXPECT_EQ(h.makeJSON(), expected);
}

TEST_F(HullEditor, OkWritesEveryFieldAndTheEstimates)
{
    // Every number control in the dialog's order with a new value.
    const std::pair<const char*, double> numbers[] = {
        {"Vc", 12},          {"Tc", 0.8},          {"Lwl", 12},        {"Bwl", 3.2},          {"Sc", 30},
        {"Ax", 1.6},         {"Aw", 25.5},         {"LCB", -1.25},     {"LCF", -1.5},         {"GMl", 30.125},
        {"xFPP", -0.75},     {"Lrefratio", 0.8},   {"ck", 1.05},       {"bk", 1.55},          {"TCRk", 0.105},
        {"TRk", 0.55},       {"Ak", 1.65},         {"Sk", 3.35},       {"Vk", 0.35},          {"Lambda_k", -12},
        {"Zcbk", 0.75},      {"LCE_k", -4.5},      {"VCE_k", -1.35},   {"cr", 0.45},          {"br", 1.15},
        {"TCRr", 0.09},      {"Ar", 0.52},         {"Sr", 1.05},       {"Lambda_r", 7},       {"LCE_r", -9.5},
        {"VCE_r", -0.65},    {"mCrew", 350},       {"yCrewMax", 1.55}, {"maxRightingMoment", 45000},
        {"Alat", 7.25},
    };
    CKeuningHYDRO& h = hull();
    nlohmann::json expected = h.makeJSON();
    edit(AnswerHull([&](mykeuningHYDRODialog& d) {
        d.m_name->SetValue(wxString::FromUTF8("Rumpf Ü"));
        for (std::size_t i = 0; i < std::size(numbers); ++i) {
            wxSpinCtrlDouble* control = i < 31   ? d.m_dimensions[i]
                                        : i < 34 ? d.m_righting[i - 31]
                                                 : d.m_lateralArea;
            control->SetValue(numbers[i].second);
        }
        click(d.m_useTabulatedHeeledDims, true);
        // The heeled estimate takes Sc 30, then "Estimate Sc" replaces it.
        click(d.m_estimateHeeledDimsButton);
        click(d.m_estimateScButton);
        d.m_rightingArmGrid->SetCellValue(1, 3, "");
        d.m_formFactorGrid->SetCellValue(1, 1, "abc");
        return wxID_OK;
    }));
    for (const auto& [key, value] : numbers)
        expected[key] = value;
    expected["Name"] = "Rumpf Ü";
    expected["Sc"] = 32.267;
    expected["useTabulatedHeeledDimensions"] = true;
    expected["RA"] = {0.0, 0.22, 0.4};
    expected["C_form"] = {1.0};
    expected["Phi"] = {8.0, 16.0, 24.0, 32.0};
    expected["Ax_phi"] = {1.6, 1.6, 1.6, 1.6};
    // Worked out by hand for this hull (B/T = 4).
    const std::pair<const char*, std::vector<double>> heeled[] = {
        {"Lwl_phi", {12.643079, 13.053208, 13.242276, 13.208187}},
        {"Bwl_phi", {3.361345, 3.585657, 3.636364, 3.465704}},
        {"Tc_phi", {0.846222, 0.892444, 0.938667, 0.984889}},
        {"Sc_phi", {29.658782, 29.321651, 29.453808, 29.892529}},
    };
    nlohmann::json written = h.makeJSON();
    for (const auto& [key, values] : heeled) {
        SCOPED_TRACE(key);
        const auto column = written[key].get<std::vector<double>>();
        ASSERT_EQ(column.size(), 4u);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(column[i], values[i], 1e-5);
        expected[key] = written[key];
    }
    EXPECT_EQ(written, expected);
}

} // namespace
