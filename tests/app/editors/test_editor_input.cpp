// What the user leaves in the editors is what OK stores: a grid cell still
// being typed into, an estimate, and every value the user did not touch.

#include <map>

#include "EditorTest.h"

#include "MiscDialogs.h"
#include "VPPDialog.h"
#include "mykeuningHYDRODialog.h"

namespace {

using json = nlohmann::json;
using Input = std::function<void(wxDialog&)>;

template <class Dialog>
Input typeInCellOf(wxGrid* Dialog::*grid, int row, int col, const char* text)
{
    return [=](wxDialog& d) { typeInCell(dynamic_cast<Dialog&>(d).*grid, row, col, text); };
}

using EditorInput = EditorTest;

TEST_F(EditorInput, OkStoresCellsStillBeingTypedAndEstimates)
{
    struct Case { const char *type, *name; Input input; const char* key; json stored; };
    const Case cases[] = {
        // The example hull's wetted surface estimated (the estimators' worked example).
        {"KeuningHYDRO", "Cruiser 10m hull",
         [](wxDialog& d) { click(dynamic_cast<keuningHYDRODialog&>(d).m_estimateScButton, wxEVT_BUTTON); }, "Sc",
         25.728},
        {"VPPsetup", "Upwind with jib", typeInCellOf(&VPPDialog::m_windGrid, 0, 1, "14"), "TWS", {4.0, 14.0, 2.0}},
        {"VPPsetup", "Upwind with jib", typeInCellOf(&VPPDialog::m_boundsGrid, 2, 6, "0.5"), "UpperBound",
         {8.0, 10.0, 35.0, 10.0, 1.0, 1.0, 0.5}},
        {"KeuningHYDRO", "Cruiser 10m hull", typeInCellOf(&keuningHYDRODialog::m_rightingArmGrid, 1, 4, "0.5"), "RA",
         {0.0, 0.22, 0.4, 0.48, 0.5}},
    };
    loadExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        CObject* object = store().findObject(c.name, c.type);
        json expected = object->makeJSON();
        expected[c.key] = c.stored;
        edit(*object, [&](wxDialog& d) {
            c.input(d);
            return wxID_OK;
        });
        EXPECT_EQ(object->makeJSON(), expected);
    }
}

// A number field emptied, or given letters alone, keeps its value and shows it
// again on leaving; letters after a number are ignored. The editors keep the
// stored value itself (MTW 1.35 shows 1.4).
TEST_F(EditorInput, FieldsWithoutANumberKeepTheirValue)
{
    // An editor, the texts typed into its number fields by row, and the fields stored.
    struct Case { const char *type, *name; std::map<int, const char*> typed; json stored; };
    const Case cases[] = {
        {"MAIN", "Main 10m", {{0, "abc"}, {1, ""}, {2, "3.3a"}, {4, ""}}, {{"P", 11.8}, {"E", 4.0}, {"MQW", 3.3}, {"MTW", 1.35}}},
        {"SPI", "Symmetric spinnaker", {{0, "12.6b"}, {4, "x5"}}, {{"SLU", 12.6}, {"SPL", 4.0}}},
        {"RIG", "Fractional rig", {{13, ""}}, {{"N_SPREADERS", 2}}}};
    loadExample();
    for (const Case& c : cases) {
        CObject* object = store().findObject(c.name, c.type);
        json expected = object->makeJSON();
        expected.update(c.stored);
        edit(*object, [&](wxDialog& d) {
            int row = 0;
            for (wxWindow* child : d.GetChildren())
                if (dynamic_cast<wxSpinCtrlBase*>(child) && c.typed.count(row++))
                    type(child, c.typed.at(row - 1));
            return wxID_OK;
        });
        EXPECT_EQ(object->makeJSON(), expected);
    }

    // Outside the editors too; a typed decimal point is taken where no decimals show.
    for (const auto& [leeway, heel, guesses] : {std::tuple{"4.3", "30.5", "4.4"}, {"abc", "", "x5"}})
        wxTEST_DIALOG(menu(wxID_PREFERENCES), AnswerDialog<PreferencesDialog>([&](PreferencesDialog& d) {
                          for (const auto& [spin, typed] : {std::pair<wxWindow*, const char*>{d.m_leewaySpin, leeway},
                                   {d.m_heelSpin, heel}, {d.m_globalGuessesSpin, guesses}})
                              type(spin, typed);
                          return wxID_OK;
                      }));
    EXPECT_TRUE(store().diagramLeeway == 4.3 || store().diagramLeeway == 4.0) << store().diagramLeeway;
    EXPECT_TRUE(store().diagramHeel >= 30.0 && store().diagramHeel <= 31.0 && store().globalGuessCount == 4);
    for (const auto& [spin, typed] : {std::pair<wxWindow*, const char*>{frame->m_majorTickSpin, "45.2"},
             {frame->m_minorTickSpin, "x"}, {frame->m_radiiMinSpin, "abc"}, {frame->m_radiiMaxSpin, "9.5z"},
             {frame->m_reefFactorSpin, ""}})
        type(spin, typed);
    EXPECT_EQ(std::tuple(frame->m_majorTickSpin->GetValue(), frame->m_minorTickSpin->GetValue(), frame->m_radiiMinSpin->GetValue(),
                         frame->m_radiiMaxSpin->GetValue(), frame->m_reefFactorSpin->GetValue()), std::tuple(45, 5, 2.0, 9.5, 1.0));
    EXPECT_EQ(frame->m_reefFactorSpin->GetTextValue(), "1.00");
}

// OK with nothing touched keeps every stored value, also where a control shows
// it otherwise (more decimals, "0.000" for a small negative, a name cut at a
// NUL) and at a control's limits; only a value outside its control's range and
// an option word that is no item in its spelling become what the control holds.
TEST_F(EditorInput, OkWithNothingTouchedSavesTheSameFileButForClamps)
{
    struct Case { const char* type; json element, changes; };
    const Case cases[] = {
        {"MAIN",
         {{"Name", "Grün °"}, {"P", 150.0}, {"E", -1.0}, {"MQW", 2.6875}, {"ADJUSTABILITY", "medium"}},
         // E's defaults for MTW and MUW fall below 0 as well.
         {{"P", 100.0}, {"E", 0.0}, {"MTW", 0.0}, {"MUW", 0.0}, {"ADJUSTABILITY", "Medium"}}},
        {"MAIN", {{"Name", std::string("Main\0 B", 7)}, {"P", 100.0}, {"E", 0.0}}, json::object()},
        {"JIB", {{"Name", "J1"}, {"HLUmin", 12.04}, {"ADJUSTABILITY", "Sloppy"}}, {{"ADJUSTABILITY", "High"}}},
        {"JIB", {{"Name", "J2"}, {"ADJUSTABILITY", ""}}, json::object()},
        {"SPI", {{"Name", "S1"}, {"SPL", 4.6}, {"SPITYPE", "atoc"}}, {{"SPITYPE", "ATOC"}}},
        {"SPI", {{"Name", "S2"}, {"SPITYPE", "XX"}}, {{"SPITYPE", "SS"}}},
        {"HSF", {{"Name", "H1"}, {"HLU", 101.0}, {"HHB", 0.05}}, {{"HLU", 100.0}}},
        {"RIG", {{"Name", "R1"}, {"DW", 0.00812}, {"BD", 0.305}, {"N_SPREADERS", 12}}, {{"N_SPREADERS", 10}}},
        {"KeuningHYDRO",
         {{"Name", "K1"}, {"LCB", -0.0004}, {"LCF", -0.0004}, {"xFPP", -0.0004}, {"Lambda_k", -0.004},
          {"Lambda_r", -30.0}, {"Tc", 10.0}, {"TCRk", 0.001}, {"Sk", 2.91234}, {"mCrew", 10000.0},
          {"maxRightingMoment", 1e9}, {"Lwl", 1.0}, {"TCRr", 1.0}, {"Lrefratio", 0.0}},
         {{"Lrefratio", 0.1}}},
        {"KeuningHYDRO", {{"Name", "K2"}, {"xFPP", 2.0}},
         {{"xFPP", 0.0}, {"Lwl", 1.0}, {"Lrefratio", 0.1}, {"TCRk", 0.001}, {"TCRr", 0.001}}},
    };
    // The project file as saved before, with the changes.
    json expected;
    for (const Case& c : cases)
        expected[c.type].emplace_back(add(c.type, c.element)->makeJSON()).update(c.changes);

    for (const auto& object : store().objects)
        edit(*object, [](wxDialog&) { return wxID_OK; });
    chosenPath = dir.file("after.json");
    menu(ID_SAVE_TREE_JSON);
    EXPECT_EQ(fileContents(chosenPath.utf8_string()), expected.dump(4));
}

} // namespace
