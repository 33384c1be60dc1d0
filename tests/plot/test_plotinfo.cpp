// Info boxes: the legend's size and items, keeping the relative position,
// the coordinates box and the text layer.

#include "PlotTestSupport.h"

namespace {

// y = x as a function layer.
struct Diagonal : plFX { using plFX::plFX; double GetY(double x) override { return x; } };

class InfoBoxes : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        fit(0, 60, 0, 40, 600, 400); canvas.dc.SetFont(*wxNORMAL_FONT);
    }
    // Adds the layer drawn in the colour, or a curve of that name, or a legend at (x, y).
    void add(plLayer* layer, const wxColour& colour, bool visible = true)
    {
        layer->SetPen(wxPen(colour, 1)), layer->SetVisible(visible), window->AddLayer(layer, false);
    }
    void add(const wxString& curve, const wxColour& colour) { add(makeCurve({10, 20}, {10, 20}, curve), colour); }
    plInfoLegend* legend(int x = 10, int y = 100)
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
    add("Curve one", *wxRED), add("_noLegendEntry_", *wxBLACK);
    add(makeCurve({10, 20}, {10, 20}, "a much longer name"), *wxGREEN, false);
    add("third curve", *wxBLUE), add(new Diagonal("abc"), *wxCYAN);
    window->AddLayer(new plScaleX("x", 1, true, 0), false);
    plInfoLegend* box = legend();
    // 5 pixels above and below the names; the box grows to a name's width + 25 only when
    // that name measures at least the box width less 20.
    const wxSize first = canvas.dc.GetTextExtent("Curve one");
    int width = 20, height = 10;
    for (const char* name : {"Curve one", "third curve", "abc"}) {
        const wxSize t = canvas.dc.GetTextExtent(name);
        width = width <= t.x + 20 ? t.x + 25 : width, height += t.y;
    }
    box->Plot(canvas.dc, *window);
    EXPECT_EQ(box->GetRectangle(), wxRect(10, 100, width, height));
    // Item lines from (15, mid) to (25, mid) in the layers' colours, the names from
    // (30, 105), the frame in the legend's black pen.
    const int mid = 105 + first.y / 2, th = first.y;
    EXPECT_EQ((std::vector{canvas.at(20, mid), canvas.at(20, mid + th), canvas.at(20, mid + 2 * th), canvas.at(20, mid - 2),
                           canvas.at(10, 100)}),
              (std::vector{*wxRED, *wxBLUE, *wxCYAN, *wxWHITE, *wxBLACK}));
    EXPECT_GT(canvas.inked(wxRect(30, 105, first.x, first.y)), 0);
    EXPECT_EQ(canvas.inked(), canvas.inked(box->GetRectangle()));
}

TEST_F(InfoBoxes, EmptyLegendAndSquareItems)
{
    add("_noLegendEntry_", *wxRED);
    plInfoLegend* box = legend();
    box->Plot(canvas.dc, *window);
    EXPECT_EQ(std::pair(canvas.inked(), box->GetSize().y), std::pair(0, 1));
    // A 10 x 10 square at (15, mid - 5), filled and edged in the curve's colour; unknown modes are ignored.
    add("square", *wxBLUE); box->SetItemMode(plITEM_SQUARE), box->SetItemMode(2);
    const int mid = 105 + canvas.dc.GetTextExtent("square").y / 2;
    box->Plot(canvas.dc, *window);
    EXPECT_EQ(std::pair(canvas.at(17, mid - 3), canvas.at(24, mid + 4)), std::pair(*wxBLUE, *wxBLUE));
}

TEST_F(InfoBoxes, RelativePlaceOnResize)
{
    // Half the window, half the distance; the reference follows, so a later drag starts from the new place.
    add("c", *wxRED);
    plInfoLegend* box = legend(100, 100);
    fit(0, 60, 0, 40, 800, 400), draw(*box, 800, 400);
    const wxSize size = box->GetSize();
    fit(0, 60, 0, 40, 400, 200), draw(*box, 400, 200);
    EXPECT_EQ(box->GetRectangle(), wxRect(wxPoint(50, 50), size));
    box->Move(wxPoint(5, 5));
    EXPECT_EQ(box->GetPosition(), wxPoint(55, 55));
}

TEST_F(InfoBoxes, CoordinatesOfTheMouseAndText)
{
    plInfoCoords coords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    const auto moveTo = [&](int x, unsigned mode) {
        wxMouseEvent motion(wxEVT_MOTION);
        motion.m_x = x, motion.m_y = 50;
        coords.SetLabelMode(mode), coords.UpdateInfo(*window, motion);
        return coords.GetContent().utf8_string();
    };
    // Scale 10, posX 0, posY 40: pixel (100, 50) is (10, 35), and pixel x 37265 is 3726.5 s;
    // a date before 1 s shows nothing.
    EXPECT_EQ(moveTo(100, plLABEL_NUMBER), "x = 10.000000\ny = 35.000000");
    const wxSize line = canvas.dc.GetTextExtent("x = 10.000000");
    coords.Plot(canvas.dc, *window);
    EXPECT_EQ(coords.GetSize(), wxSize(line.x + 10, 2 * line.y + 10));
    // The box only grows.
    plInfoCoords large(wxRect(10, 10, 500, 300), wxWHITE_BRUSH);
    large.Plot(canvas.dc, *window);
    EXPECT_EQ(large.GetSize(), wxSize(500, 300));
    EXPECT_EQ(moveTo(37265, plLABEL_HOURS), "x = 01:02:06\ny = 35.000000");
    EXPECT_EQ(moveTo(5, plLABEL_DATE), "");
    // Shifted by 1e9 s, 2001-09-09 01:46:40 UTC, pixel x 100 is 10 s later.
    fit(1e9, 1e9 + 60, 0, 40, 600, 400);
    EXPECT_EQ(moveTo(100, plLABEL_DATE), "x = 2001-09-09\ny = 35.000000");
    EXPECT_EQ(moveTo(100, plLABEL_DATETIME), "x = 2001-09-09T01:46:50\ny = 35.000000");
    // Mouse motion over the window updates every visible info box.
    auto* inWindow = new plInfoCoords(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(inWindow), window->Fit(0, 60, 0, 40), mouse(wxEVT_MOTION, 300, 200);
    EXPECT_EQ(inWindow->GetContent(), "x = 30.000000\ny = 20.000000");

    // Text offsets are percentages: x outside 0..100 falls back to 5, y to 50.
    for (const auto& [x, y, wantX, wantY] : {std::tuple{150, 20, 5, 20}, {20, 150, 20, 50}, {-1, 100, 5, 100}}) {
        plText text("T", x, y);
        EXPECT_EQ(wxPoint(text.GetOffsetX(), text.GetOffsetY()), wxPoint(wantX, wantY)) << x << ", " << y;
    }
    // At 20 % and 50 % of a 600 x 400 plot area less margins 10, 20, 30, 40.
    window->SetMargins(10, 20, 30, 40), fit(0, 60, 0, 40, 600, 400);
    plText title("Title", 20, 50);
    const auto c = draw(title, 600, 400);
    const wxRect where(wxPoint(540 * 20 / 100, 360 * 50 / 100), canvas.dc.GetTextExtent("Title"));
    EXPECT_GT(c->inked(where), 0);
    EXPECT_EQ(c->inked(), c->inked(where));
}

} // namespace
