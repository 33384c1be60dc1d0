// The plot window's view arithmetic, mouse navigation, menu and layer list.

#include <functional>

#include <wx/uiaction.h>

#include "PlotTestSupport.h"

namespace {

constexpr double kEps = 1e-9;

// Counts how often the window painted it.
class PaintCounter : public plLayer {
public:
    explicit PaintCounter(int& count) : count(count) {}
    bool HasBBox() override { return false; }
    void Plot(wxDC&, plWindow&) override { ++count; }
    int& count;
};

class PlotView : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        ASSERT_EQ(window->GetClientSize(), wxSize(600, 400));
    }
    void expectView(double scaleX, double scaleY, double posX, double posY)
    {
        EXPECT_NEAR(window->GetScaleX(), scaleX, kEps);
        EXPECT_NEAR(window->GetScaleY(), scaleY, kEps);
        EXPECT_NEAR(window->GetPosX(), posX, kEps);
        EXPECT_NEAR(window->GetPosY(), posY, kEps);
    }
    void expectDesired(double xmin, double xmax, double ymin, double ymax)
    {
        EXPECT_NEAR(window->GetDesiredXmin(), xmin, kEps);
        EXPECT_NEAR(window->GetDesiredXmax(), xmax, kEps);
        EXPECT_NEAR(window->GetDesiredYmin(), ymin, kEps);
        EXPECT_NEAR(window->GetDesiredYmax(), ymax, kEps);
    }
};

TEST_F(PlotView, FitShowsTheBoundsAndLockAspectTakesTheSmallerScale)
{
    window->Fit(0, 180, 0, 1.8);
    expectView(600.0 / 180, 400.0 / 1.8, 0.0, 1.8);
    expectDesired(0, 180, 0, 1.8);

    window->LockAspect(true);
    EXPECT_TRUE(window->IsAspectLocked());
    EXPECT_TRUE(window->GetPopupMenu()->IsChecked(plID_LOCKASPECT));
    // Centre (300, 200): posX = 90 - 300 / s, posY = 0.9 + 200 / s.
    const double s = 600.0 / 180;
    expectView(s, s, 90 - 300 / s, 0.9 + 200 / s);

    menu(plID_LOCKASPECT);
    EXPECT_FALSE(window->IsAspectLocked());
    EXPECT_FALSE(window->GetPopupMenu()->IsChecked(plID_LOCKASPECT));
    expectView(600.0 / 180, 400.0 / 1.8, 0.0, 1.8);
}

TEST_F(PlotView, FitWithMarginsAndDegenerateInput)
{
    window->SetMargins(10, 20, 30, 40);
    // Plot area 540 x 360, centre (270 + 40, 180 + 10).
    window->Fit(0, 54, 0, 36);
    expectView(10, 10, 27 - 310.0 / 10, 18 + 190.0 / 10);

    window->Fit(5, 5, 0, 36);
    EXPECT_EQ(window->GetScaleX(), 1.0);
    EXPECT_NEAR(window->GetPosX(), 5 - 310.0, kEps);

    // Non-finite bounds are ignored.
    window->Fit(0, std::nan(""), 0, 1);
    window->Fit(-INFINITY, 1, 0, 1);
    expectDesired(5, 5, 0, 36);

    // Margins wider than the window leave a plot area of one pixel.
    window->SetMargins(300, 400, 300, 400);
    window->Fit(0, 2, 0, 4);
    EXPECT_NEAR(window->GetScaleX(), 0.5, kEps);
    EXPECT_NEAR(window->GetScaleY(), 0.25, kEps);
    EXPECT_TRUE(std::isfinite(window->GetPosX()));
}

TEST_F(PlotView, FitWithoutBoundingBoxChangesNothing)
{
    window->AddLayer(new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0));
    window->AddLayer(new plScaleY("y", plAXIS_BORDER_BOTTOM_OR_LEFT, false));
    window->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH));
    window->Fit(0, 60, 0, 40);
    window->Fit();
    expectView(10, 10, 0, 40);
    menu(plID_FIT);
    expectView(10, 10, 0, 40);

    // A curve with bounds 0..60 x 0..20 after the 0.5 widening.
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 19.5}));
    menu(plID_FIT);
    expectView(10, 20, 0, 20);
    double bbox[4];
    window->GetBoundingBox(bbox);
    EXPECT_DOUBLE_EQ(bbox[0], 0.0);
    EXPECT_DOUBLE_EQ(bbox[1], 60.0);
    EXPECT_DOUBLE_EQ(bbox[2], 0.0);
    EXPECT_DOUBLE_EQ(bbox[3], 20.0);
}

TEST_F(PlotView, ZoomInAndOutAboutAPointAndBack)
{
    window->Fit(0, 60, 0, 40);
    expectView(10, 10, 0, 40);

    // Plot point under (100, 100) is (10, 30); it stays there at scale 15.
    window->ZoomIn(wxPoint(100, 100));
    expectView(15, 15, 10 - 100.0 / 15, 30 + 100.0 / 15);
    expectDesired(10 - 100.0 / 15, 10 - 100.0 / 15 + 40, 30 + 100.0 / 15 - 400.0 / 15, 30 + 100.0 / 15);
    EXPECT_NEAR(window->p2x(100), 10, kEps);
    EXPECT_NEAR(window->p2y(100), 30, kEps);

    window->ZoomOut(wxPoint(100, 100));
    expectView(10, 10, 0, 40);
    expectDesired(0, 60, 0, 40);

    // About the centre (300, 200), plot point (30, 20).
    window->ZoomOut();
    expectView(10 / 1.5, 10 / 1.5, 30 - 300 / (10 / 1.5), 20 + 200 / (10 / 1.5));
    window->ZoomIn();
    expectView(10, 10, 0, 40);

    window->ZoomInX();
    window->ZoomOutY();
    expectView(15, 10 / 1.5, 0, 40);
}

TEST_F(PlotView, WheelScrollsAndZooms)
{
    window->Fit(0, 300, 0, 200);
    expectView(2, 2, 0, 200);

    // Plain wheel: d = 120 pixels, posY lowered by 60 plot units.
    wheel(-120, 10, 10, false, false);
    expectView(2, 2, 0, 140);
    expectDesired(0, 300, -60, 140);

    // SHIFT: posX raised by 60.
    wheel(-120, 10, 10, false, true);
    expectView(2, 2, 60, 140);
    expectDesired(60, 360, -60, 140);

    // CTRL: zoom about the mouse.
    const double px = window->p2x(100), py = window->p2y(50);
    wheel(120, 100, 50, true, false);
    EXPECT_NEAR(window->GetScaleX(), 3, kEps);
    EXPECT_NEAR(window->p2x(100), px, kEps);
    EXPECT_NEAR(window->p2y(50), py, kEps);
    wheel(-120, 100, 50, true, false);
    expectView(2, 2, 60, 140);

    // Without mouse navigation the wheel does nothing.
    window->EnableMousePanZoom(false);
    wheel(-120, 10, 10, false, false);
    expectView(2, 2, 60, 140);
}

TEST_F(PlotView, RightDragPansWithoutMenu)
{
    window->Fit(0, 60, 0, 40);
    mouse(wxEVT_RIGHT_DOWN, 100, 100, false, true);
    mouse(wxEVT_MOTION, 130, 80, false, true);
    // dx = (100 - 130) / 10, dy = (80 - 100) / 10.
    expectView(10, 10, -3, 38);
    expectDesired(-3, 57, -2, 38);
    mouse(wxEVT_MOTION, 120, 90, false, true);
    expectView(10, 10, -2, 39);
    // The mouse moved, so the release opens no menu (which would block here).
    mouse(wxEVT_RIGHT_UP, 120, 90);
    expectView(10, 10, -2, 39);
}

TEST_F(PlotView, LeftDragZoomsToTheRectangle)
{
    window->Fit(0, 60, 0, 40);
    mouse(wxEVT_LEFT_DOWN, 100, 100, true);
    mouse(wxEVT_MOTION, 300, 200, true);
    window->Update();
    mouse(wxEVT_LEFT_UP, 300, 200);
    // Plot x 10..30, y 20..30.
    expectView(30, 40, 10, 30);
    expectDesired(10, 30, 20, 30);

    // Press and release on one pixel, or a release without a press in this
    // window, zooms nothing.
    mouse(wxEVT_LEFT_DOWN, 50, 50, true);
    mouse(wxEVT_LEFT_UP, 50, 50);
    mouse(wxEVT_LEFT_UP, 500, 300);
    expectView(30, 40, 10, 30);
}

// Opens the popup menu with a right click and closes it again with Escape
// once it is up.
void clickAndDismissPopup(plWindow* window, std::function<void()> click)
{
    bool opened = false;
    const auto onOpen = [&](wxMenuEvent& event) {
        opened = true;
        event.Skip();
        wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    };
    window->Bind(wxEVT_MENU_OPEN, onOpen);
    click();
    window->Unbind(wxEVT_MENU_OPEN, onOpen);
    EXPECT_TRUE(opened);
}

TEST_F(PlotView, RightClickOpensTheMenuAndCenterUsesItsPixel)
{
    window->Fit(0, 60, 0, 40);
    clickAndDismissPopup(window, [this] {
        mouse(wxEVT_RIGHT_DOWN, 400, 100, false, true);
        mouse(wxEVT_RIGHT_UP, 400, 100);
    });
    // posX += (400 - 300) / 10, posY -= (100 - 200) / 10; desired bounds stay.
    menu(plID_CENTER);
    expectView(10, 10, 10, 50);
    expectDesired(0, 60, 0, 40);

    // "Zoom in" is about the right-press pixel: plot x there is 50.
    menu(plID_ZOOM_IN);
    EXPECT_NEAR(window->GetScaleX(), 15, kEps);
    EXPECT_NEAR(window->p2x(400), 50, kEps);
    EXPECT_NEAR(window->p2y(100), 40, kEps);
    // "Zoom out" is about the centre of the plot area.
    const double cx = window->p2x(300), cy = window->p2y(200);
    menu(plID_ZOOM_OUT);
    EXPECT_NEAR(window->GetScaleX(), 10, kEps);
    EXPECT_NEAR(window->p2x(300), cx, kEps);
    EXPECT_NEAR(window->p2y(200), cy, kEps);
}

TEST_F(PlotView, HelpBoxShowsTheMouseCommands)
{
    class ExpectHelp : public wxExpectModal<wxMessageDialog> {
    public:
        ExpectHelp() : wxExpectModal<wxMessageDialog>(wxID_OK) {}

    protected:
        int OnInvoked(wxMessageDialog* dlg) const override
        {
            EXPECT_EQ(dlg->GetTitle().utf8_string(), "Plot help");
            EXPECT_EQ(dlg->GetMessage().utf8_string(),
                      "Supported Mouse commands:\n"
                      "         - Left button down + Mark area: Rectangular zoom\n"
                      "         - Right button down + Move: Pan (Move)\n"
                      "         - Wheel: Vertical scroll\n"
                      "         - Wheel + SHIFT: Horizontal scroll\n"
                      "         - Wheel + CTRL: Zoom in/out");
            return wxID_OK;
        }
    };
    wxTEST_DIALOG(menu(plID_HELP_MOUSE), ExpectHelp());
}

TEST_F(PlotView, PopupMenuItems)
{
    wxMenu* popup = window->GetPopupMenu();
    ASSERT_EQ(popup->GetMenuItemCount(), 6u);
    const int ids[] = {plID_CENTER, plID_FIT, plID_ZOOM_IN, plID_ZOOM_OUT, plID_LOCKASPECT, plID_HELP_MOUSE};
    const char* labels[] = {"Center", "Fit", "Zoom in", "Zoom out", "Lock aspect", "Show mouse commands..."};
    for (size_t i = 0; i < 6; ++i) {
        const wxMenuItem* item = popup->FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), ids[i]);
        EXPECT_EQ(item->GetItemLabelText().utf8_string(), labels[i]);
    }
    EXPECT_TRUE(popup->FindItem(plID_LOCKASPECT)->IsCheckable());
}

TEST_F(PlotView, LayerList)
{
    auto* curve = makeCurve({1, 2}, {3, 4}, "polar");
    auto* axisX = new plScaleX("x", 1, true, 0);
    auto* axisY = new plScaleY("y", 1, true);
    auto* legend = new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH);
    EXPECT_FALSE(window->AddLayer(nullptr));
    EXPECT_TRUE(window->AddLayer(curve));
    EXPECT_TRUE(window->AddLayer(axisX));
    EXPECT_TRUE(window->AddLayer(axisY));
    EXPECT_TRUE(window->AddLayer(legend));
    EXPECT_FALSE(window->AddLayer(curve));
    EXPECT_EQ(window->CountLayers(), 1u);
    EXPECT_EQ(window->CountAllLayers(), 4u);
    EXPECT_EQ(window->GetLayer(0), curve);
    EXPECT_EQ(window->GetLayer(3), legend);
    EXPECT_EQ(window->GetLayer(-1), nullptr);
    EXPECT_EQ(window->GetLayer(4), nullptr);
    EXPECT_EQ(window->GetLayerByName("y"), axisY);
    EXPECT_EQ(window->GetLayerByName("Y"), nullptr);

    window->SetLayerVisible("polar", false);
    EXPECT_FALSE(window->IsLayerVisible("polar"));
    window->SetLayerVisible(0u, true);
    EXPECT_TRUE(window->IsLayerVisible(0u));
    EXPECT_FALSE(window->IsLayerVisible("none"));
    EXPECT_FALSE(window->IsLayerVisible(9u));

    EXPECT_TRUE(window->DelLayer(axisX, true));
    EXPECT_FALSE(window->DelLayer(axisX));
    EXPECT_EQ(window->CountAllLayers(), 3u);
    window->DelAllLayers(true);
    EXPECT_EQ(window->CountAllLayers(), 0u);
}

TEST_F(PlotView, DraggingAnInfoBoxAndRemovingIt)
{
    window->Fit(0, 60, 0, 40);
    auto* box = new plInfoLayer(wxRect(50, 60, 40, 30), wxWHITE_BRUSH);
    window->AddLayer(box);
    wxPoint inside(60, 70);
    EXPECT_EQ(window->IsInsideInfoLayer(inside), box);

    mouse(wxEVT_LEFT_DOWN, 60, 70, true);
    mouse(wxEVT_MOTION, 80, 75, true);
    EXPECT_EQ(box->GetPosition(), wxPoint(70, 65));
    mouse(wxEVT_LEFT_UP, 80, 75);
    EXPECT_EQ(box->GetPosition(), wxPoint(70, 65));
    // No zoom: the drag moved the box.
    EXPECT_NEAR(window->GetScaleX(), 10, kEps);

    // Removing the box being dragged ends the drag; the release then zooms
    // normally instead of touching the deleted box.
    mouse(wxEVT_LEFT_DOWN, 75, 70, true);
    EXPECT_TRUE(window->DelLayer(box, true));
    mouse(wxEVT_MOTION, 175, 170, true);
    mouse(wxEVT_LEFT_UP, 175, 170);
    EXPECT_NEAR(window->GetScaleX(), 600.0 / 10, kEps);
}

TEST_F(PlotView, HundredZoomsStillPaint)
{
    int paints = 0;
    window->AddLayer(makeCurve({0, 10, 20, 30}, {0, 20, 5, 30}, "curve"));
    window->AddLayer(new plScaleX("x", plAXIS_AT_ORIGIN, true, 0));
    window->AddLayer(new plScaleY("y", plAXIS_AT_ORIGIN, true));
    window->AddLayer(new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0));
    window->AddLayer(new plScaleY("y", plAXIS_BORDER_BOTTOM_OR_LEFT, false));
    window->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH));
    window->AddLayer(new PaintCounter(paints));
    window->Fit();
    for (int i = 0; i < 100; ++i)
        wheel(120, 317, 211, true, false);
    EXPECT_GT(window->GetScaleX(), 1e17);

    window->Refresh();
    window->Update();
    pumpEvents(100);
    EXPECT_GT(paints, 0);
    const int before = paints;
    window->EnableDoubleBuffer(true);
    window->Refresh();
    window->Update();
    pumpEvents(100);
    EXPECT_GT(paints, before);
}

class ScrollingPlotView : public PlotWindowTest {
protected:
    long style() const override { return wxHSCROLL | wxVSCROLL; }
};

TEST_F(ScrollingPlotView, ScrollBarsFollowTheView)
{
    int cx = 0, cy = 0;
    window->GetClientSize(&cx, &cy);
    ASSERT_EQ(cx % 2, 0);
    ASSERT_EQ(cy % 2, 0);
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 39.5}));
    window->Fit(0, 60, 0, 40);
    window->SetPLScrollbars(true);
    EXPECT_TRUE(window->GetPLScrollbars());
    // Zoomed in about the centre (scale 15 for a 600 x 400 client area) the
    // view shows x 10..50 and y 20 -+ 200 / 15 of the data's 0..60 and 0..40.
    window->ZoomIn();
    const double sx = cx / 40.0, sy = cx / 40.0;
    const double top = 20 + (cy / 2) / sy;
    EXPECT_NEAR(window->GetPosX(), 10, kEps);
    EXPECT_NEAR(window->GetPosY(), top, kEps);
    // The thumbs are the client size, which shrinks once the bars show.
    const int fullX = cx, fullY = cy;
    window->GetClientSize(&cx, &cy);
    EXPECT_GE(window->GetScrollThumb(wxHORIZONTAL), cx);
    EXPECT_LE(window->GetScrollThumb(wxHORIZONTAL), fullX);
    EXPECT_EQ(window->GetScrollPos(wxHORIZONTAL), int(std::trunc(10 * sx)));
    EXPECT_EQ(window->GetScrollRange(wxHORIZONTAL), int(std::trunc(60 * sx)));
    EXPECT_GE(window->GetScrollThumb(wxVERTICAL), cy);
    EXPECT_LE(window->GetScrollThumb(wxVERTICAL), fullY);
    EXPECT_EQ(window->GetScrollPos(wxVERTICAL), int(std::trunc((40 - top) * sy)));
    EXPECT_EQ(window->GetScrollRange(wxVERTICAL), int(std::trunc(40 * sy)));

    wxScrollWinEvent track(wxEVT_SCROLLWIN_THUMBTRACK, 50, wxHORIZONTAL);
    track.SetEventObject(window);
    window->ProcessWindowEvent(track);
    EXPECT_NEAR(window->GetPosX(), 50 / sx, kEps);

    wxScrollWinEvent toTop(wxEVT_SCROLLWIN_TOP, 0, wxVERTICAL);
    toTop.SetEventObject(window);
    window->ProcessWindowEvent(toTop);
    EXPECT_NEAR(window->GetPosY(), 40, kEps);

    wxScrollWinEvent bottom(wxEVT_SCROLLWIN_BOTTOM, 0, wxVERTICAL);
    bottom.SetEventObject(window);
    window->ProcessWindowEvent(bottom);
    const int last = window->GetScrollRange(wxVERTICAL) - window->GetScrollThumb(wxVERTICAL);
    EXPECT_NEAR(window->GetPosY(), 40 - last / sy, kEps);

    window->SetPLScrollbars(false);
    EXPECT_LE(window->GetScrollRange(wxHORIZONTAL), 1);
    EXPECT_EQ(window->GetScrollPos(wxHORIZONTAL), 0);
}

TEST_F(PlotView, ScrollBarsOnAWindowWithoutThemAreIgnored)
{
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 39.5}));
    window->SetPLScrollbars(true);
    window->Fit();
    window->SetPLScrollbars(false);
    EXPECT_NEAR(window->GetScaleX(), 10, kEps);
}

} // namespace
