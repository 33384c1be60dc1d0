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
    // Margins 10, 20, 30, 40 leave a plot area of 540 x 360 about the pixel (270 + 40, 180 + 10).
    window->SetMargins(10, 20, 30, 40);
    window->AddLayer(new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0));
    window->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH));
    walk({{[&] { window->Fit(0, 54, 0, 18); }, {10, 20, 27 - 31, 9 + 9.5, 0, 54, 0, 18}},
          // Locked aspect takes the smaller scale about the same centre.
          {[&] { window->LockAspect(true); }, {10, 10, -4, 9 + 19}},
          {[&] { menu(plID_LOCKASPECT); }, {10, 20, -4, 18.5}},
          // No width: scale 1. Non-finite bounds are ignored.
          {[&] { window->Fit(5, 5, 0, 36), window->Fit(0, NAN, 0, 1), window->Fit(-INFINITY, 1, 0, 1); },
           {1, 10, 5 - 310.0, 18 + 19, 5, 5, 0, 36}},
          // Margins wider than the window leave a plot area of one pixel.
          {[&] { window->SetMargins(300, 400, 300, 400), window->Fit(0, 2, 0, 4); },
           {0.5, 0.25, 1 - 400 / 0.5, 2 + 300 / 0.25}},
          // Axes and info boxes have no bounds: fitting to them alone changes nothing. Curves
          // bounded by x -0.5..10.5, -10..3.5 and 0.5..44, y -0.5..5.5, -0.5..10 and -8..2 after
          // the 0.5 widening: the later layers give the box x -10..44, y -8..10.
          {[&] { window->SetMargins(10, 20, 30, 40), window->Fit(0, 54, 0, 36), menu(plID_FIT); }, {10, 10, -4, 37}},
          {[&] {
               window->AddLayer(makeCurve({0, 10}, {0, 5})), window->AddLayer(makeCurve({-9.5, 3}, {0, 9.5}));
               window->AddLayer(makeCurve({43.5, 1}, {-7.5, 1.5})), window->SetPLScrollbars(true);
           }, {}},
          {[&] { menu(plID_FIT), window->SetPLScrollbars(false); }, {10, 20, 17 - 31, 1 + 9.5, -10, 44, -8, 10}}});
    double box[4];
    window->GetBoundingBox(box);
    EXPECT_EQ(std::vector(box, box + 4), (std::vector{-10.0, 44.0, -8.0, 10.0}));
    EXPECT_FALSE(window->GetPopupMenu()->IsChecked(plID_LOCKASPECT));
}

TEST_F(PlotView, ZoomsWheelAndDrags)
{
    // With margins 10, 20, 30, 40 plot x 0..54, y 0..36 fill the plot area at 10 pixels a unit;
    // the plot point under (100, 100) is (6, 27), it stays there at scale 15. Without a point
    // zooms are about the area's centre (310, 190), plot point (27, 18). The desired bounds
    // start at the window's top left and span the area.
    const double left = 6 - 100.0 / 15, top = 27 + 100.0 / 15, s = 10 / 1.5;
    window->SetMargins(10, 20, 30, 40);
    walk({{[&] { window->Fit(0, 54, 0, 36), window->ZoomIn(wxPoint(100, 100)); },
           {15, 15, left, top, left, left + 36, top - 24, top}},
          {[&] { window->ZoomOut(wxPoint(100, 100)); }, {10, 10, -4, 37, -4, 50, 1, 37}},
          {[&] { window->ZoomOut(); }, {s, s, -19.5, 46.5, -19.5, 61.5, -7.5, 46.5}},
          {[&] { window->ZoomInX(), window->ZoomOutY(); }, {10, s / 1.5, -19.5, 46.5, -19.5, 61.5, -7.5, 46.5}},
          // About the centre, plot point (-19.5 + 31, 46.5 - 42.75).
          {[&] { window->ZoomIn(), window->ZoomOutX(), window->ZoomInY(); }, {10, 10, 11.5 - 310.0 / 15, 3.75 + 28.5}},
          // 120 pixels: posY lowered by 60 plot units, with SHIFT posX raised by 60.
          {[&] { window->Fit(0, 270, 0, 180), wheel(-120, 10, 10, false, false); }, {2, 2, -20, 125, 0, 270, -60, 120}},
          {[&] { wheel(-120, 10, 10, false, true); }, {2, 2, 40, 125, 60, 330, -60, 120}},
          // CTRL zooms about plot point (40 + 100 / 2, 125 - 50 / 2) under the mouse.
          {[&] { wheel(120, 100, 50, true, false); }, {3, 3, 90 - 100.0 / 3, 100 + 50.0 / 3}},
          {[&] { wheel(-120, 100, 50, true, false); }, {2, 2, 40, 125}},
          {[&] { window->EnableMousePanZoom(false), wheel(-120, 10, 10, false, false); }, {2, 2, 40, 125}}});

    // dx = (100 - 130) / 10 + (130 - 120) / 10, dy = (80 - 100) / 10 + (90 - 80) / 10. The
    // mouse moved, so the release opens no menu (which would block here). The rectangle
    // (100, 100)-(300, 200) is plot x 6..26, y 17..27, fitted into the area. Press and release
    // on one pixel, or a release without a press, zoom nothing.
    walk({{[&] { window->EnableMousePanZoom(true), window->Fit(0, 54, 0, 36); }, {}},
          {[&] { drag(false, {{100, 100}, {130, 80}, {120, 90}}); }, {10, 10, -6, 36, -2, 52, -1, 35}},
          {[&] { window->Fit(0, 54, 0, 36), drag(true, {{100, 100}, {300, 200}}); },
           {27, 36, 16 - 310.0 / 27, 22 + 190.0 / 36, 6, 26, 17, 27}},
          {[&] { drag(true, {{50, 50}}), mouse(wxEVT_LEFT_UP, 500, 300); }, {27, 36}}});
}

TEST_F(PlotView, RightClickMenuHelpAndLayerList)
{
    EXPECT_EQ(window->GetPopupMenu()->GetMenuItemCount(), 6u);

    // A right click opens the menu; Escape closes it once it is up.
    bool opened = false;
    window->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        opened = true, event.Skip(), wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    });
    // "Center" moves the clicked pixel by its offset from half the plot area (270, 180), the
    // desired bounds stay; "Zoom in" is about the clicked pixel, plot (49, 35), "Zoom out" about
    // the area's centre (310, 190), plot (43, 29).
    window->SetMargins(10, 20, 30, 40);
    walk({{[&] { window->Fit(0, 54, 0, 36), mouse(wxEVT_RIGHT_DOWN, 400, 100, false, true); }, {}},
          {[&] { mouse(wxEVT_RIGHT_UP, 400, 100), menu(plID_CENTER); }, {10, 10, -4 + 13, 37 + 8, 0, 54, 0, 36}},
          {[&] { menu(plID_ZOOM_IN); }, {15, 15, 49 - 400.0 / 15, 35 + 100.0 / 15}},
          {[&] { menu(plID_ZOOM_OUT); }, {10, 10, 43 - 31, 29 + 19}}});
    window->SetMargins(0, 0, 0, 0);
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
    EXPECT_TRUE(window->DelLayer(axis, true) && !window->DelLayer(axis) && window->CountAllLayers() == 1u);

    // The drag moves the box and zooms nothing. Removing the box being dragged ends the
    // drag; the release then zooms normally instead of touching the deleted box.
    auto* box = new plInfoLayer(wxRect(50, 60, 40, 30), wxWHITE_BRUSH);
    walk({{[&] { window->Fit(0, 60, 0, 40), window->AddLayer(box), drag(true, {{60, 70}, {70, 72}, {80, 75}}); }, {10, 10, 0, 40}},
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
    // Hiding a layer by name repaints. After a hundred zooms in the window still paints, the layer shown again.
    EXPECT_TRUE(repaints([this] { window->ZoomOutY(); }) && repaints([this] { window->SetLayerVisible("y", false); }));
    for (int i = 0; i < 100; ++i)
        wheel(120, 317, 211, true, false);
    EXPECT_GT(window->GetScaleX(), 1e17);
    EXPECT_TRUE(repaints([this] { window->SetLayerVisible("y", true); }));
    window->Destroy(), wxTheApp->ProcessIdle();
    EXPECT_EQ(deaths, 1);
}

struct ScrollingPlotView : PlotWindowTest { long style() const override { return wxHSCROLL | wxVSCROLL; } };

TEST_F(ScrollingPlotView, ScrollBarsFollowTheView)
{
    // Data 0..60 x 0..40 shown as x 10..37, y 4..22 in the plot area inside margins 10, 20, 30,
    // 40: 20 pixels a unit, posX 8, posY 22.5. The bars span the data; their positions are the
    // area's left edge x 10 and top edge y 22, their thumbs the area's size.
    // The bars, once shown, take their room from the window: it is grown to keep 600 x 400.
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 39.5})), window->SetMargins(10, 20, 30, 40);
    window->SetPLScrollbars(true), window->Fit(10, 37, 4, 22), window->SetClientSize(600, 400);
    window->Fit(10, 37, 4, 22);
    const auto bar = [&](int o) {
        return std::vector{window->GetScrollPos(o), window->GetScrollThumb(o), window->GetScrollRange(o)};
    };
    EXPECT_EQ(std::pair(bar(wxHORIZONTAL), bar(wxVERTICAL)),
              std::pair(std::vector{200, 540, 1200}, std::vector{360, 360, 800}));
    // Position p puts x p / 20 - 2 at the window's left, y 40.5 - p / 20 at its top. Lines are 10,
    // pages a thumb; the last position is range less thumb, 660 and 440.
    using E = wxEventType;
    const std::tuple<E, int, double> steps[] = {
        {wxEVT_SCROLLWIN_LINEDOWN, wxHORIZONTAL, 8.5}, {wxEVT_SCROLLWIN_LINEUP, wxHORIZONTAL, 8},
        {wxEVT_SCROLLWIN_PAGEDOWN, wxHORIZONTAL, 31},  {wxEVT_SCROLLWIN_PAGEUP, wxHORIZONTAL, 4},
        {wxEVT_SCROLLWIN_TOP, wxHORIZONTAL, -2},       {wxEVT_SCROLLWIN_LINEUP, wxHORIZONTAL, -2},
        {wxEVT_SCROLLWIN_BOTTOM, wxHORIZONTAL, 31},    {wxEVT_SCROLLWIN_THUMBTRACK, wxHORIZONTAL, 0.5},
        {wxEVT_SCROLLWIN_LINEDOWN, wxVERTICAL, 22},    {wxEVT_SCROLLWIN_PAGEDOWN, wxVERTICAL, 18.5},
        {wxEVT_SCROLLWIN_LINEDOWN, wxVERTICAL, 18.5},  {wxEVT_SCROLLWIN_PAGEUP, wxVERTICAL, 36.5},
        {wxEVT_SCROLLWIN_PAGEUP, wxVERTICAL, 40.5},    {wxEVT_SCROLLWIN_BOTTOM, wxVERTICAL, 18.5},
        {wxEVT_SCROLLWIN_TOP, wxVERTICAL, 40.5},       {wxEVT_SCROLLWIN_THUMBTRACK, wxVERTICAL, 38}};
    for (const auto& [type, o, pos] : steps) {
        wxScrollWinEvent event(type, 50, o);
        window->ProcessWindowEvent(event);
        EXPECT_DOUBLE_EQ(o == wxHORIZONTAL ? window->GetPosX() : window->GetPosY(), pos) << type << " " << o;
    }
    // "Center" before any right click moves the view by pixel (0, 0)'s offset from half the plot
    // area (270, 180): posX 0.5 - 270 / 20, posY 38 + 180 / 20. The bars start at the area's left
    // edge x -11 and top edge y 46.5, past the data.
    menu(plID_CENTER);
    EXPECT_EQ(std::pair(bar(wxHORIZONTAL), bar(wxVERTICAL)), std::pair(std::vector{0, 540, 1420}, std::vector{0, 360, 930}));
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
    const wxImage image(file, wxBITMAP_TYPE_PNG);
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
