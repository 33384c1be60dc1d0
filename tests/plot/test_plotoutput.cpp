// Printing onto a page, screenshots, the colour theme and creation of the
// plot classes by name.

#include <wx/filename.h>

#include "PlotTestSupport.h"

namespace {

class PlotOutput : public PlotWindowTest {
protected:
    void SetUp() override
    {
        PlotWindowTest::SetUp();
        // A horizontal line at y = 100 from x 0 to 300, shown over 0..300 x 0..200 at scale 2.
        window->AddLayer(makeCurve({0, 300}, {100, 100}, "line"));
        window->AddLayer(axis = new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, true, 0));
        window->Fit(0, 300, 0, 200);
    }
    // After printing or a screenshot the window shows its screen view again.
    void expectScreenView()
    {
        EXPECT_EQ(window->GetScrX(), 600);
        EXPECT_DOUBLE_EQ(window->GetScaleX(), 2.0);
    }
    plScaleX* axis = nullptr;
};

TEST_F(PlotOutput, PrintsOnePageOntoAMemoryDC)
{
    // Page 400 x 300: 50-pixel margins leave 300 x 200 at scale 1. No page 2.
    Canvas page(400, 300);
    plPrintout printout(window, L"Polar");
    printout.SetDC(&page.dc);
    printout.SetPageSizePixels(400, 300);
    EXPECT_TRUE(printout.OnPrintPage(2));
    EXPECT_EQ(page.inked(), 0);
    // The line on page row 50 + 100 from x 50 to 350; the border axis on the
    // last row of the reduced page (50 + 199), grey although no axis colour was ever set.
    EXPECT_TRUE(printout.OnPrintPage(1));
    EXPECT_FALSE(page.white(60, 150) || page.white(340, 150));
    EXPECT_TRUE(page.white(60, 140) && page.white(20, 150));
    EXPECT_EQ(page.at(200, 249), wxColour(128, 128, 128));
    EXPECT_EQ(axis->GetPen().GetColour(), wxColour(128, 128, 128));
    expectScreenView();
}

TEST_F(PlotOutput, ScreenshotFile)
{
    // At scale 1 the line is on row 100.
    const wxString file = wxFileName::CreateTempFileName("plotshot") + ".png";
    EXPECT_TRUE(window->SaveScreenshot(file, wxBITMAP_TYPE_PNG, wxSize(300, 200)));
    wxImage image;
    EXPECT_TRUE(image.LoadFile(file, wxBITMAP_TYPE_PNG));
    wxRemoveFile(file);
    ASSERT_EQ(image.GetSize(), wxSize(300, 200));
    EXPECT_NE(image.GetRed(150, 100), 255);
    EXPECT_EQ(image.GetRed(150, 90), 255);
    expectScreenView();
    LogCapture log;
    EXPECT_FALSE(window->SaveScreenshot("/nonexistent-dir/shot.png", wxBITMAP_TYPE_PNG, wxSize(10, 10)));
    EXPECT_FALSE(log.messages.empty());
}

TEST_F(PlotOutput, ColourTheme)
{
    auto* legend = new plInfoLegend(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(legend);
    // Background, drawing and axes colours; unset colours leave the pens as they are.
    window->SetColourTheme(*wxBLACK, *wxGREEN, *wxRED);
    EXPECT_EQ(window->GetBackgroundColour(), *wxBLACK);
    EXPECT_EQ(window->GetLayer(0)->GetPen().GetColour(), *wxBLACK);
    window->SetColourTheme(*wxWHITE, wxNullColour, wxNullColour);
    EXPECT_EQ(axis->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(legend->GetPen().GetColour(), *wxGREEN);
}

TEST(PlotClasses, CreatedByName)
{
    // Abstract layers (the last five) are registered but cannot be created.
    const char* names[] = {"plText", "plScaleX", "plScaleY", "plFXYVector", "plInfoLayer", "plWindow",
                           "plLayer", "plFX",     "plFY",     "plFXY",       "plProfile"};
    for (size_t i = 0; i < std::size(names); ++i) {
        const wxClassInfo* info = wxClassInfo::FindClass(names[i]);
        ASSERT_NE(info, nullptr) << names[i];
        EXPECT_TRUE(info->IsKindOf(CLASSINFO(plLayer)) || info->IsKindOf(CLASSINFO(wxWindow))) << names[i];
        std::unique_ptr<wxObject> object(info->CreateObject());
        EXPECT_EQ(object != nullptr, i < 6) << names[i];
    }
}

} // namespace
