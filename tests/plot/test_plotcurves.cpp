// Curve, function, shape and bitmap layers: data and bounds, and pixels drawn on a memory
// canvas: clipping in both directions, name labels, outlines and image scaling.

#include <array>
#include <cmath>

#include "PlotTestSupport.h"

namespace {

TEST(LayerData, CurvePolygonAndEllipseShapes)
{
    LogCapture log;
    plFXYVector c("c", 0);
    // Data and the bounds after it: widened by 0.5; different lengths refused and the old data
    // kept; non-finite values left out; no data, -1..1.
    const std::tuple<std::vector<double>, std::vector<double>, std::array<double, 4>> steps[] = {
        {{2}, {3}, {1.5, 2.5, 2.5, 3.5}},         {{1, 2, 3}, {1, 2}, {1.5, 2.5, 2.5, 3.5}},
        {{-4, 7, 1}, {10, -2, 0}, {-4.5, 7.5, -2.5, 10.5}}, {{0, NAN, 4}, {1, 2, INFINITY}, {-0.5, 4.5, 0.5, 2.5}},
        {{}, {}, {-1, 1, -1, 1}}};
    for (const auto& [xs, ys, bounds] : steps) {
        c.SetData(xs, ys);
        EXPECT_EQ((std::array{c.GetMinX(), c.GetMaxX(), c.GetMinY(), c.GetMaxY()}), bounds) << xs.size();
    }
    // A polygon's base (1, 2) turned a quarter: local (1, 1) is (0, 3). Empty: no bounds.
    // Closed: the first point again at the end. Different lengths are refused and the shape
    // kept; no points empty it.
    plPolygon p("triangle");
    p.SetCoordinateBase(1, 2, M_PI / 2);
    double x = 0, y = 0;
    p.TranslatePoint(1, 1, x, y);
    EXPECT_NEAR(std::hypot(x, y - 3), 0, 1e-12);
    EXPECT_FALSE(p.HasBBox());
    p.setPoints({0, 2, 1}, {0, 0, 1}, true), p.SetCoordinateBase(10, 20, 0);
    EXPECT_EQ((std::array{p.GetMinX(), p.GetMaxX(), p.GetMinY(), p.GetMaxY()}), (std::array{10.0, 12.0, 20.0, 21.0}));
    p.setPoints({1, 2}, {1}, false);
    EXPECT_EQ(p.GetShapeXs(), (std::vector{0.0, 2.0, 1.0, 0.0}));
    EXPECT_EQ(p.GetShapeYs(), (std::vector{0.0, 0.0, 1.0, 0.0}));
    EXPECT_EQ(log.messages,
              (std::vector<std::string>{"Plot error: X and Y vector are not of the same length!",
                                        "[plPolygon] Error: points_xs and points_ys must have the same number of elements"}));
    p.setPoints({}, {}, true);
    EXPECT_TRUE(p.GetShapeXs().empty());

    // Eigenvalue 4 along y first: the first point (0, 2 * 2), semi-axes 4 along y and 2 along
    // x; the last point closes the outline. The matrix reads back in the setter's order.
    plCovarianceEllipse e(1, 4, 0, 2, 32, "e");
    const auto &xs = e.GetShapeXs(), &ys = e.GetShapeYs();
    ASSERT_EQ(xs.size(), 32u);
    EXPECT_NEAR(std::hypot(xs[0], ys[0] - 4), 0, 1e-12);
    EXPECT_NEAR(ys[31], ys[0], 1e-8);
    EXPECT_NEAR(std::hypot(e.GetMaxX() - 2, e.GetMaxY() - 4), 0, 0.02);
    double c00 = 0, c01 = 0, c11 = 0;
    e.GetCovarianceMatrix(c00, c01, c11);
    EXPECT_EQ((std::array{c00, c01, c11}), (std::array{1.0, 0.0, 4.0}));
    // Equal variances without correlation: a circle of radius 2 * 3, no NaN.
    e.SetCovarianceMatrix(9, 0, 9);
    for (size_t i = 0; i < xs.size(); ++i)
        EXPECT_NEAR(std::hypot(xs[i], ys[i]), 6, 1e-9);
    // Correlated: eigenvalues 3 and 1 along the diagonals of [[2, 1], [1, 2]]; on the ellipse
    // u = (x + y) / sqrt 2 and v = (y - x) / sqrt 2 give u^2 / 3 + v^2 = 1, first point on u.
    e.SetCovarianceMatrix(2, 1, 2), e.SetQuantiles(1);
    EXPECT_NEAR(std::hypot(xs[0] - std::sqrt(1.5), ys[0] - std::sqrt(1.5)), 0, 1e-9);
    for (size_t i = 0; i < xs.size(); ++i) {
        const double u = (xs[i] + ys[i]) / std::sqrt(2.0), v = (ys[i] - xs[i]) / std::sqrt(2.0);
        EXPECT_NEAR(u * u / 3 + v * v, 1, 1e-9);
    }

    // Bad input is refused, and logged, before the outline changes; good input logs nothing.
    const std::vector<double> before = xs;
    e.SetCovarianceMatrix(1, 2, 1), e.SetCovarianceMatrix(-1, 0, 1), e.SetCovarianceMatrix(1, 0, -1);
    EXPECT_EQ(xs, before);
    e.SetCovarianceMatrix(1, 0, 1), e.SetQuantiles(-1), e.SetSegments(1);
    EXPECT_EQ(std::pair(e.GetSegments(), log.messages.size()), std::pair(32, size_t(2 + 5)));
    e.SetSegments(5), e.SetQuantiles(1);
    EXPECT_EQ(xs.size(), 5u);
}

// A 200 x 100 canvas on which plot x maps to pixel x and plot y to 100 - y.
class CurvePixels : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(0, 200, 0, 100, 200, 100);
    }
    // A continuous curve through the points, with clip only inside the margins.
    std::unique_ptr<Canvas> curve(const std::vector<double>& xs, const std::vector<double>& ys, bool clip = false)
    {
        std::unique_ptr<plFXYVector> curve(makeCurve(xs, ys));
        curve->SetDrawOutsideMargins(!clip);
        return draw(*curve);
    }
    // Pixels that must be inked, and pixels that must stay white.
    static void expectPixels(Canvas& c, std::initializer_list<wxPoint> inked, std::initializer_list<wxPoint> white)
    {
        for (const wxPoint& p : inked)
            EXPECT_FALSE(c.white(p.x, p.y)) << p.x << ", " << p.y;
        for (const wxPoint& p : white)
            EXPECT_TRUE(c.white(p.x, p.y)) << p.x << ", " << p.y;
    }
};

TEST_F(CurvePixels, SegmentsPointsAndClipping)
{
    // Row 50 from x 20 to 180, then column 180 from y 50 to 90.
    auto c = curve({20, 180, 180}, {50, 50, 10});
    expectPixels(*c, {{21, 50}, {100, 50}, {179, 50}, {180, 70}}, {{100, 49}, {100, 51}, {10, 50}, {181, 70}, {180, 95}});
    EXPECT_EQ(c->inked(), c->inked(wxRect(20, 50, 161, 41)));
    // Points are one pixel, or a dot of the pen's width.
    std::unique_ptr<plFXYVector> points(makeCurve({50, 150}, {50, 50}, "", 0, false));
    c = draw(*points);
    EXPECT_EQ(std::pair(c->white(50, 50), c->inked()), std::pair(false, 2));
    points->SetPen(wxPen(*wxBLACK, 5));
    EXPECT_GT(draw(*points)->inked(wxRect(45, 45, 11, 11)), 4);
    // Both ends above, below, left, right; passing by the top left corner.
    for (const auto& [xs, ys] : {std::pair<std::vector<double>, std::vector<double>>{{10, 190}, {150, 120}},
                                 {{190, 10}, {-50, -20}}, {{-10, -50}, {0, 100}}, {{250, 300}, {100, 0}},
                                 {{-50, 20}, {120, 160}}})
        EXPECT_EQ(curve(xs, ys)->inked(), 0) << xs[0];
    // Leaves through the top at x 30 and returns at x 70: the part after the
    // return runs from where it re-enters, not from where it left.
    c = curve({20, 40, 60, 80, 100}, {50, 150, 150, 50, 50});
    EXPECT_FALSE(c->white(90, 50));
    EXPECT_EQ(c->inked(wxRect(32, 0, 36, 100)), 0);
    EXPECT_GT(c->inked(wxRect(70, 0, 10, 50)), 0);
    // Far beyond what an int or cairo can take, from both sides.
    expectPixels(*curve({1e12, -1e12}, {50, 50}), {{3, 50}, {197, 50}}, {});
    expectPixels(*curve({100, 100}, {-1e300, 1e300}), {{100, 3}, {100, 97}}, {});
    // A NaN point is skipped: its neighbours are joined.
    c = curve({20, NAN, 180}, {30, 50, 30});
    EXPECT_FALSE(c->white(100, 70));
    EXPECT_EQ(c->inked(wxRect(0, 0, 200, 69)), 0);

    // Inside the margins: x 10..190, y 10..90. Along row 50 across the left edge; along
    // column 100 across the top edge (pixel y 50 to -50); both ways round.
    window->SetMargins(10, 10, 10, 10);
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "reversed" : "forwards");
        std::vector<double> xs{-100, 100}, ys{50, 150};
        if (reversed)
            std::swap(xs[0], xs[1]), std::swap(ys[0], ys[1]);
        expectPixels(*curve(xs, {50, 50}, true), {{11, 50}, {60, 50}}, {{5, 50}, {120, 50}});
        const auto up = curve({100, 100}, ys, true);
        expectPixels(*up, {{100, 12}, {100, 49}}, {});
        EXPECT_EQ(up->inked(wxRect(0, 0, 200, 10)), 0);
    }
    // A diagonal from right to left across the left edge (as a polar curve past 90 degrees):
    // on it pixel y = 50 + (150 - x) / 5, so it meets the left edge x 10 at y 78, before the bottom.
    c = curve({150, -100}, {50, 0}, true);
    EXPECT_FALSE(c->white(150, 50) && c->white(149, 50));
    EXPECT_EQ(c->inked(wxRect(0, 0, 10, 100)), 0);
    EXPECT_GT(c->inked(wxRect(10, 75, 10, 6)), 0);

    // Margins 10, 20, 30, 40: points on the band's edges x 40 and 180, y 10 and 70 (pixels
    // truncated from 180.9 and 70.6) are drawn, those a pixel beyond only when drawing may
    // cover the margins. A line along the top edge runs from the left edge to the right one;
    // a pixel above it, nothing is drawn.
    window->SetMargins(10, 20, 30, 40);
    std::unique_ptr<plFXYVector> edges(
        makeCurve({40, 39, 180.9, 181, 100, 100, 100, 100}, {50, 50, 50, 50, 90, 91, 29.4, 29}, "", 0, false));
    for (bool clip : {true, false}) {
        edges->SetDrawOutsideMargins(!clip);
        c = draw(*edges);
        expectPixels(*c, {{40, 50}, {180, 50}, {100, 10}, {100, 70}}, {});
        EXPECT_EQ(c->inked(), clip ? 4 : 8);
    }
    c = curve({0, 200}, {90, 90}, true);
    expectPixels(*c, {{40, 10}, {179, 10}}, {{39, 10}});
    EXPECT_EQ(c->inked(), c->inked(wxRect(40, 10, 141, 1)));
    EXPECT_EQ(curve({0, 200}, {91, 91}, true)->inked(), 0);
}

// y = x / 2, x = y / 2 and a step as function layers.
struct HalfX : plFX { using plFX::plFX; double GetY(double x) override { return x / 2; } };
struct HalfY : plFY { double GetX(double y) override { return y / 2; } };
struct Step : plProfile { double GetY(double x) override { return x < 100 ? 20 : 80; } };

TEST_F(CurvePixels, CurveAndFunctionNamesAndFunctionLayers)
{
    Canvas text(1, 1); text.dc.SetFont(*wxNORMAL_FONT);
    const wxSize t = text.dc.GetTextExtent("Ply");
    // The curve is row 70 from x 60 to 150. The name's left edge 8 right of x 60 or its right
    // edge 8 left of x 150; its bottom 8 above row 70 or its top 8 below it.
    const std::pair<int, wxRect> cases[] = {{plNAME_ABOVE_LEFT, wxRect(68, 62 - t.y, t.x, t.y)},
                                            {plNAME_ABOVE_RIGHT, wxRect(142 - t.x, 62 - t.y, t.x, t.y)},
                                            {plNAME_BELOW_LEFT, wxRect(68, 78, t.x, t.y)},
                                            {plNAME_BELOW_RIGHT, wxRect(142 - t.x, 78, t.x, t.y)}};
    for (const auto& [placement, label] : cases) {
        std::unique_ptr<plFXYVector> curve(makeCurve({60, 150}, {30, 30}, "Ply", placement));
        const auto c = draw(*curve);
        EXPECT_GT(c->inked(label), 0) << placement;
        EXPECT_EQ(c->inked(), c->inked(label) + c->inked(wxRect(60, 70, 91, 1))) << placement;
        curve->ShowName(false);
        EXPECT_EQ(draw(*curve)->inked(), 91) << placement;
    }
    // x = 190 gives y 95, pixel 5; y = 80 (row 20) gives x 40; the step's rows 80 and 20 are
    // joined at column 99..100.
    HalfX fx; HalfY fy; Step profile;
    const auto plain = draw(fx);
    expectPixels(*plain, {{190, 5}}, {{100, 60}});
    expectPixels(*draw(fy), {{40, 20}}, {});
    expectPixels(*draw(profile), {{50, 80}, {99, 50}}, {});
    // A function's name sits on the curve, its left edge at the column the placement gives: 8
    // from the left margin (40), centred between the margins, or 8 from the right margin (20).
    const wxSize h = text.dc.GetTextExtent("half");
    window->SetMargins(10, 20, 30, 40);
    for (const auto& [placement, x] : {std::pair{plNAME_ABOVE_LEFT, 48}, {plNAME_BELOW_LEFT, (140 - h.x) / 2 + 40},
                                       {plNAME_BELOW_RIGHT, 200 - h.x - 28}}) {
        HalfX half("half", placement);
        const auto named = draw(half);
        const wxRect label(x, 100 - x / 2, h.x, h.y);
        EXPECT_GT(named->inked(label) - plain->inked(label), 0) << placement;
        EXPECT_EQ(named->inked() - plain->inked(), named->inked(label) - plain->inked(label)) << placement;
    }
}

TEST_F(CurvePixels, PolygonOutlineNameAndBitmap)
{
    plPolygon p("square");
    p.setPoints({0, 40, 40, 0}, {0, 0, 40, 40}, true);
    p.SetCoordinateBase(50, 30, 0);
    // Zoomed in about pixel (60, 30), plot (60, 70): posX 20, posY 90 at scale 1.5. Edges at x
    // (50 - 20) * 1.5 and (90 - 20) * 1.5, y (90 - 70) * 1.5 and (90 - 30) * 1.5; the name at the
    // top right corner of the box: right edge 8 left of x 105, bottom 8 above y 30.
    window->ZoomIn(wxPoint(60, 30));
    auto c = draw(p);
    const wxSize t = c->dc.GetTextExtent("square");
    expectPixels(*c, {{75, 90}, {75, 30}, {45, 60}, {105, 60}}, {{75, 60}, {44, 60}, {106, 60}, {75, 29}, {75, 91}});
    EXPECT_GT(c->inked(wxRect(105 - t.x - 8, 30 - 8 - t.y, t.x, t.y)), 0);
    LogCapture log;
    plBitmapLayer b;
    b.SetBitmap(wxImage(), 0, 0, 1, 1);
    EXPECT_EQ(log.messages, std::vector<std::string>{"[plBitmapLayer] Assigned bitmap is not Ok()!"});
    EXPECT_EQ(draw(b)->inked(), 0);

    // 100 x 50 pixels in quarters: red and blue above, green and yellow below, over plot
    // (0, 0, 100, 50), at twice the horizontal scale in the vertical: 100 x 100 pixels.
    wxImage image(100, 50);
    image.SetRGB(wxRect(0, 0, 50, 25), 255, 0, 0); image.SetRGB(wxRect(50, 0, 50, 25), 0, 0, 255);
    image.SetRGB(wxRect(0, 25, 50, 25), 0, 255, 0); image.SetRGB(wxRect(50, 25, 50, 25), 255, 255, 0);
    b.SetBitmap(image, 0, 0, 100, 50); fit(0, 200, 0, 50, 200, 100);
    c = draw(b);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 100, 100));
    EXPECT_EQ((std::vector{c->at(25, 45), c->at(75, 45), c->at(25, 55), c->at(75, 98), c->at(110, 75)}),
              (std::vector{*wxRED, *wxBLUE, *wxGREEN, *wxYELLOW, *wxWHITE}));
    // Zoomed in a million times about the border of the upper quarters: only the window's
    // worth is scaled, left red, right blue. Out of view: nothing.
    // Zoomed in about pixel (60, 30), plot (60, 35): posX 20, posY 45, scales 1.5 and 3. The image
    // spans x -30..120 and y -15..135; its quarters meet at x 45, y 60.
    window->ZoomIn(wxPoint(60, 30));
    c = draw(b);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 120, 100));
    EXPECT_EQ((std::vector{c->at(44, 59), c->at(45, 59), c->at(44, 60), c->at(119, 99), c->at(120, 50)}),
              (std::vector{*wxRED, *wxBLUE, *wxGREEN, *wxYELLOW, *wxWHITE}));
    fit(50 - 1e-4, 50 + 1e-4, 37.5 - 0.5e-4, 37.5 + 0.5e-4, 200, 100);
    c = draw(b);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 200, 100));
    EXPECT_EQ((std::vector{c->at(50, 50), c->at(150, 50)}), (std::vector{*wxRED, *wxBLUE}));
    fit(500, 700, 0, 100, 200, 100);
    EXPECT_EQ(draw(b)->inked(), 0);
}

} // namespace
