// Curve layers: data and bounds, pixels drawn on a memory canvas, clipping
// in both directions, name labels and function layers.

#include <array>

#include "PlotTestSupport.h"

namespace {

using Bounds = std::array<double, 4>;
Bounds bounds(plLayer& l) { return {l.GetMinX(), l.GetMaxX(), l.GetMinY(), l.GetMaxY()}; }

TEST(CurveData, BoundsFromSetData)
{
    LogCapture log;
    plFXYVector c("c", 0);
    c.SetData({2}, {3});
    EXPECT_EQ(bounds(c), (Bounds{1.5, 2.5, 2.5, 3.5}));
    // Different lengths: refused, logged, old data kept.
    c.SetData({1, 2, 3}, {1, 2});
    EXPECT_EQ(log.messages, std::vector<std::string>{"Plot error: X and Y vector are not of the same length!"});
    EXPECT_EQ(bounds(c), (Bounds{1.5, 2.5, 2.5, 3.5}));
    c.SetData({-4, 7, 1}, {10, -2, 0});
    EXPECT_EQ(bounds(c), (Bounds{-4.5, 7.5, -2.5, 10.5}));
    // Non-finite values take no part in the bounds.
    c.SetData({0, NAN, 4}, {1, 2, INFINITY});
    EXPECT_EQ(bounds(c), (Bounds{-0.5, 4.5, 0.5, 2.5}));
    c.SetData({}, {});
    EXPECT_EQ(bounds(c), (Bounds{-1, 1, -1, 1}));
}

// A 200 x 100 canvas on which plot x maps to pixel x and plot y to 100 - y.
class CurvePixels : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(0, 200, 0, 100, 200, 100);
        ASSERT_EQ(window->GetScaleX(), 1.0);
        ASSERT_EQ(window->GetPosY(), 100.0);
    }
    // A continuous curve through the points; with clip only inside the margins.
    void draw(Canvas& c, const std::vector<double>& xs, const std::vector<double>& ys, bool clip = false)
    {
        std::unique_ptr<plFXYVector> curve(makeCurve(xs, ys));
        curve->SetDrawOutsideMargins(!clip);
        curve->Plot(c.dc, *window);
    }
    Canvas canvas{200, 100};
};

TEST_F(CurvePixels, SegmentsAndPoints)
{
    // Row 50 from x 20 to 180, then column 180 from y 50 to 90.
    draw(canvas, {20, 180, 180}, {50, 50, 10});
    for (const auto& [x, y] : {std::pair{21, 50}, {100, 50}, {179, 50}, {180, 70}})
        EXPECT_FALSE(canvas.white(x, y)) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{100, 49}, {100, 51}, {10, 50}, {181, 70}, {180, 95}})
        EXPECT_TRUE(canvas.white(x, y)) << x << ", " << y;
    EXPECT_EQ(canvas.inked(), canvas.inked(wxRect(20, 50, 161, 41)));

    // Points are one pixel, or a dot of the pen's width; hidden, nothing.
    Canvas dots(200, 100), wide(200, 100), hidden(200, 100);
    std::unique_ptr<plFXYVector> points(makeCurve({50, 150}, {50, 50}, "", false));
    points->Plot(dots.dc, *window);
    EXPECT_FALSE(dots.white(50, 50));
    EXPECT_EQ(dots.inked(), 2);
    points->SetPen(wxPen(*wxBLACK, 5));
    points->Plot(wide.dc, *window);
    EXPECT_GT(wide.inked(wxRect(45, 45, 11, 11)), 4);
    points->SetVisible(false);
    points->Plot(hidden.dc, *window);
    EXPECT_EQ(hidden.inked(), 0);
}

TEST_F(CurvePixels, SegmentsCutAtTheMarginsInBothDirections)
{
    // Inside the margins: x 10..190, y 10..90.
    window->SetMargins(10, 10, 10, 10);
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "reversed" : "forwards");
        // Along row 50 across the left edge; along column 100 across the top
        // edge (pixel y 50 to -50).
        std::vector<double> xs{-100, 100}, ys{50, 150};
        if (reversed) {
            std::swap(xs[0], xs[1]);
            std::swap(ys[0], ys[1]);
        }
        Canvas across(200, 100), up(200, 100);
        draw(across, xs, {50, 50}, true);
        draw(up, {100, 100}, ys, true);
        EXPECT_FALSE(across.white(11, 50));
        EXPECT_FALSE(across.white(60, 50));
        EXPECT_TRUE(across.white(5, 50));
        EXPECT_TRUE(across.white(120, 50));
        EXPECT_FALSE(up.white(100, 12));
        EXPECT_FALSE(up.white(100, 49));
        EXPECT_EQ(up.inked(wxRect(0, 0, 200, 10)), 0);
    }
    // A diagonal from right to left across the left edge (as a polar curve
    // past 90 degrees): on it pixel y = 50 + (150 - x) / 5, so it meets the
    // left edge x 10 at y 78, before the bottom edge.
    draw(canvas, {150, -100}, {50, 0}, true);
    EXPECT_FALSE(canvas.white(150, 50) && canvas.white(149, 50));
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 10, 100)), 0);
    EXPECT_GT(canvas.inked(wxRect(10, 75, 10, 6)), 0);
}

TEST_F(CurvePixels, SegmentsOutsideTheWindowOrLeavingAndReturning)
{
    // Both ends above, below, left, right; passing by the top left corner.
    draw(canvas, {10, 190}, {150, 120});
    draw(canvas, {190, 10}, {-50, -20});
    draw(canvas, {-10, -50}, {0, 100});
    draw(canvas, {250, 300}, {100, 0});
    draw(canvas, {-50, 20}, {120, 160});
    EXPECT_EQ(canvas.inked(), 0);

    // Leaves through the top at x 30 and returns at x 70: the part after the
    // return runs from where it re-enters, not from where it left.
    draw(canvas, {20, 40, 60, 80, 100}, {50, 150, 150, 50, 50});
    EXPECT_FALSE(canvas.white(90, 50));
    EXPECT_EQ(canvas.inked(wxRect(32, 0, 36, 100)), 0);
    EXPECT_GT(canvas.inked(wxRect(70, 0, 10, 50)), 0);
}

TEST_F(CurvePixels, HugeAndNonFiniteCoordinates)
{
    // Far beyond what an int or cairo can take, from both sides.
    draw(canvas, {1e12, -1e12}, {50, 50});
    draw(canvas, {100, 100}, {-1e300, 1e300});
    for (const auto& [x, y] : {std::pair{3, 50}, {197, 50}, {100, 3}, {100, 97}})
        EXPECT_FALSE(canvas.white(x, y)) << x << ", " << y;

    // A NaN point is skipped: its neighbours are joined.
    Canvas c(200, 100);
    draw(c, {20, NAN, 180}, {30, 50, 30});
    EXPECT_FALSE(c.white(100, 70));
    EXPECT_EQ(c.inked(wxRect(0, 0, 200, 69)), 0);
}

TEST_F(CurvePixels, NameLabelPlacement)
{
    canvas.dc.SetFont(*wxNORMAL_FONT);
    const wxSize t = canvas.dc.GetTextExtent("Label");
    // The curve is row 70 from x 60 to 150. The name's left edge 8 right of x 60 or its right
    // edge 8 left of x 150; its bottom 8 above row 70 or its top 8 below it.
    const std::pair<int, wxRect> cases[] = {{plNAME_ABOVE_LEFT, wxRect(68, 62 - t.y, t.x, t.y)},
                                            {plNAME_ABOVE_RIGHT, wxRect(142 - t.x, 62 - t.y, t.x, t.y)},
                                            {plNAME_BELOW_LEFT, wxRect(68, 78, t.x, t.y)},
                                            {plNAME_BELOW_RIGHT, wxRect(142 - t.x, 78, t.x, t.y)}};
    for (const auto& [placement, label] : cases) {
        Canvas c(200, 100), none(200, 100);
        plFXYVector curve("Label", placement);
        curve.SetContinuity(true);
        curve.SetData({60, 150}, {30, 30});
        curve.Plot(c.dc, *window);
        EXPECT_GT(c.inked(label), 0) << placement;
        EXPECT_EQ(c.inked(), c.inked(label) + c.inked(wxRect(60, 70, 91, 1))) << placement;
        curve.ShowName(false);
        curve.Plot(none.dc, *window);
        EXPECT_EQ(none.inked(), none.inked(wxRect(60, 70, 91, 1))) << placement;
    }
}

// y = x / 2, x = y / 2 and a step as function layers.
class HalfX : public plFX {
public:
    using plFX::plFX;
    double GetY(double x) override { return x / 2; }
};
class HalfY : public plFY {
    double GetX(double y) override { return y / 2; }
};
class Step : public plProfile {
    double GetY(double x) override { return x < 100 ? 20 : 80; }
};

TEST_F(CurvePixels, FunctionLayers)
{
    Canvas c2(200, 100), c3(200, 100);
    HalfX fx;
    HalfY fy;
    Step profile;
    fx.Plot(canvas.dc, *window);
    fy.Plot(c2.dc, *window);
    profile.Plot(c3.dc, *window);
    // x = 190 gives y 95, pixel 5; y = 80 (row 20) gives x 40; the step's
    // rows 80 and 20 are joined at column 99..100.
    EXPECT_FALSE(canvas.white(190, 5));
    EXPECT_TRUE(canvas.white(100, 60));
    EXPECT_FALSE(c2.white(40, 20));
    EXPECT_FALSE(c3.white(50, 80));
    EXPECT_FALSE(c3.white(99, 50));

    // A function's name sits on the curve, its left edge at the column the placement gives:
    // 8 from the left, centred, or 8 from the right.
    const wxSize t = canvas.dc.GetTextExtent("half");
    for (const auto& [placement, x] : {std::pair{plNAME_ABOVE_LEFT, 8}, {plNAME_BELOW_LEFT, (200 - t.x) / 2},
                                       {plNAME_BELOW_RIGHT, 200 - t.x - 8}}) {
        Canvas named(200, 100);
        HalfX half("half", placement);
        half.Plot(named.dc, *window);
        const wxRect label(x, 100 - x / 2, t.x, t.y);
        EXPECT_GT(named.inked(label) - canvas.inked(label), 0) << placement;
        EXPECT_EQ(named.inked() - canvas.inked(), named.inked(label) - canvas.inked(label)) << placement;
    }
}

} // namespace
