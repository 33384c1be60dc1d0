// Info boxes: the legend's size and items, keeping the relative position,
// the coordinates box and the text layer.

#include "PlotTestSupport.h"

namespace {

// y = x as a function layer.
class Diagonal : public plFX {
public:
    using plFX::plFX;
    double GetY(double x) override { return x; }
};

class InfoBoxes : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(0, 60, 0, 40, 600, 400);
        canvas.dc.SetFont(*wxNORMAL_FONT);
    }
    void addLayer(plLayer* layer, const wxColour& colour, bool visible = true)
    {
        layer->SetPen(wxPen(colour, 1));
        layer->SetVisible(visible);
        window->AddLayer(layer, false);
    }
    void addCurve(const wxString& name, const wxColour& colour, bool visible = true)
    {
        addLayer(makeCurve({10, 20}, {10, 20}, name), colour, visible);
    }
    plInfoLegend* addLegend(int x = 10, int y = 100)
    {
        auto* legend = new plInfoLegend(wxRect(x, y, 1, 1), wxWHITE_BRUSH);
        window->AddLayer(legend, false);
        return legend;
    }
    Canvas canvas{600, 400};
};

TEST_F(InfoBoxes, LegendSizeAndItemsFromTheTextSizes)
{
    // Hidden curves, "_noLegendEntry_" and axes get no item; function layers do.
    addCurve("Curve one", *wxRED);
    addCurve("_noLegendEntry_", *wxBLACK);
    addCurve("a much longer name", *wxGREEN, false);
    addCurve("third curve", *wxBLUE);
    addLayer(new Diagonal("abc"), *wxCYAN);
    window->AddLayer(new plScaleX("x", 1, true, 0), false);
    plInfoLegend* legend = addLegend();

    // 5 pixels above and below the names; the box grows to a name's width
    // + 25 only when that name measures at least the box width less 20.
    const wxSize first = canvas.dc.GetTextExtent("Curve one");
    int width = 20, height = 10;
    for (const char* name : {"Curve one", "third curve", "abc"}) {
        const wxSize t = canvas.dc.GetTextExtent(name);
        width = width <= t.x + 20 ? t.x + 25 : width;
        height += t.y;
    }
    legend->Plot(canvas.dc, *window);
    EXPECT_EQ(legend->GetRectangle(), wxRect(10, 100, width, height));
    // Item lines from (15, mid) to (25, mid) in the layers' colours, the names from
    // (30, 105), the frame in the legend's black pen.
    const int th = first.y;
    EXPECT_EQ((std::vector{canvas.at(20, 105 + th / 2), canvas.at(20, 105 + th + th / 2), canvas.at(20, 105 + 2 * th + th / 2),
                           canvas.at(20, 105 + th / 2 - 2), canvas.at(10, 100)}),
              (std::vector{*wxRED, *wxBLUE, *wxCYAN, *wxWHITE, *wxBLACK}));
    EXPECT_GT(canvas.inked(wxRect(30, 105, first.x, first.y)), 0);
    EXPECT_EQ(canvas.inked(), canvas.inked(legend->GetRectangle()));
}

TEST_F(InfoBoxes, EmptyLegendAndSquareItems)
{
    addCurve("_noLegendEntry_", *wxRED);
    plInfoLegend* legend = addLegend();
    legend->Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(), 0);
    EXPECT_EQ(legend->GetSize().y, 1);
    // A filled 10 x 10 square at (15, mid - 5); unknown modes are ignored.
    addCurve("square", *wxBLUE);
    legend->SetItemMode(plITEM_SQUARE);
    legend->SetItemMode(2);
    const int mid = 105 + canvas.dc.GetTextExtent("square").y / 2;
    legend->Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.at(17, mid - 3), *wxBLUE);
    EXPECT_EQ(canvas.at(23, mid + 3), *wxBLUE);
}

TEST_F(InfoBoxes, PlainBoxAndRelativePlaceOnResize)
{
    plInfoLayer box(wxRect(20, 30, 40, 50), wxBLACK_BRUSH);
    box.Plot(canvas.dc, *window);
    EXPECT_EQ(canvas.inked(wxRect(20, 30, 40, 50)), 40 * 50);
    EXPECT_EQ(canvas.inked(), 40 * 50);
    // Half the window, half the distance; the reference follows, so a later drag starts
    // from the new place.
    addCurve("c", *wxRED);
    plInfoLegend* legend = addLegend(100, 100);
    Canvas wide(800, 400), narrow(400, 200);
    fit(0, 60, 0, 40, 800, 400);
    legend->Plot(wide.dc, *window);
    const wxSize size = legend->GetSize();
    fit(0, 60, 0, 40, 400, 200);
    legend->Plot(narrow.dc, *window);
    EXPECT_EQ(legend->GetRectangle(), wxRect(wxPoint(50, 50), size));
    legend->Move(wxPoint(5, 5));
    EXPECT_EQ(legend->GetPosition(), wxPoint(55, 55));
}

TEST_F(InfoBoxes, CoordinatesOfTheMouse)
{
    plInfoCoords coords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    const auto moveTo = [&](int x, unsigned mode) {
        wxMouseEvent motion(wxEVT_MOTION);
        motion.m_x = x, motion.m_y = 50;
        coords.SetLabelMode(mode);
        coords.UpdateInfo(*window, motion);
        return coords.GetContent().utf8_string();
    };
    // Scale 10, posX 0, posY 40: pixel (100, 50) is (10, 35), and pixel x
    // 37265 is 3726.5 s; a date before 1 s shows nothing.
    EXPECT_EQ(moveTo(100, plLABEL_NUMBER), "x = 10.000000\ny = 35.000000");
    const wxSize line = canvas.dc.GetTextExtent("x = 10.000000");
    coords.Plot(canvas.dc, *window);
    EXPECT_EQ(coords.GetSize(), wxSize(line.x + 10, 2 * line.y + 10));
    EXPECT_EQ(moveTo(37265, plLABEL_HOURS), "x = 01:02:06\ny = 35.000000");
    EXPECT_EQ(moveTo(5, plLABEL_DATE), "");
    // Shifted by 1e9 s, 2001-09-09 01:46:40 UTC, pixel x 100 is 10 s later.
    fit(1e9, 1e9 + 60, 0, 40, 600, 400);
    EXPECT_EQ(moveTo(100, plLABEL_DATE), "x = 2001-09-09\ny = 35.000000");
    EXPECT_EQ(moveTo(100, plLABEL_DATETIME), "x = 2001-09-09T01:46:50\ny = 35.000000");
    // Mouse motion over the window updates every visible info box.
    auto* inWindow = new plInfoCoords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(inWindow);
    window->Fit(0, 60, 0, 40);
    mouse(wxEVT_MOTION, 300, 200);
    EXPECT_EQ(inWindow->GetContent(), "x = 30.000000\ny = 20.000000");
}

TEST_F(InfoBoxes, TextLayer)
{
    // Offsets are percentages: x outside 0..100 falls back to 5, y to 50.
    for (const auto& [x, y, wantX, wantY] : {std::tuple{150, 20, 5, 20}, {20, 150, 20, 50}, {-1, 100, 5, 100}}) {
        plText text("T", x, y);
        EXPECT_EQ(wxPoint(text.GetOffsetX(), text.GetOffsetY()), wxPoint(wantX, wantY)) << x << ", " << y;
    }
    // At 20 % and 50 % of a 600 x 400 plot area less margins 10, 20, 30, 40.
    window->SetMargins(10, 20, 30, 40);
    plText title("Title", 20, 50);
    const wxSize t = canvas.dc.GetTextExtent("Title");
    title.Plot(canvas.dc, *window);
    const wxRect where(540 * 20 / 100, 360 * 50 / 100, t.x, t.y);
    EXPECT_GT(canvas.inked(where), 0);
    EXPECT_EQ(canvas.inked(), canvas.inked(where));
}

} // namespace
