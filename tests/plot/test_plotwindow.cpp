// The plot window's view arithmetic, mouse navigation, menu and layer list.

#include <functional>

#include <wx/uiaction.h>

#include "PlotTestSupport.h"

namespace {

constexpr double kEps = 1e-9;

// Counts how often the window painted it, and its destruction.
class PaintCounter : public plLayer {
public:
    explicit PaintCounter(int& count, int* deaths = nullptr) : count(count), deaths(deaths) {}
    ~PaintCounter() override
    {
        if (deaths)
            ++*deaths;
    }
    bool HasBBox() override { return false; }
    void Plot(wxDC&, plWindow&) override { ++count; }
    int& count;
    int* deaths;
};

class PlotView : public PlotWindowTest {
protected:
    // Scale x and y, position x and y, then (if given) the desired x and y bounds.
    void expectView(const std::vector<double>& want)
    {
        const double got[] = {window->GetScaleX(),      window->GetScaleY(),      window->GetPosX(),
                              window->GetPosY(),        window->GetDesiredXmin(), window->GetDesiredXmax(),
                              window->GetDesiredYmin(), window->GetDesiredYmax()};
        for (size_t i = 0; i < want.size(); ++i)
            EXPECT_NEAR(got[i], want[i], kEps) << "view value " << i;
    }
};

TEST_F(PlotView, FitLockAspectMarginsAndDegenerateInput)
{
    ASSERT_EQ(window->GetClientSize(), wxSize(600, 400));
    window->Fit(0, 180, 0, 1.8);
    expectView({600.0 / 180, 400.0 / 1.8, 0.0, 1.8, 0, 180, 0, 1.8});
    // Locked aspect takes the smaller scale about the centre (300, 200).
    const double s = 600.0 / 180;
    window->LockAspect(true);
    expectView({s, s, 90 - 300 / s, 0.9 + 200 / s});
    menu(plID_LOCKASPECT);
    EXPECT_FALSE(window->GetPopupMenu()->IsChecked(plID_LOCKASPECT));
    expectView({600.0 / 180, 400.0 / 1.8, 0.0, 1.8});

    // Plot area 540 x 360, centre (270 + 40, 180 + 10).
    window->SetMargins(10, 20, 30, 40);
    window->Fit(0, 54, 0, 36);
    expectView({10, 10, 27 - 310.0 / 10, 18 + 190.0 / 10});
    // No width: scale 1. Non-finite bounds are ignored.
    window->Fit(5, 5, 0, 36);
    window->Fit(0, std::nan(""), 0, 1);
    window->Fit(-INFINITY, 1, 0, 1);
    expectView({1, 10, 5 - 310.0, 18 + 190.0 / 10, 5, 5, 0, 36});

    // Margins wider than the window leave a plot area of one pixel.
    window->SetMargins(300, 400, 300, 400);
    window->Fit(0, 2, 0, 4);
    expectView({0.5, 0.25});
    EXPECT_TRUE(std::isfinite(window->GetPosX()));
}

TEST_F(PlotView, FitToTheLayers)
{
    // Axes and info boxes have no bounds: fitting to them alone changes nothing.
    window->AddLayer(new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0));
    window->AddLayer(new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH));
    window->Fit(0, 60, 0, 40);
    window->Fit();
    menu(plID_FIT);
    expectView({10, 10, 0, 40});

    // A curve with bounds 0..60 x 0..20 after the 0.5 widening; scroll bars
    // asked of a window without them are ignored.
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 19.5}));
    window->SetPLScrollbars(true);
    menu(plID_FIT);
    window->SetPLScrollbars(false);
    expectView({10, 20, 0, 20, 0, 60, 0, 20});
}

TEST_F(PlotView, ZoomInAndOutAboutAPointAndBack)
{
    window->Fit(0, 60, 0, 40);
    // Plot point under (100, 100) is (10, 30); it stays there at scale 15.
    const double left = 10 - 100.0 / 15, top = 30 + 100.0 / 15;
    window->ZoomIn(wxPoint(100, 100));
    expectView({15, 15, left, top, left, left + 40, top - 400.0 / 15, top});
    window->ZoomOut(wxPoint(100, 100));
    expectView({10, 10, 0, 40, 0, 60, 0, 40});

    // About the centre (300, 200), plot point (30, 20).
    const double s = 10 / 1.5;
    window->ZoomOut();
    expectView({s, s, 30 - 300 / s, 20 + 200 / s});
    window->ZoomIn();
    expectView({10, 10, 0, 40});
    window->ZoomInX();
    window->ZoomOutY();
    expectView({15, s, 0, 40});
}

TEST_F(PlotView, WheelScrollsAndZooms)
{
    window->Fit(0, 300, 0, 200);
    // 120 pixels: posY lowered by 60 plot units, with SHIFT posX raised by 60.
    wheel(-120, 10, 10, false, false);
    expectView({2, 2, 0, 140, 0, 300, -60, 140});
    wheel(-120, 10, 10, false, true);
    expectView({2, 2, 60, 140, 60, 360, -60, 140});
    // CTRL zooms about plot point (60 + 100 / 2, 140 - 50 / 2) under the mouse.
    wheel(120, 100, 50, true, false);
    expectView({3, 3, 110 - 100.0 / 3, 115 + 50.0 / 3});
    wheel(-120, 100, 50, true, false);
    expectView({2, 2, 60, 140});

    window->EnableMousePanZoom(false);
    wheel(-120, 10, 10, false, false);
    expectView({2, 2, 60, 140});
}

TEST_F(PlotView, RightDragPansAndLeftDragZooms)
{
    window->Fit(0, 60, 0, 40);
    // dx = (100 - 130) / 10, dy = (80 - 100) / 10.
    mouse(wxEVT_RIGHT_DOWN, 100, 100, false, true);
    mouse(wxEVT_MOTION, 130, 80, false, true);
    expectView({10, 10, -3, 38, -3, 57, -2, 38});
    mouse(wxEVT_MOTION, 120, 90, false, true);
    // The mouse moved, so the release opens no menu (which would block here).
    mouse(wxEVT_RIGHT_UP, 120, 90);
    expectView({10, 10, -2, 39});

    // The rectangle (100, 100)-(300, 200) is plot x 10..30, y 20..30.
    window->Fit(0, 60, 0, 40);
    mouse(wxEVT_LEFT_DOWN, 100, 100, true);
    mouse(wxEVT_MOTION, 300, 200, true);
    window->Update();
    mouse(wxEVT_LEFT_UP, 300, 200);
    expectView({30, 40, 10, 30, 10, 30, 20, 30});
    // Press and release on one pixel, or a release without a press, zoom nothing.
    mouse(wxEVT_LEFT_DOWN, 50, 50, true);
    mouse(wxEVT_LEFT_UP, 50, 50);
    mouse(wxEVT_LEFT_UP, 500, 300);
    expectView({30, 40, 10, 30});
}

TEST_F(PlotView, RightClickMenuAndHelp)
{
    wxString labels;
    for (const wxMenuItem* item : window->GetPopupMenu()->GetMenuItems())
        labels += item->GetItemLabelText() + "|";
    EXPECT_EQ(labels, "Center|Fit|Zoom in|Zoom out|Lock aspect|Show mouse commands...|");

    // A right click opens the menu; Escape closes it once it is up.
    window->Fit(0, 60, 0, 40);
    bool opened = false;
    const auto onOpen = [&](wxMenuEvent& event) {
        opened = true;
        event.Skip();
        wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    };
    window->Bind(wxEVT_MENU_OPEN, onOpen);
    mouse(wxEVT_RIGHT_DOWN, 400, 100, false, true);
    mouse(wxEVT_RIGHT_UP, 400, 100);
    window->Unbind(wxEVT_MENU_OPEN, onOpen);
    EXPECT_TRUE(opened);
    // "Center" moves the clicked pixel to the centre; the desired bounds stay.
    menu(plID_CENTER);
    expectView({10, 10, 10, 50, 0, 60, 0, 40});
    // "Zoom in" is about the clicked pixel, plot (50, 40).
    menu(plID_ZOOM_IN);
    expectView({15, 15, 50 - 400.0 / 15, 40 + 100.0 / 15});

    class ExpectHelp : public wxExpectModal<wxMessageDialog> {
    public:
        ExpectHelp() : wxExpectModal<wxMessageDialog>(wxID_OK) {}

    protected:
        int OnInvoked(wxMessageDialog* dlg) const override
        {
            EXPECT_EQ(dlg->GetTitle().utf8_string(), "Plot help");
            EXPECT_EQ(dlg->GetMessage().utf8_string(), "Supported Mouse commands:\n"
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

TEST_F(PlotView, LayerListRefusesNullAndDoubleAdds)
{
    auto* curve = makeCurve({1, 2}, {3, 4}, "polar");
    auto* axis = new plScaleX("x", 1, true, 0);
    EXPECT_FALSE(window->AddLayer(nullptr));
    EXPECT_TRUE(window->AddLayer(curve));
    EXPECT_TRUE(window->AddLayer(axis));
    EXPECT_FALSE(window->AddLayer(curve));
    EXPECT_EQ(window->CountLayers(), 1u);
    EXPECT_EQ(window->CountAllLayers(), 2u);
    EXPECT_EQ(window->GetLayer(2), nullptr);
    EXPECT_EQ(window->GetLayerByName("x"), axis);
    window->SetLayerVisible("polar", false);
    EXPECT_FALSE(window->IsLayerVisible(0u));
    EXPECT_TRUE(window->DelLayer(axis, true));
    EXPECT_FALSE(window->DelLayer(axis));
    EXPECT_EQ(window->CountAllLayers(), 1u);
}

TEST_F(PlotView, DraggingAnInfoBoxAndRemovingIt)
{
    window->Fit(0, 60, 0, 40);
    auto* box = new plInfoLayer(wxRect(50, 60, 40, 30), wxWHITE_BRUSH);
    window->AddLayer(box);
    // The drag moves the box and zooms nothing.
    mouse(wxEVT_LEFT_DOWN, 60, 70, true);
    mouse(wxEVT_MOTION, 80, 75, true);
    mouse(wxEVT_LEFT_UP, 80, 75);
    EXPECT_EQ(box->GetPosition(), wxPoint(70, 65));
    expectView({10, 10, 0, 40});

    // Removing the box being dragged ends the drag; the release then zooms
    // normally instead of touching the deleted box.
    mouse(wxEVT_LEFT_DOWN, 75, 70, true);
    EXPECT_TRUE(window->DelLayer(box, true));
    mouse(wxEVT_MOTION, 175, 170, true);
    mouse(wxEVT_LEFT_UP, 175, 170);
    EXPECT_NEAR(window->GetScaleX(), 600.0 / 10, kEps);
}

TEST_F(PlotView, HundredZoomsInStillPaint)
{
    int paints = 0;
    window->AddLayer(makeCurve({0, 10, 20, 30}, {0, 20, 5, 30}, "curve"));
    window->AddLayer(new plScaleX("x", plAXIS_AT_ORIGIN, false, 0));
    window->AddLayer(new plScaleY("y", plAXIS_BORDER_BOTTOM_OR_LEFT, true));
    window->AddLayer(new PaintCounter(paints));
    window->Fit();
    for (int i = 0; i < 100; ++i)
        wheel(120, 317, 211, true, false);
    EXPECT_GT(window->GetScaleX(), 1e17);

    const int before = paints;
    window->Refresh();
    pumpEvents(100);
    EXPECT_GT(paints, before);
}

TEST_F(PlotView, ZoomingOutRepaintsAndDestroyingFreesTheLayers)
{
    int paints = 0, deaths = 0;
    window->AddLayer(new PaintCounter(paints, &deaths));
    window->Fit(0, 60, 0, 40);
    pumpEvents(100);
    for (const auto& zoom : std::vector<std::function<void()>>{[this] { window->ZoomOut(); },
                                                               [this] { window->ZoomOutX(); },
                                                               [this] { window->ZoomOutY(); }}) {
        const int before = paints;
        zoom();
        pumpEvents(100);
        EXPECT_GT(paints, before);
    }
    window->Destroy();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(deaths, 1);
}

class ScrollingPlotView : public PlotWindowTest {
protected:
    long style() const override { return wxHSCROLL | wxVSCROLL; }
};

TEST_F(ScrollingPlotView, ScrollBarsFollowTheView)
{
    const int cx = window->GetClientSize().x;
    window->AddLayer(makeCurve({0.5, 59.5}, {0.5, 39.5}));
    window->Fit(0, 60, 0, 40);
    window->SetPLScrollbars(true);
    // Zoomed in about the centre the view shows x 10..50 of the data's 0..60.
    window->ZoomIn();
    const double s = cx / 40.0;
    EXPECT_NEAR(window->GetPosX(), 10, kEps);
    EXPECT_EQ(window->GetScrollPos(wxHORIZONTAL), int(std::trunc(10 * s)));
    EXPECT_EQ(window->GetScrollRange(wxHORIZONTAL), int(std::trunc(60 * s)));
    EXPECT_EQ(window->GetScrollRange(wxVERTICAL), int(std::trunc(40 * s)));

    wxScrollWinEvent track(wxEVT_SCROLLWIN_THUMBTRACK, 50, wxHORIZONTAL), top(wxEVT_SCROLLWIN_TOP, 0, wxVERTICAL);
    window->ProcessWindowEvent(track);
    window->ProcessWindowEvent(top);
    EXPECT_NEAR(window->GetPosX(), 50 / s, kEps);
    EXPECT_NEAR(window->GetPosY(), 40, kEps);

    window->SetPLScrollbars(false);
    EXPECT_LE(window->GetScrollRange(wxHORIZONTAL), 1);
}

} // namespace
