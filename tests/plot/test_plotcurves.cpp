// Curve layers: data and bounds, pixels drawn on a memory canvas, clipping
// in both directions, name labels.

#include "PlotTestSupport.h"

namespace {

// A 200 x 100 canvas on which plot x maps to pixel x and plot y to 100 - y.
class CurvePixels : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        int w = 200, h = 100;
        window->Fit(0, 200, 0, 100, &w, &h);
        ASSERT_EQ(window->GetScaleX(), 1.0);
        ASSERT_EQ(window->GetPosY(), 100.0);
    }
    plFXYVector* curve(const std::vector<double>& xs, const std::vector<double>& ys, bool continuous = true)
    {
        layer.reset(makeCurve(xs, ys, wxEmptyString, continuous));
        return layer.get();
    }
    Canvas canvas{200, 100};
    std::unique_ptr<plFXYVector> layer;
};

TEST(CurveData, BoundsFromSetData)
{
    LogCapture log;
    plFXYVector c("c", 0);
    EXPECT_EQ(c.GetLayerType(), plLAYER_PLOT);
    EXPECT_DOUBLE_EQ(c.GetMinX(), -1);
    EXPECT_DOUBLE_EQ(c.GetMaxY(), 1);

    c.SetData({2}, {3});
    EXPECT_DOUBLE_EQ(c.GetMinX(), 1.5);
    EXPECT_DOUBLE_EQ(c.GetMaxX(), 2.5);
    EXPECT_DOUBLE_EQ(c.GetMinY(), 2.5);
    EXPECT_DOUBLE_EQ(c.GetMaxY(), 3.5);

    // Different lengths: refused, logged, old data kept.
    c.SetData({1, 2, 3}, {1, 2});
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0], "Plot error: X and Y vector are not of the same length!");
    EXPECT_DOUBLE_EQ(c.GetMinX(), 1.5);
    double x = 0, y = 0;
    c.Rewind();
    ASSERT_TRUE(c.GetNextXY(x, y));
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 3);
    EXPECT_FALSE(c.GetNextXY(x, y));

    c.SetData({-4, 7, 1}, {10, -2, 0});
    EXPECT_DOUBLE_EQ(c.GetMinX(), -4.5);
    EXPECT_DOUBLE_EQ(c.GetMaxX(), 7.5);
    EXPECT_DOUBLE_EQ(c.GetMinY(), -2.5);
    EXPECT_DOUBLE_EQ(c.GetMaxY(), 10.5);

    // Non-finite values take no part in the bounds.
    c.SetData({0, NAN, 4}, {1, 2, INFINITY});
    EXPECT_DOUBLE_EQ(c.GetMinX(), -0.5);
    EXPECT_DOUBLE_EQ(c.GetMaxX(), 4.5);
    EXPECT_DOUBLE_EQ(c.GetMinY(), 0.5);
    EXPECT_DOUBLE_EQ(c.GetMaxY(), 2.5);

    c.SetData({}, {});
    EXPECT_DOUBLE_EQ(c.GetMinX(), -1);
    EXPECT_DOUBLE_EQ(c.GetMaxX(), 1);
    EXPECT_DOUBLE_EQ(c.GetMinY(), -1);
    EXPECT_DOUBLE_EQ(c.GetMaxY(), 1);

    c.SetData({5}, {5});
    c.Clear();
    c.Rewind();
    EXPECT_FALSE(c.GetNextXY(x, y));
    EXPECT_DOUBLE_EQ(c.GetMinX(), 4.5);

    c.SetPen(*wxRED_PEN);
    const wxImage square = c.GetColourSquare(8).ConvertToImage();
    EXPECT_EQ(square.GetWidth(), 8);
    EXPECT_EQ(wxColour(square.GetRed(4, 4), square.GetGreen(4, 4), square.GetBlue(4, 4)), *wxRED);
}

TEST_F(CurvePixels, ContinuousCurveDrawsItsSegments)
{
    curve({20, 180, 180}, {50, 50, 10})->Plot(canvas.dc, *window);
    // Row 50 from x 20 to 180, then column 180 from y 50 to 90.
    EXPECT_FALSE(canvas.white(21, 50));
    EXPECT_FALSE(canvas.white(100, 50));
    EXPECT_FALSE(canvas.white(179, 50));
    EXPECT_TRUE(canvas.white(100, 49));
    EXPECT_TRUE(canvas.white(100, 51));
    EXPECT_TRUE(canvas.white(10, 50));
    EXPECT_FALSE(canvas.white(180, 70));
    EXPECT_TRUE(canvas.white(181, 70));
    EXPECT_TRUE(canvas.white(180, 95));
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)), canvas.inked(wxRect(20, 50, 161, 41)));
}

TEST_F(CurvePixels, PointsUseThePenWidth)
{
    auto* c = curve({50, 150}, {50, 50}, false);
    c->Plot(canvas.dc, *window);
    EXPECT_FALSE(canvas.white(50, 50));
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)), 2);

    Canvas wide(200, 100);
    c->SetPen(wxPen(*wxBLACK, 5));
    c->Plot(wide.dc, *window);
    EXPECT_FALSE(wide.white(50, 50));
    EXPECT_FALSE(wide.white(51, 51));
    EXPECT_FALSE(wide.white(149, 49));
    EXPECT_GT(wide.inked(wxRect(45, 45, 11, 11)), 4);
}

TEST_F(CurvePixels, SegmentsCutAtTheEdgesInBothDirections)
{
    window->SetMargins(10, 10, 10, 10);
    // Band x 10..190, y 10..90.
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "right to left" : "left to right");
        std::vector<double> xs{-100, 100}, ys{50, 50};
        if (reversed) {
            std::swap(xs[0], xs[1]);
        }
        Canvas c(200, 100);
        auto* l = curve(xs, ys);
        l->SetDrawOutsideMargins(false);
        l->Plot(c.dc, *window);
        EXPECT_FALSE(c.white(11, 50));
        EXPECT_FALSE(c.white(60, 50));
        EXPECT_TRUE(c.white(5, 50));
        EXPECT_TRUE(c.white(120, 50));
    }
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "upwards" : "downwards");
        // From inside across the top edge (pixel y 50 to -50).
        std::vector<double> xs{100, 100}, ys{50, 150};
        if (reversed)
            std::swap(ys[0], ys[1]);
        Canvas c(200, 100);
        auto* l = curve(xs, ys);
        l->SetDrawOutsideMargins(false);
        l->Plot(c.dc, *window);
        EXPECT_FALSE(c.white(100, 12));
        EXPECT_FALSE(c.white(100, 49));
        EXPECT_TRUE(c.white(100, 5));
        EXPECT_EQ(c.inked(wxRect(0, 0, 200, 10)), 0);
    }
    // A diagonal from right to left across the left edge (as a polar curve
    // past 90 degrees): x from 150 to -100, y from 50 to 0 (pixel 50 to 100).
    Canvas c(200, 100);
    auto* l = curve({150, -100}, {50, 0});
    l->SetDrawOutsideMargins(false);
    l->Plot(c.dc, *window);
    // On the line pixel y = 50 + (150 - x) / 5: it meets the left edge x 10
    // at y 78, before the bottom edge.
    EXPECT_FALSE(c.white(150, 50) && c.white(149, 50));
    EXPECT_EQ(c.inked(wxRect(0, 0, 10, 100)), 0);
    EXPECT_GT(c.inked(wxRect(10, 75, 10, 6)), 0);
}

TEST_F(CurvePixels, SegmentsOutsideDrawNothing)
{
    // Both ends above the window, both below, both left, both right.
    curve({10, 190}, {150, 120})->Plot(canvas.dc, *window);
    curve({190, 10}, {-50, -20})->Plot(canvas.dc, *window);
    curve({-10, -50}, {0, 100})->Plot(canvas.dc, *window);
    curve({250, 300}, {100, 0})->Plot(canvas.dc, *window);
    // Passing by the top left corner without touching the window.
    curve({-50, 20}, {120, 160})->Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)), 0);
}

TEST_F(CurvePixels, HugeAndNonFiniteCoordinates)
{
    // Far beyond what an int or cairo can take, from both sides.
    curve({1e12, -1e12}, {50, 50})->Plot(canvas.dc, *window);
    curve({100, 100}, {-1e300, 1e300})->Plot(canvas.dc, *window);
    EXPECT_FALSE(canvas.white(3, 50));
    EXPECT_FALSE(canvas.white(197, 50));
    EXPECT_FALSE(canvas.white(100, 3));
    EXPECT_FALSE(canvas.white(100, 97));

    // A NaN point is skipped: its neighbours are joined.
    Canvas c(200, 100);
    curve({20, NAN, 180}, {30, 50, 30})->Plot(c.dc, *window);
    EXPECT_FALSE(c.white(100, 70));
    EXPECT_EQ(c.inked(wxRect(0, 0, 200, 69)), 0);
}

TEST_F(CurvePixels, CurveCutTwiceReturnsOnItsOwnLine)
{
    // Leaves through the top and comes back: the part after the return must
    // run from the point where it re-enters, not from where it left.
    curve({20, 40, 60, 80, 100}, {50, 150, 150, 50, 50})->Plot(canvas.dc, *window);
    // Rising from (20, 50) to (40, -50): crosses the top at x 30. Falling
    // from (60, -50) to (80, 50): crosses the top at x 70.
    EXPECT_FALSE(canvas.white(90, 50));
    EXPECT_EQ(canvas.inked(wxRect(32, 0, 36, 100)), 0);
    EXPECT_GT(canvas.inked(wxRect(70, 0, 10, 50)), 0);
}

TEST_F(CurvePixels, NameLabelPlacement)
{
    wxCoord tw = 0, th = 0;
    canvas.dc.SetFont(*wxNORMAL_FONT);
    canvas.dc.GetTextExtent("Label", &tw, &th);

    // Above left: left edge 8 right of the leftmost pixel x 60, bottom 8
    // above the topmost pixel y 70.
    plFXYVector aboveLeft("Label", plNAME_ABOVE_LEFT);
    aboveLeft.SetContinuity(true);
    aboveLeft.SetData({60, 150}, {30, 30});
    aboveLeft.Plot(canvas.dc, *window);
    const wxRect label(68, 70 - 8 - th, tw, th);
    EXPECT_GT(canvas.inked(label), 0);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)),
              canvas.inked(label) + canvas.inked(wxRect(60, 70, 91, 1)));

    // Below right: right edge 8 left of x 150, top 8 below y 70.
    Canvas below(200, 100);
    plFXYVector belowRight("Label", plNAME_BELOW_RIGHT);
    belowRight.SetContinuity(true);
    belowRight.SetData({60, 150}, {30, 30});
    belowRight.Plot(below.dc, *window);
    const wxRect labelBelow(150 - tw - 8, 78, tw, th);
    EXPECT_GT(below.inked(labelBelow), 0);
    EXPECT_EQ(below.inked(wxRect(0, 0, 200, 100)),
              below.inked(labelBelow) + below.inked(wxRect(60, 70, 91, 1)));

    // No label when hidden or unnamed.
    Canvas none(200, 100);
    belowRight.ShowName(false);
    belowRight.Plot(none.dc, *window);
    EXPECT_EQ(none.inked(wxRect(0, 0, 200, 100)), none.inked(wxRect(60, 70, 91, 1)));
}

TEST_F(CurvePixels, InvisibleCurveDrawsNothing)
{
    auto* c = curve({20, 180}, {50, 50});
    c->SetVisible(false);
    c->Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)), 0);
}

// y = x / 2 and x = y / 2 as function layers.
class HalfX : public plFX {
public:
    double GetY(double x) override { return x / 2; }
};
class HalfY : public plFY {
public:
    double GetX(double y) override { return y / 2; }
};
class Step : public plProfile {
public:
    double GetY(double x) override { return x < 100 ? 20 : 80; }
};

TEST_F(CurvePixels, FunctionLayers)
{
    HalfX fx;
    fx.Plot(canvas.dc, *window);
    // Column 100: y = 50, pixel 50; column 190: y 95, pixel 5.
    EXPECT_FALSE(canvas.white(100, 50));
    EXPECT_FALSE(canvas.white(190, 5));
    EXPECT_TRUE(canvas.white(100, 60));

    Canvas c2(200, 100);
    HalfY fy;
    fy.Plot(c2.dc, *window);
    // Row 20: y = 80, x = 40.
    EXPECT_FALSE(c2.white(40, 20));
    EXPECT_TRUE(c2.white(60, 20));

    Canvas c3(200, 100);
    Step profile;
    profile.Plot(c3.dc, *window);
    // Pixel rows 80 left of column 100 and 20 right of it, joined at 99..100.
    EXPECT_FALSE(c3.white(50, 80));
    EXPECT_FALSE(c3.white(150, 20));
    EXPECT_FALSE(c3.white(99, 50));
}

} // namespace
