// Info boxes: the legend's size and items, keeping the relative position,
// the coordinates box and the text layer.

#include "PlotTestSupport.h"

namespace {

class InfoBoxes : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(600, 400);
    }
    void fit(int w, int h) { window->Fit(0, 60, 0, 40, &w, &h); }
    plFXYVector* addCurve(const wxString& name, const wxColour& colour)
    {
        auto* c = makeCurve({10, 20}, {10, 20}, name);
        c->SetPen(wxPen(colour, 1));
        window->AddLayer(c, false);
        return c;
    }
    plInfoLegend* addLegend()
    {
        auto* legend = new plInfoLegend(wxRect(10, 100, 1, 1), wxWHITE_BRUSH);
        window->AddLayer(legend, false);
        return legend;
    }
    wxSize extent(const wxString& text)
    {
        canvas.dc.SetFont(*wxNORMAL_FONT);
        return canvas.dc.GetTextExtent(text);
    }
    Canvas canvas{600, 400};
};

TEST_F(InfoBoxes, LegendOfOneCurve)
{
    addCurve("Curve one", *wxRED);
    window->AddLayer(new plScaleX("x", 1, true, 0), false);
    plInfoLegend* legend = addLegend();
    EXPECT_TRUE(legend->IsInfo());
    EXPECT_FALSE(legend->HasBBox());
    legend->Plot(canvas.dc, *window);

    const wxSize t = extent("Curve one");
    EXPECT_EQ(legend->GetSize(), wxSize(t.x + 25, t.y + 10));
    EXPECT_EQ(legend->GetPosition(), wxPoint(10, 100));
    // Item line from (15, mid) to (25, mid) in the curve's colour, the name
    // at (30, 105), the frame in the legend's black pen.
    const int mid = 105 + t.y / 2;
    EXPECT_EQ(canvas.at(20, mid), *wxRED);
    EXPECT_TRUE(canvas.white(20, mid - 2));
    EXPECT_GT(canvas.inked(wxRect(30, 105, t.x, t.y)), 0);
    EXPECT_EQ(canvas.at(10, 100), *wxBLACK);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 600, 400)), canvas.inked(legend->GetRectangle()));
}

TEST_F(InfoBoxes, LegendOfThreeCurvesSkipsHiddenAndUnnamedOnes)
{
    addCurve("ab", *wxRED);
    addCurve("_noLegendEntry_", *wxBLACK);
    addCurve("a much longer name", *wxGREEN)->SetVisible(false);
    addCurve("third curve", *wxBLUE);
    addCurve("abc", *wxCYAN);
    plInfoLegend* legend = addLegend();
    legend->Plot(canvas.dc, *window);

    // Width: the box grows to a name's width + 25 only when that name
    // measures at least the box width less 20.
    int width = 20, height = 5;
    for (const char* name : {"ab", "third curve", "abc"}) {
        const wxSize t = extent(name);
        if (width <= t.x + 20)
            width = t.x + 25;
        height += t.y;
    }
    EXPECT_EQ(legend->GetSize(), wxSize(width, height + 5));
    const int th = extent("ab").y;
    EXPECT_EQ(canvas.at(20, 105 + th / 2), *wxRED);
    EXPECT_EQ(canvas.at(20, 105 + th + th / 2), *wxBLUE);
    EXPECT_EQ(canvas.at(20, 105 + 2 * th + th / 2), *wxCYAN);
}

TEST_F(InfoBoxes, LegendWithoutCurvesDrawsNothing)
{
    addCurve("_noLegendEntry_", *wxRED);
    plInfoLegend* legend = addLegend();
    legend->Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 600, 400)), 0);
    EXPECT_EQ(legend->GetSize().y, 1);
}

TEST_F(InfoBoxes, LegendSquareItems)
{
    addCurve("square", *wxBLUE);
    plInfoLegend* legend = addLegend();
    legend->SetItemMode(plITEM_SQUARE);
    legend->SetItemMode(2);
    EXPECT_EQ(legend->GetItemMode(), plITEM_SQUARE);
    legend->Plot(canvas.dc, *window);
    const int mid = 105 + extent("square").y / 2;
    // A filled 10 x 10 square at (15, mid - 5).
    EXPECT_EQ(canvas.at(17, mid - 3), *wxBLUE);
    EXPECT_EQ(canvas.at(23, mid + 3), *wxBLUE);
}

TEST_F(InfoBoxes, BoxKeepsItsRelativePlaceOnResize)
{
    addCurve("c", *wxRED);
    plInfoLegend* legend = new plInfoLegend(wxRect(100, 100, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(legend, false);
    fit(800, 400);
    Canvas wide(800, 400);
    legend->Plot(wide.dc, *window);
    EXPECT_EQ(legend->GetPosition(), wxPoint(100, 100));
    const wxSize size = legend->GetSize();

    fit(400, 200);
    Canvas narrow(400, 200);
    legend->Plot(narrow.dc, *window);
    EXPECT_EQ(legend->GetPosition(), wxPoint(50, 50));
    EXPECT_EQ(legend->GetSize(), size);
    // The reference follows, so a later drag starts from the new place.
    legend->Move(wxPoint(5, 5));
    EXPECT_EQ(legend->GetPosition(), wxPoint(55, 55));
}

TEST_F(InfoBoxes, PlainBox)
{
    plInfoLayer plain;
    EXPECT_EQ(plain.GetRectangle(), wxRect(0, 0, 1, 1));
    EXPECT_EQ(plain.GetLayerType(), plLAYER_INFO);

    plInfoLayer box(wxRect(20, 30, 40, 50), wxBLACK_BRUSH);
    wxPoint in(59, 79), out(60, 30);
    EXPECT_TRUE(box.Inside(in));
    EXPECT_FALSE(box.Inside(out));
    box.Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.at(40, 50), *wxBLACK);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 600, 400)), 40 * 50);
}

TEST_F(InfoBoxes, CoordinatesOfTheMouse)
{
    plInfoCoords coords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    wxMouseEvent motion(wxEVT_MOTION);
    motion.m_x = 100;
    motion.m_y = 50;
    // Scale 10, posX 0, posY 40: pixel (100, 50) is (10, 35).
    coords.UpdateInfo(*window, motion);
    EXPECT_EQ(coords.GetContent(), "x = 10.000000\ny = 35.000000");

    coords.Plot(canvas.dc, *window);
    canvas.dc.SetFont(*wxNORMAL_FONT);
    const wxSize line = canvas.dc.GetTextExtent("x = 10.000000");
    EXPECT_EQ(coords.GetSize(), wxSize(line.x + 10, 2 * line.y + 10));

    // Seconds as hours, minutes, seconds: at scale 10, pixel 37265 is 3726.5 s.
    motion.m_x = 37265;
    coords.SetLabelMode(plLABEL_HOURS);
    coords.UpdateInfo(*window, motion);
    EXPECT_EQ(coords.GetContent(), "x = 01:02:06\ny = 35.000000");

    // A date before 1 s shows nothing; other events change nothing.
    motion.m_x = 5;
    coords.SetLabelMode(plLABEL_DATE);
    coords.UpdateInfo(*window, motion);
    EXPECT_EQ(coords.GetContent(), "");
    wxCommandEvent other(wxEVT_MENU);
    coords.SetLabelMode(plLABEL_NUMBER);
    coords.UpdateInfo(*window, other);
    EXPECT_EQ(coords.GetContent(), "");

    // Mouse motion over the window updates every visible info box.
    auto* inWindow = new plInfoCoords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(inWindow);
    window->Fit(0, 60, 0, 40);
    mouse(wxEVT_MOTION, 300, 200);
    EXPECT_EQ(inWindow->GetContent(), "x = 30.000000\ny = 20.000000");
}

TEST_F(InfoBoxes, TextLayer)
{
    plText a("T", 150, 20), b("T", 20, 150), c("T", -1, 100);
    EXPECT_EQ(a.GetOffsetX(), 5);
    EXPECT_EQ(a.GetOffsetY(), 20);
    EXPECT_EQ(b.GetOffsetX(), 20);
    EXPECT_EQ(b.GetOffsetY(), 50);
    EXPECT_EQ(c.GetOffsetX(), 5);
    EXPECT_EQ(c.GetOffsetY(), 100);
    EXPECT_EQ(a.GetLayerType(), plLAYER_INFO);
    EXPECT_FALSE(a.IsInfo());

    // At 20 % and 50 % of a 600 x 400 plot area less margins 10, 20, 30, 40.
    window->SetMargins(10, 20, 30, 40);
    plText title("Title", 20, 50);
    title.Plot(canvas.dc, *window);
    const wxSize t = extent("Title");
    const wxRect where(540 * 20 / 100, 360 * 50 / 100, t.x, t.y);
    EXPECT_GT(canvas.inked(where), 0);
    EXPECT_EQ(canvas.inked(wxRect(0, 0, 600, 400)), canvas.inked(where));
}

} // namespace
