#include "MainFrameTest.h"

#include <cmath>
#include <cstdio>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/spinctrl.h>

#include "RunWindows.h"
#include "Sulnarsetup.h"
#include "plotwidget.h"

namespace {

// Closes the sweep-range dialog with OK, as it was filled.
class AcceptRanges : public wxExpectModalBase<ForceRangesDialog, AcceptRanges> {
protected:
    int OnInvoked(ForceRangesDialog*) const override { return wxID_OK; }
};

std::vector<double> polarRow(double tws, double twa, double speed)
{
    std::vector<double> row(22, 0.0);
    row[0] = 4;
    row[1] = tws;
    row[2] = twa;
    row[3] = speed;
    return row;
}

std::string format2(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

class ResultCommands : public MainFrameTest {
protected:
    void loadExample()
    {
        chosenPath = SULNAR_EXAMPLES_DIR "/sulnar-example.json";
        menu(ID_LOAD_JSON);
        chosenPath.clear();
    }
    Sulnarsetup* setup(const std::string& name)
    {
        return dynamic_cast<Sulnarsetup*>(store().findObject(name, "VPPsetup"));
    }
    void chooseSetup(const std::string& name)
    {
        ASSERT_TRUE(frame->m_vppSetupChoice->SetStringSelection(wxString::FromUTF8(name)));
    }
    void button(int id)
    {
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(event);
    }
    wxGrid* grid() const
    {
        if (!frame->resultTablePanel())
            return nullptr;
        for (wxWindow* child : frame->resultTablePanel()->GetChildren())
            if (auto* g = dynamic_cast<wxGrid*>(child))
                return g;
        return nullptr;
    }
    // The curves of the diagram, in drawing order, that carry a name of their own.
    std::vector<plFXYVector*> windCurves() const
    {
        std::vector<plFXYVector*> curves;
        for (unsigned i = 0; i < frame->polarPlot()->CountAllLayers(); ++i) {
            auto* curve = dynamic_cast<plFXYVector*>(frame->polarPlot()->GetLayer(static_cast<int>(i)));
            if (curve && curve->GetName() != "_noLegendEntry_")
                curves.push_back(curve);
        }
        return curves;
    }
    int countLayers(const std::function<bool(plLayer*)>& what) const
    {
        int n = 0;
        for (unsigned i = 0; i < frame->polarPlot()->CountAllLayers(); ++i)
            n += what(frame->polarPlot()->GetLayer(static_cast<int>(i))) ? 1 : 0;
        return n;
    }
    // A small wind grid so that a run takes a moment only.
    void narrow(const std::string& name)
    {
        setup(name)->twsRange = {6, 8, 2};
        setup(name)->twaRange = {60, 180, 60};
    }
};

TEST_F(ResultCommands, RunChecksRefuseInTheirOrder)
{
    loadExample();
    // Nothing chosen in the setup choice.
    frame->m_vppSetupChoice->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(button(ID_RUN_POLAR), expectError("No VPP setup selected or found."));

    Sulnarsetup* s = setup("Upwind with jib");
    chooseSetup("Upwind with jib");
    s->spiName = "Symmetric spinnaker";
    wxTEST_DIALOG(button(ID_CALC_AERO),
                  expectError("Your active set is NOT ok. Please check the setup.\n\n"
                              " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n"));
    s->spiName = "-";
    s->twaRange = {10, 180, 1};
    wxTEST_DIALOG(button(ID_RUN_POLAR), expectError("TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed"));
    s->twaRange = {40, 180, 10};
    s->twsRange = {1, 20, 1e-6};
    wxTEST_DIALOG(button(ID_RUN_POLAR), expectError("TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed"));
    s->twsRange = {4, 8, 2};
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
    narrow("Downwind with spinnaker");
    chooseSetup("Downwind with spinnaker");

    button(ID_RUN_POLAR);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 22);
    EXPECT_EQ(grid()->GetNumberRows(), 6);
    EXPECT_EQ(grid()->GetColLabelValue(0), "resultFlag");
    EXPECT_EQ(grid()->GetColLabelValue(21), "MHz");
    const auto& rows = *store().currentResults;
    EXPECT_EQ(grid()->GetCellValue(0, 1), "6.00");
    EXPECT_EQ(grid()->GetCellValue(5, 2), "180.00");
    EXPECT_EQ(grid()->GetCellValue(3, 3).utf8_string(), format2(rows[3][3]));
    EXPECT_EQ(grid()->GetCellValue(0, 0).utf8_string(), format2(rows[0][0]));

    button(ID_CALC_AERO);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 16);
    EXPECT_EQ(grid()->GetNumberRows(), 6);
    EXPECT_EQ(grid()->GetColLabelValue(3), "AWA");

    wxTEST_DIALOG(button(ID_CALC_HYDRO), AcceptRanges());
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberCols(), 20);
    EXPECT_EQ(grid()->GetNumberRows(), 6);
    EXPECT_EQ(grid()->GetColLabelValue(15), "Eff.Draft");
    EXPECT_EQ(grid()->GetCellValue(5, 0), "6.00");
    EXPECT_EQ(grid()->GetCellValue(5, 18), "0.00");
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

    // The grid takes the diagram's place.
    button(ID_SHOW_RESULT_TABLE);
    EXPECT_EQ(frame->polarPlot(), nullptr);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->GetNumberRows(), 2);

    button(ID_MOVE_TO_BUFFER);
    EXPECT_EQ(store().bufferResults->size(), 2u);

    // A short row leaves its last cells empty instead of reading past it.
    store().currentResults->push_back({1, 8, 90});
    button(ID_SHOW_RESULT_TABLE);
    EXPECT_EQ(grid()->GetCellValue(2, 2), "90.00");
    EXPECT_EQ(grid()->GetCellValue(2, 3), "");
}

TEST_F(ResultCommands, PolarDiagramLayers)
{
    constexpr double pi = 3.141592653589793;
    store().currentResults = std::make_unique<ResultTable>(
        ResultTable{polarRow(4, 40, 2), polarRow(4, 90, 3), polarRow(6, 90, 4), polarRow(8, 150, 5)});
    button(ID_PLOT_POLAR);
    plWindow* plot = frame->polarPlot();
    ASSERT_NE(plot, nullptr);
    EXPECT_TRUE(plot->IsAspectLocked());
    // Rings 2, 4, 6, 8; 37 rays; two axes; three curves; one legend.
    EXPECT_EQ(plot->CountAllLayers(), 4u + 37u + 2u + 3u + 1u);
    auto rays = [&](wxPenStyle style) {
        return countLayers([&](plLayer* l) {
            auto* v = dynamic_cast<plFXYVector*>(l);
            int points = 0;
            double x, y;
            if (v) {
                v->Rewind();
                while (v->GetNextXY(x, y))
                    ++points;
            }
            return v && v->GetName() == "_noLegendEntry_" && points == 2 && v->GetPen().GetStyle() == style;
        });
    };
    EXPECT_EQ(rays(wxPENSTYLE_SOLID), 7);
    EXPECT_EQ(rays(wxPENSTYLE_DOT), 30);
    EXPECT_EQ(countLayers([](plLayer* l) { return dynamic_cast<plInfoLegend*>(l) != nullptr; }), 1);

    const auto curves = windCurves();
    ASSERT_EQ(curves.size(), 3u);
    EXPECT_EQ(curves[0]->GetName(), "TWS=4.0m/s");
    EXPECT_EQ(curves[2]->GetName(), "TWS=8.0m/s");
    EXPECT_EQ(curves[0]->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(curves[1]->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(curves[2]->GetPen().GetColour(), *wxBLUE);
    EXPECT_EQ(curves[0]->GetPen().GetWidth(), 2);
    double x, y;
    curves[0]->Rewind();
    ASSERT_TRUE(curves[0]->GetNextXY(x, y));
    EXPECT_NEAR(x, 2 * std::sin(40 * pi / 180), 1e-12);
    EXPECT_NEAR(y, 2 * std::cos(40 * pi / 180), 1e-12);
    curves[2]->Rewind();
    ASSERT_TRUE(curves[2]->GetNextXY(x, y));
    EXPECT_NEAR(x, 2.5, 1e-12);
    EXPECT_NEAR(y, -5 * std::sqrt(3.0) / 2, 1e-12);

    // With the buffer: three more curves with long dashes and a second legend.
    store().bufferResults = std::make_unique<ResultTable>(*store().currentResults);
    frame->m_includeBufferCheck->SetValue(true);
    button(ID_PLOT_POLAR);
    const auto both = windCurves();
    ASSERT_EQ(both.size(), 6u);
    EXPECT_EQ(both[3]->GetPen().GetStyle(), wxPENSTYLE_LONG_DASH);
    EXPECT_EQ(both[3]->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(countLayers([](plLayer* l) { return dynamic_cast<plInfoLegend*>(l) != nullptr; }), 2);
    EXPECT_EQ(frame->resultTablePanel(), nullptr);
}

TEST_F(ResultCommands, PolarDiagramMessagesAndOddInput)
{
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No results available for polar plot."));
    ASSERT_NE(frame->polarPlot(), nullptr);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 43u);

    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(4, 40, 2)});
    frame->m_includeBufferCheck->SetValue(true);
    wxTEST_DIALOG(button(ID_PLOT_POLAR), expectError("No buffer results available for polar plot."));
    EXPECT_EQ(windCurves().size(), 1u);

    // Nine wind speeds take the colours again; a NaN wind and a short row are left out.
    ResultTable many;
    for (int tws = 1; tws <= 9; ++tws)
        many.push_back(polarRow(tws, 90, tws * 0.5));
    many.push_back(polarRow(std::nan(""), 90, 1));
    many.push_back({4, 10, 90});
    store().currentResults = std::make_unique<ResultTable>(many);
    frame->m_includeBufferCheck->SetValue(false);
    // An increment of 0 draws the first ring only.
    frame->m_radiiIncSpin->SetValue(0);
    button(ID_PLOT_POLAR);
    const auto curves = windCurves();
    ASSERT_EQ(curves.size(), 9u);
    EXPECT_EQ(curves[7]->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(curves[8]->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(frame->polarPlot()->CountAllLayers(), 1u + 37u + 2u + 9u + 1u);
    frame->polarPlot()->Refresh();
    frame->polarPlot()->Update();
}

TEST_F(ResultCommands, CsvFilesOutAndBack)
{
    TempDir dir;
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("No polar results available to save."));

    std::vector<double> row = polarRow(6, 52.5, 3.456);
    row[4] = -0.004;
    store().currentResults = std::make_unique<ResultTable>(ResultTable{row, polarRow(4, 90, 2)});
    chosenPath = wxString::FromUTF8(dir.file("polar.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), ExpectMessage("Result table saved successfully.", "Success", wxID_OK));
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].message, "Save Result Table");
    EXPECT_EQ(chooserCalls[0].wildcard, "CSV files (*.csv)|*.csv|All files (*.*)|*.*");
    EXPECT_EQ(chooserCalls[0].style, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
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
    EXPECT_EQ(chooserCalls[1].message, "Open C file");
    EXPECT_EQ(chooserCalls[1].wildcard, "CSV files (*.csv;*.CSV)|*.csv;*.CSV");
    EXPECT_EQ(chooserCalls[1].style, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    ASSERT_EQ(store().currentResults->size(), 2u);
    EXPECT_EQ((*store().currentResults)[0][1], 4.0);
    EXPECT_EQ((*store().currentResults)[1][3], 3.46);
    EXPECT_EQ((*store().currentResults)[1][4], -0.0);
    EXPECT_EQ(store().bufferResults->size(), 1u);
}

TEST_F(ResultCommands, CsvFailuresChangeNothing)
{
    TempDir dir;
    store().currentResults = std::make_unique<ResultTable>(ResultTable{polarRow(6, 90, 3)});

    chosenPath = wxString::FromUTF8(dir.file("missing/dir/polar.csv"));
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("Could not open file for writing."));
    chosenPath = "/dev/full";
    wxTEST_DIALOG(menu(ID_SAVE_RESULT_CSV), expectError("Could not write the result table to the file."));
    chosenPath.clear();
    menu(ID_SAVE_RESULT_CSV); // cancelled: no message

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
    for (std::size_t k = 0; k < curves.size(); ++k) {
        const double tws = 4.0 + 2.0 * static_cast<double>(k);
        EXPECT_EQ(curves[k]->GetName(), wxString::Format("TWS=%.1fm/s", tws));
        // The beam-reach point of each curve lies at the speed the table gives.
        const auto& beam = first[k * 15 + 5];
        ASSERT_EQ(beam[2], 90.0);
        double x, y;
        curves[k]->Rewind();
        for (int i = 0; i <= 5; ++i)
            ASSERT_TRUE(curves[k]->GetNextXY(x, y));
        EXPECT_NEAR(x, beam[3], 1e-12);
        EXPECT_NEAR(y, 0.0, 1e-12);
    }

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
