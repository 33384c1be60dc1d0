#include "MainFrameTest.h"

#include <cmath>

#include <wx/checkbox.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "RunWindows.h"
#include "Sulnarsetup.h"
#include "plotwidget.h"

namespace {

std::vector<std::pair<double, double>> points(plFXYVector* curve)
{
    std::vector<std::pair<double, double>> xy;
    double x, y;
    curve->Rewind();
    while (curve->GetNextXY(x, y))
        xy.emplace_back(x, y);
    return xy;
}

class ResultCommands : public MainFrameTest {
protected:
    Sulnarsetup* setup(const std::string& name)
    {
        return dynamic_cast<Sulnarsetup*>(store().findObject(name, "VPPsetup"));
    }
    void chooseSetup(const std::string& name)
    {
        ASSERT_TRUE(frame->m_vppSetupChoice->SetStringSelection(wxString::FromUTF8(name)));
    }
    void button(int id) { menu(id, wxEVT_BUTTON); }
    wxGrid* grid() const
    {
        wxPanel* panel = frame->resultTablePanel();
        return panel ? dynamic_cast<wxGrid*>(panel->GetChildren().GetFirst()->GetData()) : nullptr;
    }
    // The layers of class T of the diagram, in drawing order, that `keep` accepts.
    template <class T>
    std::vector<T*> layers(const std::function<bool(T*)>& keep = [](T*) { return true; }) const
    {
        std::vector<T*> found;
        for (unsigned i = 0; i < frame->polarPlot()->CountAllLayers(); ++i)
            if (auto* layer = dynamic_cast<T*>(frame->polarPlot()->GetLayer(static_cast<int>(i))); layer && keep(layer))
                found.push_back(layer);
        return found;
    }
    // The curves that carry a name of their own.
    std::vector<plFXYVector*> windCurves() const
    {
        return layers<plFXYVector>([](plFXYVector* curve) { return curve->GetName() != "_noLegendEntry_"; });
    }
};

TEST_F(ResultCommands, RunChecksRefuseInTheirOrder)
{
    loadExample();
    frame->m_vppSetupChoice->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(button(ID_RUN_POLAR), expectError("No VPP setup selected or found."));

    Sulnarsetup* s = setup("Upwind with jib");
    chooseSetup("Upwind with jib");
    s->spiName = "Symmetric spinnaker";
    wxTEST_DIALOG(button(ID_CALC_AERO),
                  expectError("Your active set is NOT ok. Please check the setup.\n\n"
                              " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n"));
    s->spiName = "-";
    s->upperBounds[2] = s->lowerBounds[2];
    wxTEST_DIALOG(button(ID_CALC_HYDRO),
                  expectError("The upper bound of heel must be greater than its lower bound in the VPP setup."));
    EXPECT_EQ(store().currentResults, nullptr);
    EXPECT_EQ(store().aeroResults, nullptr);
    EXPECT_EQ(store().hydroResults, nullptr);
    EXPECT_EQ(frame->resultTablePanel(), nullptr);
}

TEST_F(ResultCommands, EachRunShowsItsTableAsAGrid)
{
    loadExample();
    setup("Downwind with spinnaker")->twsRange = {6, 8, 2};
    setup("Downwind with spinnaker")->twaRange = {60, 180, 60};
    chooseSetup("Downwind with spinnaker");

    button(ID_RUN_POLAR);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 22);
    EXPECT_EQ(grid()->GetNumberRows(), 6);
    EXPECT_EQ(grid()->GetColLabelValue(21), "MHz");
    EXPECT_EQ(grid()->GetCellValue(5, 2), "180.00");
    EXPECT_EQ(grid()->GetCellValue(3, 3), wxString::Format("%.2f", (*store().currentResults)[3][3]));

    button(ID_CALC_AERO);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 16);
    EXPECT_EQ(grid()->GetColLabelValue(3), "AWA");

    wxTEST_DIALOG(button(ID_CALC_HYDRO), wxExpectDismissableModal<ForceRangesDialog>(wxID_OK));
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 20);
    EXPECT_EQ(grid()->GetCellValue(5, 0), "6.00");
}

TEST_F(ResultCommands, ShowResultTableAndTheBuffer)
{
    wxTEST_DIALOG(button(ID_SHOW_RESULT_TABLE), expectError("No polar results available to write into the table."));
    wxTEST_DIALOG(button(ID_MOVE_TO_BUFFER), expectError("No results available to move to buffer."));

    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(4, 40, 2)});
    button(ID_PLOT_POLAR);
    ASSERT_NE(frame->polarPlot(), nullptr);
    button(ID_MOVE_TO_BUFFER);
    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(6, 40, 3), polarRow(6, 90, 3.5)});
    ASSERT_NE(store().bufferResults, nullptr);
    EXPECT_EQ(*store().bufferResults, (ResultTable{polarRow(4, 40, 2)}));

    // The grid takes the diagram's place; a short row leaves its last cells empty.
    store().currentResults->push_back({1, 8, 90});
    button(ID_SHOW_RESULT_TABLE);
    EXPECT_EQ(frame->polarPlot(), nullptr);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberRows(), 3);
    EXPECT_EQ(grid()->GetCellValue(2, 2), "90.00");
    EXPECT_EQ(grid()->GetCellValue(2, 3), "");
    button(ID_MOVE_TO_BUFFER);
    EXPECT_EQ(store().bufferResults->size(), 3u);
}

TEST_F(ResultCommands, PolarDiagramLayersMessagesAndOddInput)
{
    constexpr double pi = 3.141592653589793;
    store().currentResults = std::make_unique<ResultTable>(
        ResultTable{polarRow(4, 40, 2), polarRow(4, 90, 3), polarRow(6, 90, 4), polarRow(8, 150, 5)});
    button(ID_PLOT_POLAR);
    plWindow* plot = frame->polarPlot();
    ASSERT_NE(plot, nullptr);
    EXPECT_TRUE(plot->IsAspectLocked());
    // Rings 2, 4, 6, 8; 37 rays (every 30 degrees solid, the others dotted); two axes; three curves; one legend.
    EXPECT_EQ(plot->CountAllLayers(), 4u + 37u + 2u + 3u + 1u);
    EXPECT_EQ(layers<plFXYVector>([](plFXYVector* v) { return v->GetPen().GetStyle() == wxPENSTYLE_DOT; }).size(), 30u);
    EXPECT_EQ(layers<plInfoLegend>().size(), 1u);
    // The rings are half circles on the right, from the top through (r, 0) to the bottom;
    // each ray runs from the inner ring to the outer at its angle from the top.
    const auto grid = layers<plFXYVector>([](plFXYVector* v) { return v->GetName() == "_noLegendEntry_"; });
    ASSERT_EQ(grid.size(), 41u);
    for (int k = 0; k < 4; ++k) {
        const auto ring = points(grid[k]);
        const double r = 2.0 + 2.0 * k;
        ASSERT_EQ(ring.size(), 37u);
        for (std::size_t i = 0; i < ring.size(); ++i) {
            EXPECT_NEAR(ring[i].first, r * std::sin(i * 5 * pi / 180), 1e-12);
            EXPECT_NEAR(ring[i].second, r * std::cos(i * 5 * pi / 180), 1e-12);
        }
    }
    for (int k = 0; k < 37; ++k) {
        const double a = k * 5 * pi / 180;
        const auto ray = points(grid[4 + k]);
        EXPECT_EQ(ray.size(), 2u);
        for (const auto& [end, r] : {std::pair{0, 2.0}, {1, 8.0}}) {
            EXPECT_NEAR(ray[end].first, r * std::sin(a), 1e-12) << k;
            EXPECT_NEAR(ray[end].second, r * std::cos(a), 1e-12) << k;
        }
    }

    const auto curves = windCurves();
    ASSERT_EQ(curves.size(), 3u);
    const std::vector<std::pair<const char*, wxColour>> looks{
        {"TWS=4.0m/s", *wxGREEN}, {"TWS=6.0m/s", *wxRED}, {"TWS=8.0m/s", *wxBLUE}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(curves[i]->GetName(), looks[i].first);
        EXPECT_EQ(curves[i]->GetPen().GetColour(), looks[i].second);
        EXPECT_EQ(curves[i]->GetPen().GetWidth(), 2);
    }
    // Speed at the true wind angle, measured from the top.
    const std::vector<std::pair<double, double>> last = points(curves[2]);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_NEAR(last[0].first, 2.5, 1e-12);
    EXPECT_NEAR(last[0].second, -5 * std::sqrt(3.0) / 2, 1e-12);

    // With the buffer: three more curves with long dashes and a second legend.
    store().bufferResults = std::make_unique<ResultTable>(*store().currentResults);
    frame->m_includeBufferCheck->SetValue(true);
    button(ID_PLOT_POLAR);
    const auto both = windCurves();
    ASSERT_EQ(both.size(), 6u);
    EXPECT_EQ(both[3]->GetPen().GetStyle(), wxPENSTYLE_LONG_DASH);
    EXPECT_EQ(both[3]->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(layers<plInfoLegend>().size(), 2u);

    // Without results the empty diagram stays; without a buffer the current curves are drawn.
    store().currentResults.reset();
    store().bufferResults.reset();
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No results available for polar plot."));
    ASSERT_NE(frame->polarPlot(), nullptr);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 43u);
    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(4, 40, 2)});
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No buffer results available for polar plot."));
    EXPECT_EQ(windCurves().size(), 1u);

    // Nine wind speeds take the colours again; an increment of 0 draws the first ring only.
    store().currentResults = std::make_unique<ResultTable>();
    for (int tws = 1; tws <= 9; ++tws)
        store().currentResults->push_back(polarRow(tws, 90, tws * 0.5));
    store().currentResults->push_back(polarRow(std::nan(""), 90, 1)); // left out, as a short row
    store().currentResults->push_back({4, 10, 90});
    frame->m_includeBufferCheck->SetValue(false);
    frame->m_radiiIncSpin->SetValue(0);
    button(ID_PLOT_POLAR);
    const auto nine = windCurves();
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_EQ(nine[7]->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(nine[8]->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 1u + 37u + 2u + 9u + 1u);
}

TEST_F(ResultCommands, CsvFilesOutAndBackAndFailures)
{
    TempDir dir;
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("No polar results available to save."));

    std::vector<double> row = polarRow(6, 52.5, 3.456);
    row[4] = -0.004;
    store().currentResults = std::make_unique<ResultTable>(ResultTable{row, polarRow(4, 90, 2)});
    chosenPath = wxString::FromUTF8(dir.file("polar.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), ExpectMessage("Result table saved successfully.", "Success", wxID_OK));
    std::string tail;
    for (int i = 0; i < 17; ++i)
        tail += ",0.00";
    EXPECT_EQ(fileContents(dir.file("polar.csv")),
              "resultFlag,TWS,TWA,speed,leeway,heel,rudder,flat,reef,twist,FAx,FAy,FAz,MAx,MAy,MAz,FHx,FHy,FHz,MHx,"
              "MHy,MHz\n"
              "4.00,6.00,52.50,3.46,-0.00" + tail + "\n"
              "4.00,4.00,90.00,2.00,0.00" + tail + "\n");

    // Loading gives the rows back sorted and rounded; the buffer stays.
    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(1, 1, 1)});
    store().bufferResults = std::make_unique<ResultTable>(ResultTable{polarRow(2, 2, 2)});
    menu(ID_LOAD_RESULT_CSV);
    EXPECT_EQ(chooserCalls, (std::vector<ChooserCall>{
                                {"Save Result Table", "CSV files (*.csv)|*.csv|All files (*.*)|*.*",
                                 wxFD_SAVE | wxFD_OVERWRITE_PROMPT},
                                {"Open C file", "CSV files (*.csv;*.CSV)|*.csv;*.CSV", wxFD_OPEN | wxFD_FILE_MUST_EXIST}}));
    ASSERT_EQ(store().currentResults->size(), 2u);
    EXPECT_EQ((*store().currentResults)[0][1], 4.0);
    EXPECT_EQ((*store().currentResults)[1][3], 3.46);
    EXPECT_EQ((*store().currentResults)[1][4], -0.0);
    EXPECT_EQ(store().bufferResults->size(), 1u);

    // Failures change nothing.
    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(6, 90, 3)});
    chosenPath = wxString::FromUTF8(dir.file("missing/dir/polar.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("Could not open file for writing."));
    chosenPath = "/dev/full";
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("Could not write the result table to the file."));
    chosenPath.clear();
    menu(ID_SAVE_RESULT_CSV); // cancelled: no message
    // A table that could not be loaded again is not saved.
    store().currentResults->front()[12] = std::nan("");
    chosenPath = wxString::FromUTF8(dir.file("nan.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV),
                  expectError("The polar results hold values that are not finite numbers and cannot be saved as CSV."));
    EXPECT_FALSE(wxFileExists(chosenPath));
    store().currentResults->front()[12] = 0.0;

    chosenPath = wxString::FromUTF8(dir.file("absent.csv"));
    wxTEST_DIALOG(menu(ID_LOAD_RESULT_CSV), expectError("Cannot open file"));
    writeFile(dir.file("short.csv"), "header\n4,6,90,3\n");
    chosenPath = wxString::FromUTF8(dir.file("short.csv"));
    wxTEST_DIALOG(menu(ID_LOAD_RESULT_CSV),
                  expectError("Line 2 of the file does not hold 22 finite numbers. Nothing has been loaded."));
    EXPECT_EQ(*store().currentResults, (ResultTable{polarRow(6, 90, 3)}));
}

// The main road: load the example, run a polar, plot it, keep it in the
// buffer, run another setup, plot both, save the table and load it back.
TEST_F(ResultCommands, MainRoadOnTheExampleProject)
{
    TempDir dir;
    loadExample();
    chooseSetup("Upwind with jib");
    button(ID_RUN_POLAR);
    ASSERT_NE(grid(), nullptr);
    const ResultTable first = *store().currentResults;
    EXPECT_EQ(grid()->GetNumberRows(), static_cast<int>(first.size()));
    EXPECT_EQ(first.size(), 7u * 15u);

    button(ID_PLOT_POLAR);
    auto curves = windCurves();
    ASSERT_EQ(curves.size(), 7u);
    // The beam-reach point of the last curve lies at the speed the table gives.
    EXPECT_EQ(curves[6]->GetName(), "TWS=16.0m/s");
    ASSERT_EQ(first[6 * 15 + 5][2], 90.0);
    EXPECT_NEAR(points(curves[6])[5].first, first[6 * 15 + 5][3], 1e-12);

    button(ID_MOVE_TO_BUFFER);
    chooseSetup("Reaching with code zero");
    button(ID_RUN_POLAR);
    EXPECT_EQ(*store().bufferResults, first);
    frame->m_includeBufferCheck->SetValue(true);
    button(ID_PLOT_POLAR);
    EXPECT_EQ(windCurves().size(), 14u);

    chosenPath = wxString::FromUTF8(dir.file("reaching.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), ExpectMessage("Result table saved successfully.", "Success", wxID_OK));
    const ResultTable second = *store().currentResults;
    menu(ID_LOAD_RESULT_CSV);
    ASSERT_EQ(store().currentResults->size(), second.size());
    for (std::size_t r = 0; r < second.size(); ++r)
        for (std::size_t c = 0; c < 22; ++c)
            EXPECT_NEAR((*store().currentResults)[r][c], second[r][c], 0.005 + 1e-9);
}

} // namespace
