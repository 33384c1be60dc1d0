// Axes: tick steps and values, label texts and formats, axis positions for
// every placement, and the drawn ticks and labels against a hand-made drawing.

#include <cmath>
#include <cstring>
#include <tuple>

#include "PlotTestSupport.h"
#include "plotdraw.h"

namespace {

TEST(AxisTicks, StepsValuesFormatsAndLabelTexts)
{
    // Step 10^n with n = floor(log10(128 / scale)).
    for (const auto& [scale, step, exponent] : {std::tuple{50.0, 1.0, 0}, {5.0, 10.0, 1}, {0.5, 100.0, 2},
                                                {1000.0, 0.1, -1}, {128.0, 1.0, 0}, {129.0, 0.1, -1},
                                                {0.0, 0.0, 99}, {NAN, 0.0, 99}, {1e-320, 0.0, 99}}) {
        int n = 99;
        EXPECT_DOUBLE_EQ(pldraw::tickStep(scale, &n), step) << scale;
        EXPECT_EQ(n, exponent) << scale;
    }

    // -0.4 to 0.3; the origin is +0, printed "0.00".
    const std::vector<double> t = pldraw::tickValues(-0.35, 0.35, 0.1, 1, 100);
    ASSERT_EQ(t.size(), 8u);
    EXPECT_NEAR(std::hypot(t.front() + 0.4, t.back() - 0.3), 0, 1e-12);
    EXPECT_EQ(pldraw::formatLabel("%.2f", t[4], plLABEL_NUMBER, plTIME_UTC), "0.00");
    EXPECT_EQ(pldraw::tickValues(0, 10, 1, 3, 100), (std::vector<double>{0, 3, 6, 9}));
    EXPECT_EQ(pldraw::tickValues(0, 1e9, 1, 1, 10).size(), 10u);
    // A step below the spacing of doubles at 1e17: no value advances.
    EXPECT_TRUE(pldraw::tickValues(1e17, 1e17 + 1000, 1e-3, 1, 1000).empty() && pldraw::tickValues(NAN, 1, 0.1, 1, 9).empty());

    for (const char* good : {"%.2f", "x = %8.3e m", "%lf", "100%% %g"})
        EXPECT_TRUE(pldraw::isSingleDoubleFormat(good)) << good;
    for (const char* bad : {"%d", "%.2f%.2f", "abc", "%", "%*.2f", "%Lf", "%n", "%%"})
        EXPECT_FALSE(pldraw::isSingleDoubleFormat(bad)) << bad;

    const char *hms = "%02.0f:%02.0f:%02.0f", *date = "%04.0f-%02.0f-%02.0f";
    // 75.5 s is 1 min 15.5 s; 3725.9 s is 1 h 2 min 5 s (whole seconds); 365
    // days after 1970-01-01; 1e9 s is 2001-09-09 01:46:40 UTC. No calendar at
    // or before 0 s, nor for years beyond any calendar.
    const std::tuple<const char*, double, unsigned, unsigned, const char*> labels[] = {
        {"%.2f", 1.234, plLABEL_NUMBER, plTIME_UTC, "1.23"}, {"%02.0f:%02.3f", 75.5, plLABEL_TIME, plTIME_UTC, "01:15.500"},
        {hms, 3725.9, plLABEL_HOURS, plTIME_UTC, "01:02:05"}, {hms, -3725, plLABEL_TIME, plTIME_UTC, "-1:02:05"},
        {date, 31536000, plLABEL_DATE, plTIME_UTC, "1971-01-01"},
        {"%04.0f-%02.0f-%02.0fT%02.0f:%02.0f:%02.0f", 1e9, plLABEL_DATETIME, plTIME_UTC, "2001-09-09T01:46:40"},
        {date, 0, plLABEL_DATE, plTIME_UTC, ""}, {date, -5, plLABEL_DATE, plTIME_LOCAL, ""},
        {date, 1e300, plLABEL_DATE, plTIME_UTC, ""}};
    for (const auto& [format, value, type, zone, text] : labels)
        EXPECT_EQ(pldraw::formatLabel(format, value, type, zone), text) << value;
}

// Axis layers drawn on a canvas of the window's print size.
class AxisDrawing : public PlotWindowTest {
protected:
    // Rows (or columns) inked across the whole canvas the axis is drawn on.
    std::vector<int> fullLines(plLayer& axis, bool rows, int w = 200, int h = 100)
    {
        const auto c = draw(axis, w, h);
        std::vector<int> lines;
        for (int i = 0; i < (rows ? h : w); ++i)
            if (rows ? c->inked(wxRect(0, i, w, 1)) == w : c->inked(wxRect(i, 0, 1, h)) == h)
                lines.push_back(i);
        return lines;
    }
    // The box around the pixels in which two drawings of one size differ.
    static wxRect difference(Canvas& a, Canvas& b)
    {
        const wxImage i = a.snapshot(), j = b.snapshot();
        wxRect box;
        for (int y = 0; y < i.GetHeight(); ++y)
            for (int x = 0; x < i.GetWidth(); ++x)
                if (std::memcmp(i.GetData() + 3 * (y * i.GetWidth() + x), j.GetData() + 3 * (y * i.GetWidth() + x), 3))
                    box.Union(wxRect(x, y, 1, 1));
        return box;
    }
    static bool same(Canvas& a, Canvas& b) { return difference(a, b).IsEmpty(); }
};

TEST_F(AxisDrawing, LinePositionForEveryPlacement)
{
    // Placement flags, drawn outside the margins, row of x, column of y.
    const std::tuple<int, bool, int, int> cases[] = {
        {plAXIS_TOP_OR_RIGHT, true, 40, 140},        {plAXIS_TOP_OR_RIGHT, false, 10, 180},
        {plAXIS_BOTTOM_OR_LEFT, true, 60, 60},       {plAXIS_BOTTOM_OR_LEFT, false, 70, 40},
        {plAXIS_BORDER_BOTTOM_OR_LEFT, true, 99, 1}, {plAXIS_BORDER_TOP_OR_RIGHT, false, 1, 199},
        {3, true, 0, 0}};
    window->SetMargins(10, 20, 30, 40); fit(-50, 150, -30, 70, 200, 100);
    for (const auto& [flags, outside, row, column] : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << flags << (outside ? " outside" : " inside"));
        plScaleX x("", flags, true, 0);
        plScaleY y("", flags, true);
        x.SetDrawOutsideMargins(outside), y.SetDrawOutsideMargins(outside);
        EXPECT_EQ(std::pair(fullLines(x, true), fullLines(y, false)), std::pair(std::vector{row}, std::vector{column}));
    }
}

// The horizontal axis through the origin at scale 50 (step 1, "%.2f") and on the bottom border
// at scale 5 (step 10, "%.f"), against a drawing made by hand: the line, 4-pixel ticks below it
// (above it on the border), and every labelStep-th label centred below (above) them.
TEST_F(AxisDrawing, HorizontalTicksAndLabels)
{
    // First tick, step, scale, label format, placement, the line's row and the ticks' direction;
    // eight ticks over 400 pixels, origin on row 50.
    for (const auto& [xmin, step, scale, format, flags, row, dir] :
         {std::tuple{-2.0, 1.0, 50.0, "%.2f", plAXIS_AT_ORIGIN, 50, 4},
          {-20.0, 10.0, 5.0, "%.f", plAXIS_BORDER_BOTTOM_OR_LEFT, 99, -4}}) {
        SCOPED_TRACE(format);
        fit(xmin, xmin + 8 * step, -1, 1, 400, 100);
        ASSERT_DOUBLE_EQ(window->GetScaleX(), scale);
        plScaleX axis("", flags, true, 0);
        Canvas expected(400, 100);
        wxDC& dc = expected.dc;
        dc.SetPen(*wxGREY_PEN), dc.SetFont(*wxSMALL_FONT), dc.DrawLine(0, row, 400, row);
        int labelW = 0;
        for (int i = 0; i < 8; ++i) {
            dc.DrawLine(int(i * step * scale), row, int(i * step * scale), row + dir);
            labelW = std::max(labelW, dc.GetTextExtent(wxString::Format(format, xmin + i * step)).x);
        }
        for (int i = 0; i < 8; i += int(std::ceil((labelW + 64) / step / scale))) {
            const wxString label = wxString::Format(format, xmin + i * step);
            const wxSize t = dc.GetTextExtent(label);
            dc.DrawText(label, int(i * step * scale) - t.x / 2, dir > 0 ? row + 4 : row - 4 - t.y);
        }
        EXPECT_TRUE(same(*draw(axis, 400, 100), expected));
    }
}

// The vertical axis at y 0..100 over 200 pixels: a tick every 10 (20 pixels), a label only
// more than 32 pixels above the last one, so on every other tick; ticks and labels on the
// side the placement gives.
TEST_F(AxisDrawing, VerticalAxisLabelFormatsAndGridLines)
{
    // Placement, ticks on the right, labels on the right.
    const std::tuple<int, bool, bool> cases[] = {
        {plAXIS_BOTTOM_OR_LEFT, false, false}, {plAXIS_BORDER_BOTTOM_OR_LEFT, true, true},
        {plAXIS_TOP_OR_RIGHT, false, true},    {plAXIS_AT_ORIGIN, false, false},
        {plAXIS_BORDER_TOP_OR_RIGHT, false, false}};
    window->SetMargins(0, 150, 0, 150); fit(-5, 5, 0, 100, 400, 200);
    for (const auto& [flags, ticksRight, labelsRight] : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << flags);
        plScaleY y("", flags, true); y.SetDrawOutsideMargins(false);
        const std::vector<int> line = fullLines(y, false, 400, 200);
        ASSERT_EQ(line.size(), 1u);
        const auto c = draw(y, 400, 200);
        const int x = line[0];
        EXPECT_EQ(std::pair(c->inked(wxRect(ticksRight ? x + 1 : x - 4, 180, 4, 1)),
                            c->inked(wxRect(ticksRight ? x - 4 : x + 1, 180, 4, 1))), std::pair(4, 0));
        for (int v = 10; v <= 90; v += 10)
            EXPECT_EQ(c->inked(wxRect(labelsRight ? x + 6 : x - 30, 197 - 2 * v, 24, 7)) > 0, v % 20 == 0) << v;
    }

    window->SetMargins(0, 0, 0, 0);
    const auto render = [&](plScaleY axis, const char* format) { return axis.SetLabelFormat(format), draw(axis, 200, 300); };
    const plScaleY y("", plAXIS_BORDER_BOTTOM_OR_LEFT, true);
    // The vertical axis's default is "%.1e" from 10000 or up to 0.001, else "%.2f". A format
    // that is not one floating-point conversion is ignored; another valid one changes the labels.
    for (const auto& [ymax, format] : {std::pair{9999.0, "%.2f"}, {10000.0, "%.1e"}, {0.001, "%.1e"}}) {
        SCOPED_TRACE(ymax);
        fit(-1, 1, 0, ymax, 200, 300);
        const auto byDefault = render(y, "");
        EXPECT_EQ(std::tuple(same(*byDefault, *render(y, format)), same(*byDefault, *render(y, "%d")),
                             same(*byDefault, *render(y, "%.4f"))), std::tuple(true, true, false));
    }
    // Grid lines: dotted across the whole window at every tick (scale 2:
    // step 10, every 20 pixels), so on column 200 (x = 100) but not 210.
    fit(0, 150, 0, 100, 300, 200);
    plScaleX grid("Name", plAXIS_BORDER_BOTTOM_OR_LEFT, false, 0);
    auto c = draw(grid, 300, 200);
    EXPECT_TRUE(c->inked(wxRect(200, 0, 1, 100)) > 20 && c->inked(wxRect(200, 0, 1, 100)) < 100);
    EXPECT_EQ(c->inked(wxRect(210, 0, 1, 100)), 0);
}

// The name changes only the pixels of its own box: at the right end of a horizontal axis, at
// the top of a vertical one, or centred, or turned, in a margin wide enough for it.
TEST_F(AxisDrawing, NameOfEachPlacement)
{
    // 300 x 200 pixels, margins 50, 60, 50, 60: the plot area 180 x 100 shows x -90..90 and y
    // 20..70. Scales 1 and 2, posX -150, posY 95: the origin's column 150, row 190. Labels "-100",
    // "0", "100" (only "0" inside the margins) and "40.00" to "90.00".
    window->SetMargins(50, 60, 50, 60), fit(-90, 90, 20, 70, 300, 200);
    Canvas text(1, 1); text.dc.SetFont(*wxSMALL_FONT);
    const wxSize t = text.dc.GetTextExtent("Name");
    const int w = t.x, h = t.y, lh = text.dc.GetTextExtent("0").y, turnedY = ((100 + w) >> 1) - w;
    int lw = 0;
    for (int v = 40; v <= 90; v += 10)
        lw = std::max(lw, text.dc.GetTextExtent(wxString::Format("%d.00", v)).x);
    // Vertical, placement (top or right 0, origin 1, bottom or left 2, borders 4 and 5), drawn inside
    // these margins (1) or inside margins of 10 too narrow for the name (2), the name's box.
    const std::tuple<bool, int, int, wxRect> cases[] = {
        {false, 0, 0, {296 - w, 40 + 4, w, h}},              {false, 0, 1, {(180 - w) >> 1, 50 - 6 - h - lh, w, h}},
        {false, 1, 0, {296 - w, 190 - 4 - h, w, h}},         {false, 2, 0, {296 - w, 160 - 4 - h, w, h}},
        {false, 2, 1, {(180 - w) >> 1, 150 + 6 + lh, w, h}}, {false, 4, 0, {296 - w, 199 - 8 - h - lh, w, h}},
        {false, 5, 0, {296 - w, 1 + 6 + lh, w, h}},          {false, 0, 2, {296 - w, 10 + 4, w, h}},
        {false, 2, 2, {296 - w, 190 - 4 - h, w, h}},         {true, 0, 0, {240 - w - 4, 4, w, h}},
        {true, 0, 1, {240 + 6 + lw, turnedY, h, w}},         {true, 1, 0, {150 + 4, 4, w, h}},
        {true, 2, 0, {60 + 4, 4, w, h}},                     {true, 2, 1, {60 - 6 - lw - h, turnedY, h, w}},
        {true, 4, 0, {lw + 8, 4, w, h}},                     {true, 5, 0, {299 - 6 - w - lw, 4, w, h}},
        {true, 0, 2, {290 - w - 4, 4, w, h}},                {true, 2, 2, {10 + 4, 4, w, h}}};
    for (const auto& [vertical, flags, inside, box] : cases) {
        SCOPED_TRACE(testing::Message() << (vertical ? "y" : "x") << " flags " << flags << " inside " << inside);
        inside == 2 ? window->SetMargins(10, 10, 10, 10) : window->SetMargins(50, 60, 50, 60);
        std::unique_ptr<plLayer> axis(vertical ? static_cast<plLayer*>(new plScaleY("Name", flags, true))
                                               : new plScaleX("Name", flags, true, 0));
        axis->SetDrawOutsideMargins(!inside);
        const auto named = draw(*axis, 300, 200);
        axis->SetName("");
        const wxRect ink = difference(*named, *draw(*axis, 300, 200));
        EXPECT_TRUE(!ink.IsEmpty() && wxRect(box).Inflate(1).Contains(ink))
            << wxString::Format("ink at %d, %d, %d x %d", ink.x, ink.y, ink.width, ink.height);
    }
}

} // namespace
