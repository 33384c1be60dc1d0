#include "MainFrameTest.h"

#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "CompareTable.h"
#include "MiscDialogs.h"
#include "Sulnarsetup.h"

namespace {

TEST(CompareTable, CarpetTablesAndDifferences)
{
    // Values, column and row headings of the speed, NaN marking a blank cell. Groups in the order their TWS
    // first appears, the headings every TWA of any group, ascending, each value under its own: 8 m/s lacks 60°,
    // 6 m/s lacks 40°; 90° twice fills both its headings in order. A row too short for the speed, one too
    // short for TWA, and one with a NaN TWS.
    const ResultTable rows{polarRow(8, 40, 1), {4, 7}, polarRow(8, 90, 2), polarRow(NAN, 60, 9), {4, 6, 60},
                           polarRow(6, 90, 5), polarRow(6, 90, 7)};
    const CarpetTable t = makeCarpetTable(&rows, 3);
    EXPECT_EQ(testing::PrintToString(std::make_tuple(t.values, t.twaValues, t.twsValues)),
              "({ { 1, nan, 2, nan }, { nan, nan, 5, 7 } }, { 40, 60, 90, 90 }, { 8, 6 })");
    EXPECT_EQ(subtractMatrices({{5, 3, 1}, {2}, {7}, {8}}, {{1, 1}, {4, 4}, {}}), (ResultTable{{4, 2}, {-2}, {}}));
    EXPECT_TRUE(subtractMatrices({}, {{1}}).empty());
    const ResultTable none;
    const CarpetTable e = makeCarpetTable(&none, 3);
    EXPECT_TRUE(e.values.empty() && e.twaValues.empty() && e.twsValues.empty());
}

// The compare grid as text: the column labels, then each row label with its cells.
std::string shown(const CMainFrame* f)
{
    auto* grid = dynamic_cast<wxGrid*>(f->compareTablePanel()->GetChildren()[0]);
    wxString text;
    for (int i = -1; i < grid->GetNumberRows(); ++i) {
        text << (i < 0 ? wxString() : "\n" + grid->GetRowLabelValue(i));
        for (int j = 0; j < grid->GetNumberCols(); ++j)
            text << "|" << (i < 0 ? grid->GetColLabelValue(j) : grid->GetCellValue(i, j));
    }
    return text.utf8_string();
}

TEST_F(MainFrameTest, CompareModesAndMessages)
{
    // A run, a run moved to the buffer, and rows of a file: other TWA values, one row without a speed.
    const ResultTable run{polarRow(6, 40, 3), polarRow(6, 90, 4.5), polarRow(8, 40, 3.25), polarRow(8, 90, 5)};
    const ResultTable moved{polarRow(6, 40, 2.5), polarRow(6, 90, 5), polarRow(8, 40, 3.25), polarRow(8, 90, 4)};
    const ResultTable file{polarRow(6, 40, 3), polarRow(8, 40, 5), {4, 8, 100}};
    // The run without its points at 6 m/s, 40° and 8 m/s, 90° (the last group), read from a file.
    const std::string zeros = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n";
    writeFile(dir.file("gap.csv"), "header\n4,6,90,4.5" + zeros + "4,8,40,3.25" + zeros);
    chosenPath = wxString::FromUTF8(dir.file("gap.csv"));
    menu(ID_LOAD_RESULT_CSV);
    const ResultTable gap = *store().currentResults;
    // Current table, buffer, mode, variable, and the grid or the message that leaves the grid before it.
    const std::vector<std::tuple<const ResultTable*, const ResultTable*, int, int, std::string>> cases{
        {&run, &moved, 0, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s|0.50|-0.50\nTWS=8.0m/s|0.00|1.00"},
        {&run, &moved, 1, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s|-0.50|0.50\nTWS=8.0m/s|0.00|-1.00"},
        {{}, &moved, 3, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s|2.50|5.00\nTWS=8.0m/s|3.25|4.00"},
        {&gap, &moved, 0, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s||-0.50\nTWS=8.0m/s|0.00|"},
        {&moved, &gap, 1, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s||-0.50\nTWS=8.0m/s|0.00|"},
        {&gap, {}, 2, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s||4.50\nTWS=8.0m/s|3.25|"},
        {{}, &gap, 3, 3, "|TWA=40.0°|TWA=90.0°\nTWS=6.0m/s||4.50\nTWS=8.0m/s|3.25|"},
        {&file, {}, 2, 3, "|TWA=40.0°|TWA=100.0°\nTWS=6.0m/s|3.00|\nTWS=8.0m/s|5.00|"},
        {{}, {}, -1, -1, "Please select a compare mode."}, {{}, {}, 2, -1, "Please select a variable to compare."},
        {{}, {}, 0, 3, "No VPP result available"}, {&run, {}, 1, 3, "No VPP buffer available"},
        {{}, &run, 2, 3, "No VPP results available"}, {&run, {}, 3, 3, "No VPP buffer available"},
        {&run, &file, 1, 3,
         "The row and column headers of the result and buffer matrices are not equal. Cannot compare."},
    };
    for (const auto& [current, buffer, mode, variable, expected] : cases) {
        store().currentResults = current ? std::make_unique<ResultTable>(*current) : nullptr;
        store().bufferResults = buffer ? std::make_unique<ResultTable>(*buffer) : nullptr;
        frame->m_compareModeChoice->SetSelection(mode);
        frame->m_resultVariableChoice->SetSelection(variable);
        if (expected[0] == '|')
            menu(ID_WRITE_COMPARE_TABLE, wxEVT_BUTTON);
        else
            wxTEST_DIALOG(menu(ID_WRITE_COMPARE_TABLE, wxEVT_BUTTON), expectError(expected));
        // Every message comes after the grid of the file rows and leaves it on the page.
        EXPECT_EQ(shown(frame), expected[0] == '|' ? expected : std::get<4>(cases[7])) << expected;
    }
}

// Counts the progress reports of a run: one per start point solved.
struct CountingInterface : WxUserInterface { void progressUpdate(int) override { ++updates; } int updates = 0; };

TEST_F(MainFrameTest, PreferencesClampAndReachTheNextGlobalRun)
{
    using R = std::vector<double>;
    // Values beyond the ranges: the spin controls show them clamped, and OK alone writes them back.
    const std::tuple<std::tuple<double, double, int>, int, std::tuple<double, double, int>> cases[] = {
        {{15, 50, 1}, wxID_CANCEL, {15, 50, 1}}, {{15, 50, 1}, wxID_OK, {10, 45, 3}}, {{-1, -1, 12}, wxID_OK, {0, 0, 9}}};
    for (const auto& [before, button, after] : cases) {
        std::tie(store().diagramLeeway, store().diagramHeel, store().globalGuessCount) = before;
        wxTEST_DIALOG(menu(wxID_PREFERENCES), wxExpectDismissableModal<PreferencesDialog>(button));
        EXPECT_EQ(std::tie(store().diagramLeeway, store().diagramHeel, store().globalGuessCount), after);
    }

    // One wind point, 12 m/s at 12°, from the start values and from 2 · 9 guesses for each of speed, flat and reef.
    loadExample();
    auto* setup = dynamic_cast<Sulnarsetup*>(store().findObject("Upwind with jib", "VPPsetup"));
    std::tie(setup->searchGlobal, setup->twsRange, setup->twaRange) = std::tuple(true, R{12, 12, 12}, R{12, 12, 12});
    frame->m_vppSetupChoice->SetStringSelection("Upwind with jib");
    CountingInterface counting;
    installUserInterface(&counting);
    menu(ID_RUN_POLAR, wxEVT_BUTTON);
    installUserInterface(&windows);
    EXPECT_EQ(counting.updates, 1 + 3 * 2 * 9);
}

} // namespace
