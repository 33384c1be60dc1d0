// Shape layers (polygon, covariance ellipse) and the bitmap layer.

#include <cmath>

#include "PlotTestSupport.h"

namespace {

TEST(Shapes, PolygonCoordinateBaseAndBoundingBox)
{
    LogCapture log;
    plPolygon p("triangle");
    // Base (1, 2) turned a quarter: local (1, 0) is (1, 3). Empty: no bounds.
    p.SetCoordinateBase(1, 2, M_PI / 2);
    double x = 0, y = 0;
    p.TranslatePoint(1, 0, x, y);
    EXPECT_NEAR(std::hypot(x - 1, y - 3), 0, 1e-12);
    EXPECT_FALSE(p.HasBBox());
    // Closed: the first point again at the end.
    p.setPoints({0, 2, 0}, {0, 0, 1}, true);
    p.SetCoordinateBase(10, 20, 0);
    EXPECT_EQ(p.GetShapeYs(), (std::vector<double>{0, 0, 1, 0}));
    EXPECT_EQ((std::vector{p.GetMinX(), p.GetMaxX(), p.GetMinY(), p.GetMaxY()}), (std::vector<double>{10, 12, 20, 21}));
    // Different lengths are refused and the shape kept; no points empty it.
    p.setPoints({1, 2}, {1}, false);
    EXPECT_EQ(log.messages,
              std::vector<std::string>{"[plPolygon] Error: points_xs and points_ys must have the same number of elements"});
    EXPECT_EQ(p.GetShapeXs(), (std::vector<double>{0, 2, 0, 0}));
    p.setPoints({}, {}, true);
    EXPECT_TRUE(p.GetShapeXs().empty());
}

TEST(Shapes, CovarianceEllipse)
{
    LogCapture log;
    // Eigenvalue 4 along y first: the first point (0, 2 * 2), semi-axes 4 along y and 2 along
    // x; the last point closes the outline. The matrix reads back in the setter's order.
    plCovarianceEllipse e(1, 4, 0, 2, 32, "e");
    const auto &xs = e.GetShapeXs(), &ys = e.GetShapeYs();
    ASSERT_EQ(xs.size(), 32u);
    EXPECT_NEAR(std::hypot(xs[0], ys[0] - 4), 0, 1e-12);
    EXPECT_NEAR(ys[31], ys[0], 1e-8);
    EXPECT_NEAR(e.GetMaxX(), 2, 0.02);
    EXPECT_NEAR(e.GetMaxY(), 4, 1e-9);
    double c00 = 0, c01 = 0, c11 = 0;
    e.GetCovarianceMatrix(c00, c01, c11);
    EXPECT_EQ((std::array{c00, c01, c11}), (std::array{1.0, 0.0, 4.0}));
    // Equal variances without correlation: a circle of radius 2 * 3, no NaN.
    e.SetCovarianceMatrix(9, 0, 9);
    for (size_t i = 0; i < xs.size(); ++i)
        EXPECT_NEAR(std::hypot(xs[i], ys[i]), 6, 1e-9);
    // Correlated: eigenvalues 3 and 1 along the diagonals of [[2, 1], [1, 2]]; on the ellipse
    // u = (x + y) / sqrt 2 and v = (y - x) / sqrt 2 give u^2 / 3 + v^2 = 1, first point on u.
    e.SetCovarianceMatrix(2, 1, 2);
    e.SetQuantiles(1);
    EXPECT_NEAR(std::hypot(xs[0] - std::sqrt(1.5), ys[0] - std::sqrt(1.5)), 0, 1e-9);
    for (size_t i = 0; i < xs.size(); ++i) {
        const double u = (xs[i] + ys[i]) / std::sqrt(2.0), v = (ys[i] - xs[i]) / std::sqrt(2.0);
        EXPECT_NEAR(u * u / 3 + v * v, 1, 1e-9);
    }
    EXPECT_TRUE(log.messages.empty());

    // Bad input is refused before the outline changes.
    const std::vector<double> before = xs;
    e.SetCovarianceMatrix(1, 2, 1), e.SetCovarianceMatrix(-1, 0, 1), e.SetCovarianceMatrix(1, 0, -1);
    EXPECT_EQ(xs, before);
    e.SetCovarianceMatrix(1, 0, 1), e.SetQuantiles(-1), e.SetSegments(1);
    EXPECT_EQ(e.GetSegments(), 32);
    plCovarianceEllipse one(1, 1, 0, 1, 1, "one");
    EXPECT_TRUE(one.GetShapeXs().empty());
    const std::string error = "[plCovarianceEllipse] Error: ";
    EXPECT_EQ(log.messages, (std::vector<std::string>{
                                error + "cov is not positive definite", error + "cov(0,0) must be non-negative",
                                error + "cov(1,1) must be non-negative", error + "quantiles must be non-negative",
                                error + "at least two segments are needed", error + "at least two segments are needed"}));
    e.SetSegments(5), e.SetQuantiles(1);
    EXPECT_EQ(xs.size(), 5u);
}

// Plot (x, y) at pixel (x, 100 - y).
class ShapePixels : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(0, 200, 0, 100, 200, 100);
    }
    Canvas canvas{200, 100};
};

TEST_F(ShapePixels, PolygonOutlineAndName)
{
    plPolygon p("square");
    p.setPoints({0, 40, 40, 0}, {0, 0, 40, 40}, true);
    p.SetCoordinateBase(50, 30, 0);
    p.Plot(canvas.dc, *window);
    // Edges at pixel x 50 and 90, y 70 and 30; the name at the top right corner of the box:
    // right edge 8 left of 90, bottom 8 above y 30.
    for (const auto& [x, y] : {std::pair{70, 70}, {70, 30}, {50, 50}, {90, 50}})
        EXPECT_FALSE(canvas.white(x, y)) << x << ", " << y;
    EXPECT_TRUE(canvas.white(70, 50));
    const wxSize t = canvas.dc.GetTextExtent("square");
    EXPECT_GT(canvas.inked(wxRect(90 - t.x - 8, 30 - 8 - t.y, t.x, t.y)), 0);
}

TEST_F(ShapePixels, Bitmap)
{
    LogCapture log;
    plBitmapLayer b;
    b.SetBitmap(wxImage(), 0, 0, 1, 1);
    EXPECT_EQ(log.messages, std::vector<std::string>{"[plBitmapLayer] Assigned bitmap is not Ok()!"});
    b.Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(), 0);

    // 100 x 50 pixels in quarters: red and blue above, green and yellow below, over plot
    // (0, 0, 100, 50), at twice the horizontal scale in the vertical: 100 x 100 pixels.
    wxImage image(100, 50);
    image.SetRGB(wxRect(0, 0, 50, 25), 255, 0, 0);
    image.SetRGB(wxRect(50, 0, 50, 25), 0, 0, 255);
    image.SetRGB(wxRect(0, 25, 50, 25), 0, 255, 0);
    image.SetRGB(wxRect(50, 25, 50, 25), 255, 255, 0);
    b.SetBitmap(image, 0, 0, 100, 50);
    fit(0, 200, 0, 50, 200, 100);
    b.Plot(canvas.dc, *window);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 100, 100));
    EXPECT_EQ((std::vector{canvas.at(25, 45), canvas.at(75, 45), canvas.at(25, 55), canvas.at(75, 98), canvas.at(110, 75)}),
              (std::vector{*wxRED, *wxBLUE, *wxGREEN, *wxYELLOW, *wxWHITE}));
    // Zoomed in a million times about the border of the upper quarters: only the window's
    // worth is scaled, left red, right blue. Out of view: nothing.
    Canvas deep(200, 100), away(200, 100);
    fit(50 - 1e-4, 50 + 1e-4, 37.5 - 0.5e-4, 37.5 + 0.5e-4, 200, 100);
    b.Plot(deep.dc, *window);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 200, 100));
    EXPECT_EQ((std::vector{deep.at(50, 50), deep.at(150, 50)}), (std::vector{*wxRED, *wxBLUE}));
    fit(500, 700, 0, 100, 200, 100);
    b.Plot(away.dc, *window);
    EXPECT_EQ(away.inked(), 0);
}

} // namespace
