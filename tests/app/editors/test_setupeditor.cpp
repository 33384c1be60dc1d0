// The setup editor, opened from the main window's tree with the example project.

#include "EditorTest.h"

#include "Sulnarsetup.h"
#include "VPPDialog.h"

namespace {

using SetupEditor = EditorTest;

void typeRow(wxGrid* grid, int r, const std::vector<const char*>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid->SetCellValue(r, static_cast<int>(c), cells[c]);
}

TEST_F(SetupEditor, ShowsTheSetupAndCancelChangesNothing)
{
    loadExample();
    auto* setup = dynamic_cast<Sulnarsetup*>(store().findObject("Upwind with jib", "VPPsetup"));
    // Another main sail whose name differs only in case: the setup's own stays selected.
    add("MAIN", {{"Name", "main 10m"}});
    setup->mainName = "main 10m";
    const nlohmann::json before = setup->makeJSON();
    edit<VPPDialog>(*setup, ([](VPPDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Edit VPP Setup");
        EXPECT_EQ(d.m_boundsGrid->GetCellValue(2, 3), "10.000000");
        // Setups are never listed; "-" comes first.
        EXPECT_EQ(items(d.m_hullChoice), (std::vector<wxString>{"-", "Cruiser 10m hull"}));
        EXPECT_EQ(d.m_mainChoice->GetStringSelection(), "main 10m");
        d.m_name->SetValue("changed");
        typeRow(d.m_windGrid, 0, {"1", "2", "1"});
        return wxID_CANCEL;
    }));
    EXPECT_EQ(setup->makeJSON(), before);

    edit<VPPDialog>(*setup, ([](VPPDialog&) { return wxID_OK; }));
    EXPECT_EQ(setup->makeJSON(), before);
}

TEST_F(SetupEditor, OkWritesEveryFieldAndRowsEndAtTheirFirstNonNumber)
{
    loadExample();
    auto* setup = dynamic_cast<Sulnarsetup*>(store().findObject("Upwind with jib", "VPPsetup"));
    // A name in other letter case selects the item; one no longer in the store selects nothing.
    setup->mainName = "MAIN 10M";
    setup->rigName = "Deleted rig";
    nlohmann::json expected = setup->makeJSON();
    edit<VPPDialog>(*setup, ([](VPPDialog& d) {
        type(d.m_name, "Größe ½");
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
    expected.update(nlohmann::json{{"Name", "Größe ½"}, {"SearchGlobal", true}, {"JIBPOLEDWINDWARD", true},
                                   {"Main", "Main 10m"}, {"Rig", ""}, {"Jib", "-"}, {"Spi", "Symmetric spinnaker"},
                                   {"TWS", {6.0, 12.0, 3.0}}, {"TWA", {30.0}}, {"InitialValues", {1.0, 2.0}},
                                   {"LowerBound", nlohmann::json::array()}});
    EXPECT_EQ(setup->makeJSON(), expected);
}

TEST_F(SetupEditor, RefusedTwsRowsLeaveTheSetupAsItWas)
{
    loadExample();
    auto* setup = dynamic_cast<Sulnarsetup*>(store().findObject("Upwind with jib", "VPPsetup"));
    const char* const tooMany = "Too many TWS values. Maximum is 7.";
    const char* const notNumbers = "The TWS row needs three numbers: Min, Max and Inc.";
    // The row, and the message that refuses it (none: accepted).
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"4", "16", "2"}, nullptr},   // 7 values
        {{"4", "17.9", "2"}, nullptr}, // 7.95, truncated to 7
        {{"4", "18.9", "2"}, tooMany}, // 8.45, truncated to 8
        {{"4", "20", "2"}, tooMany},   // 9
        {{"4", "16", "0"}, tooMany},   // no increment: infinitely many
        {{"4", "4", "0"}, tooMany},    // no increment, 0 / 0
        {{"4", "", ""}, notNumbers},   {{"abc", "16", "2"}, notNumbers},
        {{"16", "4", "2"}, nullptr},   // a negative count
    };
    for (const auto& [tws, message] : cases) {
        SCOPED_TRACE(std::string(tws[0]) + " " + tws[1] + " " + tws[2]);
        const nlohmann::json before = setup->makeJSON();
        const auto answer = [&](VPPDialog& d) {
            d.m_searchGlobal->SetValue(!d.m_searchGlobal->GetValue());
            typeRow(d.m_windGrid, 0, tws);
            return wxID_OK;
        };
        edit<VPPDialog>(*setup, answer, message);
        // Accepted, the flipped flag is stored; refused, nothing is.
        EXPECT_EQ(setup->makeJSON() == before, message != nullptr);
    }
}

} // namespace
