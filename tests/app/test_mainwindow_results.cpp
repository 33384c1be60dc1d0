#include "MainFrameTest.h"

#include <algorithm>
#include <cmath>

#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "RunWindows.h"
#include "Typing.h"
#include "Sulnarsetup.h"

namespace {

class ResultCommands : public MainFrameTest {
protected:
    void button(int id) { menu(id, wxEVT_BUTTON); }
    void results(const ResultTable& rows) { store().currentResults = std::make_unique<ResultTable>(rows); }
    wxGrid* grid() const
    {
        wxPanel* panel = frame->resultTablePanel();
        return panel ? dynamic_cast<wxGrid*>(panel->GetChildren()[0]) : nullptr;
    }
    // The diagram's lines in drawing order: the grid lines, or the curves with a name of their own.
    std::vector<plFXYVector*> lines(bool named) const
    {
        std::vector<plFXYVector*> found;
        for (unsigned i = 0; i < frame->polarPlot()->CountAllLayers(); ++i)
            if (auto* line = dynamic_cast<plFXYVector*>(frame->polarPlot()->GetLayer(static_cast<int>(i))))
                if ((line->GetName() != "_noLegendEntry_") == named)
                    found.push_back(line);
        return found;
    }
};

TEST_F(ResultCommands, CommandsRefuseAndFailuresChangeNothing)
{
    wxTEST_DIALOG(button(ID_RUN_POLAR), expectError("No VPP setup selected or found."));
    loadExample();
    frame->m_vppSetupChoice->SetStringSelection("Upwind with jib");
    dynamic_cast<Sulnarsetup*>(store().findObject("Upwind with jib", "VPPsetup"))->spiName = "Symmetric spinnaker";
    wxTEST_DIALOG(button(ID_CALC_HYDRO),
                  expectError("Your active set is NOT ok. Please check the setup.\n\n"
                              " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n"));
    EXPECT_TRUE(!store().currentResults && !store().hydroResults && !frame->resultTablePanel());
    wxTEST_DIALOG(button(ID_SHOW_RESULT_TABLE), expectError("No polar results available to write into the table."));
    wxTEST_DIALOG(button(ID_MOVE_TO_BUFFER), expectError("No results available to move to buffer."));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("No polar results available to save."));

    // The grid takes the diagram's place; a short row leaves its last cells empty.
    results({polarRow(6, 40, 3), {1, 8, 90}});
    button(ID_PLOT_POLAR);
    button(ID_SHOW_RESULT_TABLE);
    ASSERT_TRUE(!frame->polarPlot() && grid() && grid()->GetNumberRows() == 2);
    EXPECT_EQ(grid()->GetCellValue(1, 2) + "|" + grid()->GetCellValue(1, 3), "90.00|");

    const ResultTable kept{polarRow(6, 90, 3)};
    results(kept);
    // Command, path (empty: cancelled), message; none changes the results or leaves a file behind.
    const std::tuple<int, std::string, std::string> cases[] = {
        {ID_SAVE_RESULT_CSV, "missing/dir/polar.csv", "Could not open file for writing."},
        {ID_SAVE_RESULT_CSV, "/dev/full", "Could not write the result table to the file."},
        {ID_SAVE_RESULT_CSV, "", ""}, {ID_LOAD_RESULT_CSV, "", ""},
        {ID_LOAD_RESULT_CSV, "absent.csv", "Cannot open file"},
        {ID_LOAD_RESULT_CSV, "short.csv", "Line 2 of the file does not hold 22 numbers with a finite resultFlag, "
                                                 "TWS and TWA. Nothing has been loaded."}};
    writeFile(dir.file("short.csv"), "header\n4,6,90,3\n");
    for (const auto& [command, path, message] : cases) {
        chosenPath = path.empty() || path[0] == '/' ? wxString(path) : wxString::FromUTF8(dir.file(path));
        if (message.empty())
            menu(command);
        else
            wxTEST_DIALOG(menu(command), expectError(message));
        EXPECT_EQ(*store().currentResults, kept) << message;
    }

    // A project holding a number that is not finite is not saved: no file is even asked for.
    addObject("JIB", "J", INFINITY);
    frame->objectStoreChanged();
    select("JIB", "J");
    for (int save : {ID_SAVE_TREE_JSON, ID_SAVE_SELECTION_JSON})
        wxTEST_DIALOG(menu(save),
                      expectError("The member \"Value\" of JIB \"J\" is not a finite number. Nothing has been saved."));
    EXPECT_EQ(chooserCalls.size(), 7u);
    EXPECT_TRUE(frame->storeChanged());
}

TEST_F(ResultCommands, PolarDiagramLayersMessagesAndOddInput)
{
    constexpr double pi = 3.141592653589793;
    results({polarRow(4, 40, 2), polarRow(4, 90, 3), polarRow(6, 90, 4), polarRow(8, 150, 5)});
    button(ID_PLOT_POLAR);
    ASSERT_TRUE(frame->polarPlot() && frame->polarPlot()->IsAspectLocked());
    // Rings 2, 4, 6, 8; 37 rays (every 30 degrees solid, the others dotted); two axes; three curves; one legend.
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 4u + 37u + 2u + 3u + 1u);
    const auto grid = lines(false);
    ASSERT_EQ(grid.size(), 41u);
    EXPECT_EQ(std::count_if(grid.begin(), grid.end(), [](auto* v) { return v->GetPen().GetStyle() == wxPENSTYLE_DOT; }), 30);
    // Rings are half circles on the right, from the top through (r, 0) to the bottom;
    // each ray runs from the inner ring to the outer at its angle from the top.
    for (int k = 0; k < 41; ++k) {
        const auto line = points(grid[k]);
        ASSERT_EQ(line.size(), k < 4 ? 37u : 2u);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const double r = k < 4 ? 2.0 + 2.0 * k : 2.0 + 6.0 * i, a = (k < 4 ? i : k - 4.0) * 5 * pi / 180;
            EXPECT_NEAR(line[i].first, r * std::sin(a), 1e-12) << k;
            EXPECT_NEAR(line[i].second, r * std::cos(a), 1e-12) << k;
        }
    }
    const auto curves = lines(true);
    ASSERT_EQ(curves.size(), 3u);
    for (const auto& [i, name, colour] :
         {std::tuple{0, "TWS=4.0m/s", *wxGREEN}, {1, "TWS=6.0m/s", *wxRED}, {2, "TWS=8.0m/s", *wxBLUE}})
        EXPECT_TRUE(curves[i]->GetName() == name && curves[i]->GetPen() == wxPen(colour, 2)) << name;
    // Speed at the true wind angle, measured from the top.
    const auto last = points(curves[2]);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_NEAR(last[0].first, 2.5, 1e-12);
    EXPECT_NEAR(last[0].second, -5 * std::sqrt(3.0) / 2, 1e-12);

    // With the buffer: three more curves with long dashes and a second legend.
    button(ID_MOVE_TO_BUFFER);
    frame->m_includeBufferCheck->SetValue(true);
    button(ID_PLOT_POLAR);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 4u + 37u + 2u + 6u + 2u);
    EXPECT_EQ(lines(true)[3]->GetPen(), wxPen(*wxGREEN, 2, wxPENSTYLE_LONG_DASH));

    // Without results the empty diagram stays; without a buffer the current curves are drawn.
    store().currentResults.reset();
    store().bufferResults.reset();
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No results available for polar plot."));
    EXPECT_EQ(frame->polarPlot() ? frame->polarPlot()->CountAllLayers() : 0u, 43u);
    results({polarRow(4, 40, 2)});
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No buffer results available for polar plot."));
    EXPECT_EQ(lines(true).size(), 1u);

    // Nine wind speeds take the colours again; an increment of 0 draws the first ring only.
    for (int tws = 5; tws <= 12; ++tws)
        store().currentResults->push_back(polarRow(tws, 90, tws * 0.5));
    frame->m_includeBufferCheck->SetValue(false);
    frame->m_radiiIncSpin->SetValue(0);
    button(ID_PLOT_POLAR);
    const auto nine = lines(true);
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_TRUE(nine[7]->GetPen().GetColour() == *wxGREEN && nine[8]->GetPen().GetColour() == *wxRED);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 1u + 37u + 2u + 9u + 1u);
}

// The main road, on GTK whole and quiet: load the example, run a polar and the force runs, each showing its
// table with every column label whole; keep the polar in the buffer, plot both, save the table and load it back.
TEST_F(ResultCommands, MainRoadOnTheExampleProject)
{
    testing::internal::CaptureStderr();
    auto* opened = new CMainFrame(nullptr);
    opened->Show();
    loadExample();
    frame->m_vppSetupChoice->SetStringSelection("Upwind with jib");
    // Run, rows, columns, a column and its label, and a column's cell in the last row.
    const std::tuple<int, int, int, int, const char*, int, const char*> runs[] = {
        {ID_RUN_POLAR, 105, 22, 21, "MHz", 2, "180.00"}, {ID_CALC_AERO, 105, 16, 3, "AWA", 0, "16.00"},
        {ID_CALC_HYDRO, 3, 20, 0, "Speed", 0, "3.00"}};
    for (const auto& [run, rows, columns, labelColumn, label, column, cell] : runs) {
        if (run != ID_CALC_HYDRO)
            button(run);
        else
            // The speed's MAX typed, and OK pressed without Enter.
            wxTEST_DIALOG(button(run), AnswerDialog<ForceRangesDialog>([](ForceRangesDialog& d) {
                              typeInCell(d.rangesGrid, 0, 1, "3");
                              return wxID_OK;
                          }));
        ASSERT_NE(grid(), nullptr);
        ASSERT_EQ(std::tuple(grid()->GetNumberRows(), grid()->GetNumberCols()), std::tuple(rows, columns));
        EXPECT_EQ(grid()->GetColLabelValue(labelColumn) + " " + grid()->GetCellValue(rows - 1, column),
                  wxString(label) + " " + cell);
        wxClientDC dc(grid());
        dc.SetFont(grid()->GetLabelFont());
        for (int col = 0; col < columns; ++col)
            EXPECT_GT(grid()->GetColSize(col), dc.GetTextExtent(grid()->GetColLabelValue(col)).x);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    opened->Destroy();
    const auto onScreen = [](const wxWindow* w) { return wxRect(w->GetScreenPosition(), w->GetSize()); };
    for (wxWindow* box : {frame->m_runPolarLabel->GetParent(), frame->m_vppSetupChoice->GetParent(),
                          frame->m_radiiMinLabel->GetParent()}) {
        EXPECT_TRUE(wxRect(frame->GetScreenPosition(), frame->GetClientSize()).Contains(onScreen(box)));
        for (const wxWindow* control : box->GetChildren())
            EXPECT_TRUE(onScreen(box).Contains(onScreen(control)) && control->GetSize().x >= control->GetBestSize().x)
                << control->GetLabel();
    }

    const ResultTable first = *store().currentResults;
    button(ID_MOVE_TO_BUFFER);
    frame->m_includeBufferCheck->SetValue(true);
    button(ID_PLOT_POLAR);
    EXPECT_EQ(lines(true).size(), 14u);

    // A failed point, whose forces are not numbers, is saved and loaded with the rest.
    std::vector<double>& failed = (*store().currentResults)[7];
    failed[0] = -1;
    std::fill(failed.begin() + 10, failed.end(), NAN);
    const ResultTable saved = *store().currentResults;
    chosenPath = wxString::FromUTF8(dir.file("polar.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), ExpectMessage("Result table saved successfully.", "Success", wxID_OK));
    store().currentResults->clear();
    menu(ID_LOAD_RESULT_CSV);
    ASSERT_EQ(store().currentResults->size(), saved.size());
    for (std::size_t r = 0; r < saved.size(); ++r)
        for (std::size_t c = 0; c < 22; ++c) {
            const double got = (*store().currentResults)[r][c], want = saved[r][c];
            EXPECT_TRUE(std::isnan(want) ? std::isnan(got) : std::abs(got - want) <= 0.005 + 1e-9) << r << " " << c;
        }
    button(ID_SHOW_RESULT_TABLE);
    EXPECT_EQ(grid()->GetCellValue(7, 0) + " " + grid()->GetCellValue(7, 21), "-1.00 nan");
    EXPECT_EQ(*store().bufferResults, first);
}

} // namespace
