// Shape layers (movable object, covariance ellipse, polygon) and the bitmap
// layer.

#include <cmath>

#include "PlotTestSupport.h"

namespace {

TEST(Shapes, CoordinateBaseRotatesAndMoves)
{
    plPolygon p("p");
    p.SetCoordinateBase(1, 2, M_PI / 2);
    double x = 0, y = 0;
    p.TranslatePoint(1, 0, x, y);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 3, 1e-12);
    double bx = 0, by = 0, phi = 0;
    p.GetCoordinateBase(bx, by, phi);
    EXPECT_EQ(bx, 1);
    EXPECT_EQ(by, 2);
    EXPECT_EQ(phi, M_PI / 2);
    // Empty shape: no bounding box.
    EXPECT_FALSE(p.HasBBox());
}

TEST(Shapes, ClosedPolygonAndItsBoundingBox)
{
    LogCapture log;
    plPolygon p("triangle");
    EXPECT_TRUE(p.GetContinuity());
    EXPECT_EQ(p.GetLayerType(), plLAYER_PLOT);
    p.setPoints({0, 2, 0}, {0, 0, 1}, true);
    EXPECT_EQ(p.GetShapeXs(), (std::vector<double>{0, 2, 0, 0}));
    EXPECT_EQ(p.GetShapeYs(), (std::vector<double>{0, 0, 1, 0}));
    p.SetCoordinateBase(10, 20, 0);
    EXPECT_TRUE(p.HasBBox());
    EXPECT_DOUBLE_EQ(p.GetMinX(), 10);
    EXPECT_DOUBLE_EQ(p.GetMaxX(), 12);
    EXPECT_DOUBLE_EQ(p.GetMinY(), 20);
    EXPECT_DOUBLE_EQ(p.GetMaxY(), 21);

    p.setPoints({1, 2}, {1}, false);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0], "[plPolygon] Error: points_xs and points_ys must have the same number of elements");
    EXPECT_EQ(p.GetShapeXs().size(), 4u);

    p.setPoints({0, 1}, {0, 1}, false);
    EXPECT_EQ(p.GetShapeXs().size(), 2u);
    p.setPoints({}, {}, true);
    EXPECT_TRUE(p.GetShapeXs().empty());
}

TEST(Shapes, CovarianceEllipse)
{
    LogCapture log;
    // Eigenvalue 4 along y first: the first point (0, 2 * 2), semi-axes 4
    // along y and 2 along x.
    plCovarianceEllipse e(1, 4, 0, 2, 32, "e");
    ASSERT_EQ(e.GetShapeXs().size(), 32u);
    EXPECT_NEAR(e.GetShapeXs()[0], 0, 1e-12);
    EXPECT_NEAR(e.GetShapeYs()[0], 4, 1e-12);
    EXPECT_NEAR(e.GetShapeXs()[31], e.GetShapeXs()[0], 1e-8);
    EXPECT_NEAR(e.GetShapeYs()[31], e.GetShapeYs()[0], 1e-8);
    EXPECT_NEAR(e.GetMaxX(), 2, 0.02);
    EXPECT_NEAR(e.GetMaxY(), 4, 1e-9);
    EXPECT_TRUE(log.messages.empty());

    // Equal variances without correlation: a circle of radius 2 * 3, no NaN.
    e.SetCovarianceMatrix(9, 0, 9);
    for (size_t i = 0; i < e.GetShapeXs().size(); ++i)
        EXPECT_NEAR(std::hypot(e.GetShapeXs()[i], e.GetShapeYs()[i]), 6, 1e-9);

    // Correlated: eigenvalues 3 and 1 along the diagonals of [[2, 1], [1, 2]].
    e.SetCovarianceMatrix(2, 1, 2);
    e.SetQuantiles(1);
    EXPECT_NEAR(e.GetShapeXs()[0], std::sqrt(3.0 / 2), 1e-9);
    EXPECT_NEAR(e.GetShapeYs()[0], std::sqrt(3.0 / 2), 1e-9);
    for (size_t i = 0; i < e.GetShapeXs().size(); ++i) {
        // On the ellipse x' = (x + y) / sqrt 2 over sqrt 3, y' = (y - x) / sqrt 2.
        const double u = (e.GetShapeXs()[i] + e.GetShapeYs()[i]) / std::sqrt(2.0);
        const double v = (e.GetShapeYs()[i] - e.GetShapeXs()[i]) / std::sqrt(2.0);
        EXPECT_NEAR(u * u / 3 + v * v, 1, 1e-9);
    }

    // Not positive definite: refused before anything changes.
    const std::vector<double> before = e.GetShapeXs();
    e.SetCovarianceMatrix(1, 2, 1);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0], "[plCovarianceEllipse] Error: cov is not positive definite");
    EXPECT_EQ(e.GetShapeXs(), before);

    e.SetCovarianceMatrix(-1, 0, 1);
    e.SetCovarianceMatrix(1, 0, -1);
    e.SetCovarianceMatrix(1, 0, 1);
    e.SetQuantiles(-1);
    ASSERT_EQ(log.messages.size(), 4u);
    EXPECT_EQ(log.messages[1], "[plCovarianceEllipse] Error: cov(0,0) must be non-negative");
    EXPECT_EQ(log.messages[2], "[plCovarianceEllipse] Error: cov(1,1) must be non-negative");
    EXPECT_EQ(log.messages[3], "[plCovarianceEllipse] Error: quantiles must be non-negative");

    // Fewer than two segments are refused.
    e.SetSegments(1);
    EXPECT_EQ(e.GetSegments(), 32);
    EXPECT_EQ(log.messages.size(), 5u);
    plCovarianceEllipse one(1, 1, 0, 1, 1, "one");
    EXPECT_TRUE(one.GetShapeXs().empty());
    EXPECT_EQ(log.messages.size(), 6u);
    e.SetSegments(5);
    e.SetQuantiles(1);
    EXPECT_EQ(e.GetShapeXs().size(), 5u);
}

class ShapePixels : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        // Plot (x, y) at pixel (x, 100 - y).
        int w = 200, h = 100;
        window->Fit(0, 200, 0, 100, &w, &h);
    }
    Canvas canvas{200, 100};
};

TEST_F(ShapePixels, PolygonOutlineAndName)
{
    plPolygon p("square");
    p.setPoints({0, 40, 40, 0}, {0, 0, 40, 40}, true);
    p.SetCoordinateBase(50, 30, 0);
    p.Plot(canvas.dc, *window);
    // Edges at pixel x 50 and 90, y 70 and 30.
    EXPECT_FALSE(canvas.white(70, 70));
    EXPECT_FALSE(canvas.white(70, 30));
    EXPECT_FALSE(canvas.white(50, 50));
    EXPECT_FALSE(canvas.white(90, 50));
    EXPECT_TRUE(canvas.white(70, 50));
    // The name at the top right corner of the box: right edge 8 left of 90,
    // bottom 8 above y 30.
    const wxSize t = canvas.dc.GetTextExtent("square");
    const wxRect label(90 - t.x - 8, 30 - 8 - t.y, t.x, t.y);
    EXPECT_GT(canvas.inked(label), 0);
}

TEST_F(ShapePixels, Bitmap)
{
    LogCapture log;
    plBitmapLayer b;
    EXPECT_EQ(b.GetLayerType(), plLAYER_BITMAP);
    b.SetBitmap(wxImage(), 0, 0, 1, 1);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0], "[plBitmapLayer] Assigned bitmap is not Ok()!");
    wxImage copy;
    b.GetBitmapCopy(copy);
    EXPECT_FALSE(copy.IsOk());
    // Nothing drawn without an image.
    b.Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 200, 100)), 0);

    // 100 x 50 pixels, red left half, blue right half, over plot (0, 0, 100, 50).
    wxImage image(100, 50);
    image.SetRGB(wxRect(0, 0, 50, 50), 255, 0, 0);
    image.SetRGB(wxRect(50, 0, 50, 50), 0, 0, 255);
    b.SetBitmap(image, 0, 0, 100, 50);
    EXPECT_DOUBLE_EQ(b.GetMaxX(), 100);
    EXPECT_DOUBLE_EQ(b.GetMaxY(), 50);
    b.GetBitmapCopy(copy);
    EXPECT_EQ(copy.GetSize(), wxSize(100, 50));

    b.Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.at(25, 75), *wxRED);
    EXPECT_EQ(canvas.at(75, 75), *wxBLUE);
    EXPECT_TRUE(canvas.white(25, 40));
    EXPECT_TRUE(canvas.white(110, 75));
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 50, 100, 50));

    // Zoomed in a million times about the border of the two halves: only the
    // window's worth is scaled, left red, right blue.
    int w = 200, h = 100;
    window->Fit(50 - 1e-4, 50 + 1e-4, 25 - 0.5e-4, 25 + 0.5e-4, &w, &h);
    Canvas deep(200, 100);
    b.Plot(deep.dc, *window);
    EXPECT_EQ(b.GetScaledRect(), wxRect(0, 0, 200, 100));
    EXPECT_EQ(deep.at(50, 50), *wxRED);
    EXPECT_EQ(deep.at(150, 50), *wxBLUE);

    // Out of view: nothing.
    window->Fit(500, 700, 0, 100, &w, &h);
    Canvas away(200, 100);
    b.Plot(away.dc, *window);
    EXPECT_EQ(away.inked(wxRect(0, 0, 200, 100)), 0);
}

} // namespace
