// The plot window's view arithmetic, mouse navigation, menu and layer list; printing onto a
// page, screenshots and the colour theme.

#include <functional>

#include <wx/filename.h>
#include <wx/uiaction.h>

#include "PlotTestSupport.h"

namespace {

// Counts how often the window painted it, and its destruction.
struct PaintCounter : plLayer {
    PaintCounter(int& paints, int& deaths) : paints(paints), deaths(deaths) {}
    ~PaintCounter() override { ++deaths; }
    bool HasBBox() override { return false; }
    void Plot(wxDC&, plWindow&) override { ++paints; }
    int &paints, &deaths;
};

class PlotView : public PlotWindowTest {
protected:
    // An action and the view after it: scale x and y, position x and y, then (if given) the
    // desired x and y bounds.
    using Step = std::pair<std::function<void()>, std::vector<double>>;
    void walk(const std::vector<Step>& steps)
    {
        for (size_t s = 0; s < steps.size(); ++s) {
            steps[s].first();
            const double got[] = {window->GetScaleX(),      window->GetScaleY(),      window->GetPosX(),
                                  window->GetPosY(),        window->GetDesiredXmin(), window->GetDesiredXmax(),
                                  window->GetDesiredYmin(), window->GetDesiredYmax()};
            for (size_t i = 0; i < steps[s].second.size(); ++i)
                EXPECT_NEAR(got[i], steps[s].second[i], 1e-9) << "step " << s << ", view value " << i;
        }
    }
    // Presses the left or right button at the first point, moves through the others, releases at the last.
    void drag(bool left, const std::vector<wxPoint>& path)
    {
        mouse(left ? wxEVT_LEFT_DOWN : wxEVT_RIGHT_DOWN, path[0].x, path[0].y, left, !left);
        for (const wxPoint& p : path)
            mouse(wxEVT_MOTION, p.x, p.y, left, !left), window->Update();
        mouse(left ? wxEVT_LEFT_UP : wxEVT_RIGHT_UP, path.back().x, path.back().y);
    }
};

TEST_F(PlotView, FitLockAspectMarginsAndLayers)
{
    const double s = 600.0 / 180;
    window->AddLayer(new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0));
    window->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH));
    walk({{[&] { window->Fit(0, 180, 0, 1.8); }, {s, 400.0 / 1.8, 0.0, 1.8, 0, 180, 0, 1.8}},
          // Locked aspect takes the smaller scale about the centre (300, 200).
          {[&] { window->LockAspect(true); }, {s, s, 90 - 300 / s, 0.9 + 200 / s}},
          {[&] { menu(plID_LOCKASPECT); }, {s, 400.0 / 1.8, 0.0, 1.8}},
          // Plot area 540 x 360, centre (270 + 40, 180 + 10).
          {[&] { window->SetMargins(10, 20, 30, 40), window->Fit(0, 54, 0, 36); }, {10, 10, 27 - 31, 18 + 19}},
          // No width: scale 1. Non-finite bounds are ignored.
          {[&] { window->Fit(5, 5, 0, 36), window->Fit(0, NAN, 0, 1), window->Fit(-INFINITY, 1, 0, 1); },
           {1, 10, 5 - 310.0, 18 + 19, 5, 5, 0, 36}},
          // Margins wider than the window leave a plot area of one pixel.
          {[&] { window->SetMargins(300, 400, 300, 400), window->Fit(0, 2, 0, 4); },
           {0.5, 0.25, 1 - 400 / 0.5, 2 + 300 / 0.25}},
          // Axes and info boxes have no bounds: fitting to them alone changes nothing. A curve with bounds
          // 0..60 x 0..20 after the 0.5 widening; scroll bars asked of a window without them are ignored.
          {[&] { window->SetMargins(0, 0, 0, 0), window->Fit(0, 60, 0, 40), menu(plID_FIT); }, {10, 10, 0, 40}},
          {[&] { window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 19.5})), window->SetPLScrollbars(true); }, {}},
          {[&] { menu(plID_FIT), window->SetPLScrollbars(false); }, {10, 20, 0, 20, 0, 60, 0, 20}}});
    EXPECT_FALSE(window->GetPopupMenu()->IsChecked(plID_LOCKASPECT));
}

TEST_F(PlotView, ZoomsWheelAndDrags)
{
    // Plot point under (100, 100) is (10, 30); it stays there at scale 15. Without a point
    // zooms are about the centre (300, 200), plot point (30, 20).
    const double left = 10 - 100.0 / 15, top = 30 + 100.0 / 15, s = 10 / 1.5;
    walk({{[&] { window->Fit(0, 60, 0, 40), window->ZoomIn(wxPoint(100, 100)); },
           {15, 15, left, top, left, left + 40, top - 400.0 / 15, top}},
          {[&] { window->ZoomOut(wxPoint(100, 100)); }, {10, 10, 0, 40, 0, 60, 0, 40}},
          {[&] { window->ZoomOut(); }, {s, s, 30 - 300 / s, 20 + 200 / s}},
          {[&] { window->ZoomInX(), window->ZoomOutY(); }, {10, s / 1.5, 30 - 300 / s, 20 + 200 / s}},
          {[&] { window->ZoomIn(), window->ZoomOutX(), window->ZoomInY(); }, {10, 10, -5, 35}},
          // 120 pixels: posY lowered by 60 plot units, with SHIFT posX raised by 60.
          {[&] { window->Fit(0, 300, 0, 200), wheel(-120, 10, 10, false, false); }, {2, 2, 0, 140, 0, 300, -60, 140}},
          {[&] { wheel(-120, 10, 10, false, true); }, {2, 2, 60, 140, 60, 360, -60, 140}},
          // CTRL zooms about plot point (60 + 100 / 2, 140 - 50 / 2) under the mouse.
          {[&] { wheel(120, 100, 50, true, false); }, {3, 3, 110 - 100.0 / 3, 115 + 50.0 / 3}},
          {[&] { wheel(-120, 100, 50, true, false); }, {2, 2, 60, 140}},
          {[&] { window->EnableMousePanZoom(false), wheel(-120, 10, 10, false, false); }, {2, 2, 60, 140}}});

    // dx = (100 - 130) / 10 + (130 - 120) / 10, dy = (80 - 100) / 10 + (90 - 80) / 10. The
    // mouse moved, so the release opens no menu (which would block here). The rectangle
    // (100, 100)-(300, 200) is plot x 10..30, y 20..30. Press and release on one pixel, or a
    // release without a press, zoom nothing.
    walk({{[&] { window->EnableMousePanZoom(true), window->Fit(0, 60, 0, 40); }, {}},
          {[&] { drag(false, {{100, 100}, {130, 80}, {120, 90}}); }, {10, 10, -2, 39, -2, 58, -1, 39}},
          {[&] { window->Fit(0, 60, 0, 40), drag(true, {{100, 100}, {300, 200}}); }, {30, 40, 10, 30, 10, 30, 20, 30}},
          {[&] { drag(true, {{50, 50}}), mouse(wxEVT_LEFT_UP, 500, 300); }, {30, 40, 10, 30}}});
}

TEST_F(PlotView, RightClickMenuHelpAndLayerList)
{
    EXPECT_EQ(window->GetPopupMenu()->GetMenuItemCount(), 6u);

    // A right click opens the menu; Escape closes it once it is up.
    bool opened = false;
    window->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        opened = true, event.Skip(), wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    });
    // "Center" moves the clicked pixel to the centre, the desired bounds stay; "Zoom in" is
    // about the clicked pixel, plot (50, 40).
    walk({{[&] { window->Fit(0, 60, 0, 40), mouse(wxEVT_RIGHT_DOWN, 400, 100, false, true); }, {}},
          {[&] { mouse(wxEVT_RIGHT_UP, 400, 100), menu(plID_CENTER); }, {10, 10, 10, 50, 0, 60, 0, 40}},
          {[&] { menu(plID_ZOOM_IN); }, {15, 15, 50 - 400.0 / 15, 40 + 100.0 / 15}}});
    EXPECT_TRUE(opened);
    // "Show mouse commands..." opens the help message.
    wxTEST_DIALOG(menu(plID_HELP_MOUSE), wxExpectModal<wxMessageDialog>(wxID_OK));

    auto* curve = makeCurve({1, 2}, {3, 4}, "polar");
    auto* axis = new plScaleX("x", 1, true, 0);
    EXPECT_TRUE(!window->AddLayer(nullptr) && window->AddLayer(curve) && window->AddLayer(axis));
    EXPECT_FALSE(window->AddLayer(curve));
    EXPECT_EQ(std::tuple(window->CountLayers(), window->GetLayer(2), window->GetLayerByName("x")),
              std::tuple(1u, nullptr, axis));
    window->SetLayerVisible("polar", false);
    EXPECT_FALSE(window->IsLayerVisible(0u));
    EXPECT_TRUE(window->DelLayer(axis, true) && !window->DelLayer(axis));
    EXPECT_EQ(window->CountAllLayers(), 1u);

    // The drag moves the box and zooms nothing. Removing the box being dragged ends the
    // drag; the release then zooms normally instead of touching the deleted box.
    auto* box = new plInfoLayer(wxRect(50, 60, 40, 30), wxWHITE_BRUSH);
    walk({{[&] { window->Fit(0, 60, 0, 40), window->AddLayer(box), drag(true, {{60, 70}, {80, 75}}); }, {10, 10, 0, 40}},
          {[&] { EXPECT_EQ(box->GetPosition(), wxPoint(70, 65)); }, {}},
          {[&] { mouse(wxEVT_LEFT_DOWN, 75, 70, true), window->DelLayer(box, true); }, {}},
          {[&] { mouse(wxEVT_MOTION, 175, 170, true), mouse(wxEVT_LEFT_UP, 175, 170); }, {60, 40}}});
}

TEST_F(PlotView, RepaintsAfterZoomsAndFreesTheLayers)
{
    int paints = 0, deaths = 0;
    for (plLayer* layer : std::initializer_list<plLayer*>{
             makeCurve({0, 10, 20, 30}, {0, 20, 5, 30}, "curve"), new plScaleX("x", plAXIS_AT_ORIGIN, false, 0),
             new plScaleY("y", plAXIS_BORDER_BOTTOM_OR_LEFT, true), new PaintCounter(paints, deaths)})
        window->AddLayer(layer);
    window->Fit(), pumpEvents(100);
    const auto repaints = [&](const std::function<void()>& zoom) {
        const int before = paints;
        zoom(), pumpEvents(100);
        return paints > before;
    };
    EXPECT_TRUE(repaints([this] { window->ZoomOut(); }) && repaints([this] { window->ZoomOutX(); }));
    EXPECT_TRUE(repaints([this] { window->ZoomOutY(); }));
    // A hundred zooms in still paint.
    for (int i = 0; i < 100; ++i)
        wheel(120, 317, 211, true, false);
    EXPECT_GT(window->GetScaleX(), 1e17);
    EXPECT_TRUE(repaints([this] { window->Refresh(); }));
    window->Destroy(), wxTheApp->ProcessIdle();
    EXPECT_EQ(deaths, 1);
}

struct ScrollingPlotView : PlotWindowTest { long style() const override { return wxHSCROLL | wxVSCROLL; } };

TEST_F(ScrollingPlotView, ScrollBarsFollowTheView)
{
    // Zoomed in about the centre the view shows x 10..50 of the data's 0..60, 15 pixels a unit.
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 39.5}));
    window->Fit(0, 60, 0, 40), window->SetPLScrollbars(true), window->ZoomIn();
    const double s = 15;
    EXPECT_EQ((std::vector{window->GetScrollPos(wxHORIZONTAL), window->GetScrollRange(wxHORIZONTAL),
                           window->GetScrollRange(wxVERTICAL)}), (std::vector{int(10 * s), int(60 * s), int(40 * s)}));
    wxScrollWinEvent track(wxEVT_SCROLLWIN_THUMBTRACK, 50, wxHORIZONTAL), top(wxEVT_SCROLLWIN_TOP, 0, wxVERTICAL);
    window->ProcessWindowEvent(track), window->ProcessWindowEvent(top);
    EXPECT_NEAR(std::hypot(window->GetPosX() - 50 / s, window->GetPosY() - 40), 0, 1e-9);
    window->SetPLScrollbars(false);
    EXPECT_LE(window->GetScrollRange(wxHORIZONTAL), 1);
}

TEST_F(PlotView, PrintScreenshotAndColourTheme)
{
    // A horizontal line at y = 100 from x 0 to 300, shown over 0..300 x 0..200 at scale 2;
    // printing and screenshots leave that screen view as it was.
    auto* axis = new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, true, 0);
    window->AddLayer(makeCurve({0, 300}, {100, 100}, "line")), window->AddLayer(axis), window->Fit(0, 300, 0, 200);
    const auto screenView = [&] { return std::pair(window->GetScrX(), window->GetScaleX()); };
    // Page 400 x 300: 50-pixel margins leave 300 x 200 at scale 1. The line on page
    // row 50 + 100 from x 50 to 350; the border axis on the last row of the reduced page
    // (50 + 199), grey although no axis colour was ever set.
    Canvas page(400, 300);
    plPrintout printout(window, L"Polar");
    printout.SetDC(&page.dc), printout.SetPageSizePixels(400, 300);
    EXPECT_TRUE(printout.OnPrintPage(1));
    EXPECT_FALSE(page.white(60, 150) || page.white(340, 150) || !page.white(60, 140) || !page.white(20, 150));
    EXPECT_TRUE(page.at(200, 249) == wxColour(128, 128, 128) && axis->GetPen().GetColour() == page.at(200, 249));
    EXPECT_EQ(screenView(), std::pair(600, 2.0));
    // At scale 1 the screenshot has the line on row 100; a file that cannot be written fails.
    const wxString file = wxFileName::CreateTempFileName("plotshot") + ".png";
    EXPECT_TRUE(window->SaveScreenshot(file, wxBITMAP_TYPE_PNG, wxSize(300, 200)));
    wxImage image;
    EXPECT_TRUE(image.LoadFile(file, wxBITMAP_TYPE_PNG));
    wxRemoveFile(file);
    ASSERT_EQ(image.GetSize(), wxSize(300, 200));
    EXPECT_TRUE(image.GetRed(150, 100) != 255 && image.GetRed(150, 90) == 255);
    EXPECT_EQ(screenView(), std::pair(600, 2.0));
    LogCapture log;
    EXPECT_FALSE(window->SaveScreenshot("/nonexistent-dir/shot.png", wxBITMAP_TYPE_PNG, wxSize(10, 10)));
    EXPECT_FALSE(log.messages.empty());

    // Background, drawing and axes colours; unset colours leave the pens as they are.
    auto* legend = new plInfoLegend(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(legend), window->SetColourTheme(*wxBLACK, *wxGREEN, *wxRED);
    EXPECT_TRUE(window->GetBackgroundColour() == *wxBLACK && window->GetLayer(0)->GetPen().GetColour() == *wxBLACK);
    window->SetColourTheme(*wxWHITE, wxNullColour, wxNullColour);
    EXPECT_EQ(std::pair(axis->GetPen().GetColour(), legend->GetPen().GetColour()), std::pair(*wxRED, *wxGREEN));
}

} // namespace
