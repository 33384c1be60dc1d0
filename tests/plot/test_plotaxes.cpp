// Axes: tick steps and values, label texts and formats, axis positions for
// every placement, and the drawn ticks and labels against a hand-made drawing.

#include <cmath>

#include "PlotTestSupport.h"
#include "plotdraw.h"

namespace {

TEST(AxisTicks, DecimalStepsAtSeveralScales)
{
    int n = 99;
    // 128 / 50 = 2.56: n = 0.
    EXPECT_DOUBLE_EQ(pldraw::tickStep(50, &n), 1.0);
    EXPECT_EQ(n, 0);
    EXPECT_DOUBLE_EQ(pldraw::tickStep(5, &n), 10.0);
    EXPECT_EQ(n, 1);
    EXPECT_DOUBLE_EQ(pldraw::tickStep(0.5, &n), 100.0);
    EXPECT_EQ(n, 2);
    // 128 / 1000 = 0.128: n = -1.
    EXPECT_DOUBLE_EQ(pldraw::tickStep(1000, &n), 0.1);
    EXPECT_EQ(n, -1);
    EXPECT_DOUBLE_EQ(pldraw::tickStep(128, &n), 1.0);
    EXPECT_DOUBLE_EQ(pldraw::tickStep(129, &n), 0.1);
    // No step for scales without one.
    EXPECT_EQ(pldraw::tickStep(0), 0.0);
    EXPECT_EQ(pldraw::tickStep(-3), 0.0);
    EXPECT_EQ(pldraw::tickStep(NAN), 0.0);
    EXPECT_EQ(pldraw::tickStep(1e-320), 0.0);
}

TEST(AxisTicks, ValuesAreWholeMultiplesAndTheLoopAlwaysEnds)
{
    const std::vector<double> t = pldraw::tickValues(-0.35, 0.35, 0.1, 1, 100);
    ASSERT_EQ(t.size(), 8u);
    EXPECT_DOUBLE_EQ(t.front(), -0.4);
    EXPECT_DOUBLE_EQ(t.back(), 0.3);
    // The origin is +0, printed "0.00".
    EXPECT_EQ(t[4], 0.0);
    EXPECT_FALSE(std::signbit(t[4]));
    EXPECT_EQ(pldraw::formatLabel("%.2f", t[4], plLABEL_NUMBER, plTIME_UTC), "0.00");

    EXPECT_EQ(pldraw::tickValues(0, 10, 1, 3, 100), (std::vector<double>{0, 3, 6, 9}));
    EXPECT_EQ(pldraw::tickValues(0, 1e9, 1, 1, 10).size(), 10u);
    // A step below the spacing of doubles at 1e17: no value advances.
    EXPECT_TRUE(pldraw::tickValues(1e17, 1e17 + 1000, 1e-3, 1, 1000).empty());
    EXPECT_TRUE(pldraw::tickValues(0, 1, 0, 1, 1000).empty());
    EXPECT_TRUE(pldraw::tickValues(NAN, 1, 0.1, 1, 1000).empty());
}

TEST(AxisLabels, FormatCheck)
{
    for (const char* good : {"%.2f", "%f", "x = %8.3e m", "%lf", "100%% %g", "%+08.1E", "%a"})
        EXPECT_TRUE(pldraw::isSingleDoubleFormat(good)) << good;
    for (const char* bad : {"%d", "%s", "%.2f%.2f", "abc", "", "%", "%*.2f", "%Lf", "%n", "%.2", "%%"})
        EXPECT_FALSE(pldraw::isSingleDoubleFormat(bad)) << bad;
}

TEST(AxisLabels, TextsOfNumbersTimesAndDates)
{
    EXPECT_EQ(pldraw::formatLabel("%.2f", 1.234, plLABEL_NUMBER, plTIME_UTC), "1.23");
    EXPECT_EQ(pldraw::formatLabel("%.f", -20, plLABEL_NUMBER, plTIME_UTC), "-20");
    // 75.5 s: 1 minute 15.5 seconds.
    EXPECT_EQ(pldraw::formatLabel("%02.0f:%02.3f", 75.5, plLABEL_TIME, plTIME_UTC), "01:15.500");
    // 3725.9 s: 1 h 2 min 5 s (whole seconds).
    EXPECT_EQ(pldraw::formatLabel("%02.0f:%02.0f:%02.0f", 3725.9, plLABEL_HOURS, plTIME_UTC), "01:02:05");
    EXPECT_EQ(pldraw::formatLabel("%02.0f:%02.0f:%02.0f", -3725, plLABEL_TIME, plTIME_UTC), "-1:02:05");
    // 365 days after 1970-01-01; 1e9 s is 2001-09-09 01:46:40 UTC.
    EXPECT_EQ(pldraw::formatLabel("%04.0f-%02.0f-%02.0f", 31536000, plLABEL_DATE, plTIME_UTC), "1971-01-01");
    EXPECT_EQ(pldraw::formatLabel("%04.0f-%02.0f-%02.0fT%02.0f:%02.0f:%02.0f", 1e9, plLABEL_DATETIME, plTIME_UTC),
              "2001-09-09T01:46:40");
    // No calendar conversion at or before 0 s, nor for years beyond any calendar.
    EXPECT_EQ(pldraw::formatLabel("%04.0f-%02.0f-%02.0f", 0, plLABEL_DATE, plTIME_UTC), "");
    EXPECT_EQ(pldraw::formatLabel("%04.0f-%02.0f-%02.0f", -5, plLABEL_DATE, plTIME_LOCAL), "");
    EXPECT_EQ(pldraw::formatLabel("%04.0f-%02.0f-%02.0f", 1e300, plLABEL_DATE, plTIME_UTC), "");
}

// Axis layers drawn on a canvas of the window's print size.
class AxisDrawing : public PlotWindowTest {
protected:
    void fit(double xmin, double xmax, double ymin, double ymax, int w, int h)
    {
        window->Fit(xmin, xmax, ymin, ymax, &w, &h);
    }
    // Rows (or columns) of the canvas drawn across its whole width (height).
    static std::vector<int> fullRows(Canvas& c, int w, int h)
    {
        std::vector<int> rows;
        for (int y = 0; y < h; ++y)
            if (c.inked(wxRect(0, y, w, 1)) == w)
                rows.push_back(y);
        return rows;
    }
    static std::vector<int> fullColumns(Canvas& c, int w, int h)
    {
        std::vector<int> columns;
        for (int x = 0; x < w; ++x)
            if (c.inked(wxRect(x, 0, 1, h)) == h)
                columns.push_back(x);
        return columns;
    }
    static bool same(Canvas& a, Canvas& b)
    {
        const wxImage ia = a.snapshot(), ib = b.snapshot();
        return ia.GetWidth() == ib.GetWidth() && ia.GetHeight() == ib.GetHeight()
               && std::equal(ia.GetData(), ia.GetData() + 3 * ia.GetWidth() * ia.GetHeight(), ib.GetData());
    }
};

TEST_F(AxisDrawing, LinePositionForEveryPlacement)
{
    window->SetMargins(10, 20, 30, 40);
    fit(-50, 150, -30, 70, 200, 100);
    struct Case {
        int flags;
        bool outside;
        int row;
        int column;
    };
    const Case cases[] = {
        {plAXIS_TOP_OR_RIGHT, true, 40, 140},
        {plAXIS_TOP_OR_RIGHT, false, 10, 180},
        {plAXIS_BOTTOM_OR_LEFT, true, 60, 60},
        {plAXIS_BOTTOM_OR_LEFT, false, 70, 40},
        {plAXIS_BORDER_BOTTOM_OR_LEFT, true, 99, 1},
        {plAXIS_BORDER_TOP_OR_RIGHT, false, 1, 199},
        {3, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << (c.outside ? " outside" : " inside"));
        Canvas cx(200, 100), cy(200, 100);
        plScaleX x("", c.flags, true, 0);
        x.SetDrawOutsideMargins(c.outside);
        x.Plot(cx.dc, *window);
        EXPECT_EQ(fullRows(cx, 200, 100), std::vector<int>{c.row});
        plScaleY y("", c.flags, true);
        y.SetDrawOutsideMargins(c.outside);
        y.Plot(cy.dc, *window);
        EXPECT_EQ(fullColumns(cy, 200, 100), std::vector<int>{c.column});
    }

    // Through the origin: with scale 1, posX -50 and posY 70 the origin is
    // pixel (50, 70); after a pan it leaves the window and nothing crosses it.
    window->SetMargins(0, 0, 0, 0);
    fit(-50, 150, -30, 70, 200, 100);
    Canvas ox(200, 100), oy(200, 100);
    plScaleX x("", plAXIS_AT_ORIGIN, true, 0);
    plScaleY y("", plAXIS_AT_ORIGIN, true);
    x.Plot(ox.dc, *window);
    y.Plot(oy.dc, *window);
    EXPECT_EQ(fullRows(ox, 200, 100), std::vector<int>{70});
    EXPECT_EQ(fullColumns(oy, 200, 100), std::vector<int>{50});
    fit(100, 300, 100, 200, 200, 100);
    Canvas far(200, 100);
    x.Plot(far.dc, *window);
    y.Plot(far.dc, *window);
    EXPECT_TRUE(fullRows(far, 200, 100).empty());
    EXPECT_TRUE(fullColumns(far, 200, 100).empty());
}

// The horizontal axis through the origin at scale 50 (step 1, "%.2f") and at
// scale 5 (step 10, "%.f"), against a drawing made by hand: the line at the
// origin, 4-pixel ticks below it, and every labelStep-th label centred below.
TEST_F(AxisDrawing, HorizontalTicksAndLabels)
{
    struct Case {
        double xmin, xmax;
        std::vector<double> ticks;
        std::vector<const char*> labels;
        double scale;
    };
    const Case cases[] = {
        {-2, 6, {-2, -1, 0, 1, 2, 3, 4, 5}, {"-2.00", "-1.00", "0.00", "1.00", "2.00", "3.00", "4.00", "5.00"}, 50},
        {-20, 60, {-20, -10, 0, 10, 20, 30, 40, 50}, {"-20", "-10", "0", "10", "20", "30", "40", "50"}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels[0]);
        // 400 x 100 pixels, origin on row 50.
        fit(c.xmin, c.xmax, -1, 1, 400, 100);
        ASSERT_DOUBLE_EQ(window->GetScaleX(), c.scale);
        Canvas drawn(400, 100);
        plScaleX axis("", plAXIS_AT_ORIGIN, true, 0);
        axis.Plot(drawn.dc, *window);

        Canvas expected(400, 100);
        wxDC& dc = expected.dc;
        dc.SetPen(*wxGREY_PEN);
        dc.SetFont(*wxSMALL_FONT);
        dc.DrawLine(0, 50, 400, 50);
        int labelW = 0;
        for (size_t i = 0; i < c.ticks.size(); ++i) {
            const int p = int((c.ticks[i] - c.xmin) * c.scale);
            dc.DrawLine(p, 50, p, 54);
            labelW = std::max(labelW, dc.GetTextExtent(c.labels[i]).x);
        }
        const size_t every = size_t(std::ceil((labelW + 64) / (c.ticks[1] - c.ticks[0]) / c.scale));
        for (size_t i = 0; i < c.ticks.size(); i += every) {
            const int p = int((c.ticks[i] - c.xmin) * c.scale);
            dc.DrawText(c.labels[i], p - dc.GetTextExtent(c.labels[i]).x / 2, 54);
        }
        EXPECT_TRUE(same(drawn, expected));
    }
}

TEST_F(AxisDrawing, DefaultAndUserLabelFormats)
{
    const auto render = [&](auto& axis) {
        auto c = std::make_unique<Canvas>(200, 300);
        axis.Plot(c->dc, *window);
        return c;
    };
    struct Case {
        double ymax;
        const char* format;
    };
    for (const Case& c : {Case{1.8, "%.2f"}, Case{20000, "%.1e"}, Case{0.0005, "%.1e"}, Case{500, "%.2f"}}) {
        SCOPED_TRACE(c.ymax);
        fit(-1, 1, 0, c.ymax, 200, 300);
        plScaleY byDefault("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
        plScaleY explicitFormat("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
        explicitFormat.SetLabelFormat(c.format);
        EXPECT_EQ(explicitFormat.SetLabelFormat(), c.format);
        auto a = render(byDefault), b = render(explicitFormat);
        EXPECT_TRUE(same(*a, *b));
        // A format that is not one floating-point conversion is ignored.
        for (const char* bad : {"%d", "%s", "%.2f %.2f", "none"}) {
            plScaleY badFormat("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
            badFormat.SetLabelFormat(bad);
            auto d = render(badFormat);
            EXPECT_TRUE(same(*a, *d)) << bad;
        }
        // Another valid format does change the labels.
        plScaleY other("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
        other.SetLabelFormat("%.4f");
        auto o = render(other);
        EXPECT_FALSE(same(*a, *o));
    }

    // The horizontal axis likewise, at scale 50.
    fit(-2, 6, -1, 1, 400, 100);
    plScaleX byDefault("", plAXIS_AT_ORIGIN, true, 0), explicitFormat("", plAXIS_AT_ORIGIN, true, 0),
        badFormat("", plAXIS_AT_ORIGIN, true, 0);
    explicitFormat.SetLabelFormat("%.2f");
    badFormat.SetLabelFormat("%i");
    Canvas a(400, 100), b(400, 100), d(400, 100);
    byDefault.Plot(a.dc, *window);
    explicitFormat.Plot(b.dc, *window);
    badFormat.Plot(d.dc, *window);
    EXPECT_TRUE(same(a, b));
    EXPECT_TRUE(same(a, d));
}

TEST_F(AxisDrawing, GridLinesAndNames)
{
    // Border axes with grid lines: dotted lines across the whole window at
    // every tick (scale 2: step 10, every 20 pixels).
    fit(0, 150, 0, 100, 300, 200);
    Canvas c(300, 200);
    plScaleX x("Name", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0);
    x.Plot(c.dc, *window);
    // Column 200 (x = 100) carries a dotted line from top to bottom, column
    // 210 between two ticks none.
    EXPECT_GT(c.inked(wxRect(200, 0, 1, 100)), 20);
    EXPECT_LT(c.inked(wxRect(200, 0, 1, 100)), 100);
    EXPECT_EQ(c.inked(wxRect(210, 0, 1, 100)), 0);
    // The name at the bottom right, above the labels.
    wxCoord tw = 0, th = 0, lw = 0, lh = 0;
    c.dc.SetFont(*wxSMALL_FONT);
    c.dc.GetTextExtent("Name", &tw, &th);
    c.dc.GetTextExtent("100", &lw, &lh);
    EXPECT_GT(c.inked(wxRect(300 - tw - 4, 199 - 8 - th - lh, tw, th)), 0);

    // Hidden axes draw nothing.
    Canvas none(300, 200);
    x.SetVisible(false);
    x.Plot(none.dc, *window);
    EXPECT_EQ(none.inked(wxRect(0, 0, 300, 200)), 0);
}

TEST_F(AxisDrawing, DeepZoomDrawsTheLineWithoutTicks)
{
    // 1e-17 per tick at x = 30: below the spacing of doubles there.
    window->SetScr(400, 100);
    window->SetPos(30, 1);
    window->SetScaleX(1e19);
    window->SetScaleY(1e19);
    Canvas c(400, 100);
    plScaleX x("", plAXIS_BORDER_BOTTOM_OR_LEFT, true, 0);
    plScaleY y("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
    x.Plot(c.dc, *window);
    y.Plot(c.dc, *window);
    EXPECT_EQ(c.inked(wxRect(0, 99, 400, 1)), 400);
    EXPECT_EQ(c.inked(wxRect(1, 0, 1, 100)), 100);
    EXPECT_EQ(c.inked(wxRect(10, 0, 390, 95)), 0);
}

} // namespace
