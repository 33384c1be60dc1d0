#include "SetupHullEditorTest.h"

#include "Sulnarsetup.h"
#include "CMain.h"
#include "editors/VPPDialog.h"

namespace {

using AnswerSetup = AnswerEditor<VPPDialog>;

class SetupEditor : public EditorTest {
protected:
    static Sulnarsetup& setup() { return object<Sulnarsetup>("VPPsetup", "Upwind with jib"); }
    void edit(const AnswerSetup& answer) { wxTEST_DIALOG(activate("VPPsetup", "Upwind with jib"), answer); }
};

std::vector<wxString> row(wxGrid* grid, int r)
{
    std::vector<wxString> cells;
    for (int c = 0; c < grid->GetNumberCols(); ++c)
        cells.push_back(grid->GetCellValue(r, c));
    return cells;
}

void typeRow(wxGrid* grid, int r, const std::vector<const char*>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid->SetCellValue(r, static_cast<int>(c), cells[c]);
}

TEST_F(SetupEditor, ShowsTheSetupAndCancelChangesNothing)
{
    const nlohmann::json before = setup().makeJSON();
    edit(AnswerSetup([](VPPDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Edit VPP Setup");
        EXPECT_EQ(d.m_name->GetValue(), "Upwind with jib");
        EXPECT_EQ(row(d.m_windGrid, 0), (std::vector<wxString>{"4.000000", "16.000000", "2.000000"}));
        EXPECT_EQ(row(d.m_boundsGrid, 2)[3], "10.000000");
        // Setups are never listed; "-" comes first.
        EXPECT_EQ(items(d.m_hullChoice), (std::vector<wxString>{"-", "Cruiser 10m hull"}));
        EXPECT_EQ(d.m_mainChoice->GetStringSelection(), "Main 10m");
        EXPECT_EQ(d.m_spiChoice->GetStringSelection(), "-");
        EXPECT_FALSE(d.m_searchGlobal->GetValue());
        d.m_name->SetValue("changed");
        typeRow(d.m_windGrid, 0, {"1", "2", "1"});
        d.m_searchGlobal->SetValue(true);
        d.m_mainChoice->SetSelection(0);
        return wxID_CANCEL;
    }));
    EXPECT_EQ(setup().makeJSON(), before);

    edit(AnswerSetup([](VPPDialog&) { return wxID_OK; }));
    EXPECT_EQ(setup().makeJSON(), before);
}

TEST_F(SetupEditor, OkWritesEveryFieldAndRowsEndAtTheirFirstNonNumber)
{
    Sulnarsetup& edited = setup();
    nlohmann::json expected = edited.makeJSON();
    edit(AnswerSetup([](VPPDialog& d) {
        d.m_name->SetValue(wxString::FromUTF8("Größe ½"));
        d.m_searchGlobal->SetValue(true);
        d.m_jibPoledWindward->SetValue(true);
        d.m_jibChoice->SetStringSelection("-");
        d.m_spiChoice->SetStringSelection("Symmetric spinnaker");
        typeRow(d.m_windGrid, 0, {"6", "12", "3"});
        typeRow(d.m_windGrid, 1, {"30", "", "90"});
        typeRow(d.m_boundsGrid, 0, {"1", "2", "x", "4"});
        typeRow(d.m_boundsGrid, 1, {""});
        return wxID_OK;
    }));
    expected["Name"] = "Größe ½";
    expected["SearchGlobal"] = true;
    expected["JIBPOLEDWINDWARD"] = true;
    expected["Jib"] = "-";
    expected["Spi"] = "Symmetric spinnaker";
    expected["TWS"] = {6.0, 12.0, 3.0};
    expected["TWA"] = {30.0};
    expected["InitialValues"] = {1.0, 2.0};
    expected["LowerBound"] = nlohmann::json::array();
    EXPECT_EQ(edited.makeJSON(), expected);
}

TEST_F(SetupEditor, TooManyTwsValuesLeaveTheSetupAsItWas)
{
    struct Case {
        std::vector<const char*> tws;
        bool accepted;
    };
    const Case cases[] = {
        {{"4", "16", "2"}, true},    // 7 values
        {{"4", "17.9", "2"}, true},  // 7.95, truncated to 7
        {{"4", "18.9", "2"}, false}, // 8.45, truncated to 8
        {{"4", "20", "2"}, false},   // 9
        {{"4", "16", "0"}, false},   // no increment
        {{"4", "", ""}, false},      // missing values count as 0
        {{"16", "4", "2"}, true},    // a negative count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tws[0]) + " " + c.tws[1] + " " + c.tws[2]);
        const nlohmann::json before = setup().makeJSON();
        const AnswerSetup answer([&](VPPDialog& d) {
            d.m_name->SetValue("Upwind with jib");
            d.m_searchGlobal->SetValue(!d.m_searchGlobal->GetValue());
            typeRow(d.m_windGrid, 0, c.tws);
            return wxID_OK;
        });
        if (c.accepted) {
            edit(answer);
            EXPECT_NE(setup().makeJSON()["SearchGlobal"], before["SearchGlobal"]);
        } else {
            wxTEST_DIALOG(activate("VPPsetup", "Upwind with jib"), answer,
                          expectError("Too many TWS values. Maximum is 7."));
            EXPECT_EQ(setup().makeJSON(), before);
        }
    }
}

TEST_F(SetupEditor, ActiveNamesMatchInAnyCaseAndLostNamesLeaveNoSelection)
{
    store().objects.push_back(std::make_unique<CMain>(nlohmann::json{{"Name", "Storm main"}}, "MAIN"));
    setup().mainName = "STORM MAIN";
    setup().rigName = "Deleted rig";
    edit(AnswerSetup([](VPPDialog& d) {
        EXPECT_EQ(items(d.m_mainChoice), (std::vector<wxString>{"-", "Main 10m", "Storm main"}));
        EXPECT_EQ(d.m_mainChoice->GetStringSelection(), "Storm main");
        EXPECT_EQ(d.m_rigChoice->GetSelection(), wxNOT_FOUND);
        return wxID_OK;
    }));
    EXPECT_EQ(setup().mainName, "Storm main");
    EXPECT_EQ(setup().rigName, "");
}

} // namespace
