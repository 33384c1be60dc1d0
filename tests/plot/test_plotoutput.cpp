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
        // A horizontal line at y = 100 from x 0 to 300, shown over 0..300 x 0..200.
        window->AddLayer(makeCurve({0, 300}, {100, 100}, "line"));
        axis = new plScaleX("x", plAXIS_BORDER_BOTTOM_OR_LEFT, true, 0);
        window->AddLayer(axis);
        window->Fit(0, 300, 0, 200);
    }
    plScaleX* axis = nullptr;
};

TEST_F(PlotOutput, PrintsOnePageOntoAMemoryDC)
{
    // Page 400 x 300: 50-pixel margins leave 300 x 200 at scale 1.
    Canvas page(400, 300);
    plPrintout printout(window, L"Polar");
    printout.SetDC(&page.dc);
    printout.SetPageSizePixels(400, 300);
    EXPECT_TRUE(printout.HasPage(1));
    EXPECT_FALSE(printout.HasPage(2));
    EXPECT_TRUE(printout.OnPrintPage(2));
    EXPECT_EQ(page.inked(), 0);

    EXPECT_TRUE(printout.OnPrintPage(1));
    // The line on page row 50 + 100 from x 50 to 350; the border axis on the
    // last row of the reduced page (50 + 199).
    EXPECT_FALSE(page.white(60, 150));
    EXPECT_FALSE(page.white(340, 150));
    EXPECT_TRUE(page.white(60, 140));
    EXPECT_TRUE(page.white(20, 150));
    EXPECT_EQ(page.at(200, 249), wxColour(128, 128, 128));
    // The window shows its screen view again, and the axis pen is still
    // valid although no axis colour was ever set.
    EXPECT_EQ(window->GetScrX(), 600);
    EXPECT_DOUBLE_EQ(window->GetScaleX(), 2.0);
    EXPECT_TRUE(axis->GetPen().IsOk());
    EXPECT_EQ(axis->GetPen().GetColour(), wxColour(128, 128, 128));

}

TEST_F(PlotOutput, ScreenshotFile)
{
    // At scale 1 the line is on row 100; the screen view comes back after.
    const wxString file = wxFileName::CreateTempFileName("plotshot") + ".png";
    EXPECT_TRUE(window->SaveScreenshot(file, wxBITMAP_TYPE_PNG, wxSize(300, 200)));
    wxImage image;
    EXPECT_TRUE(image.LoadFile(file, wxBITMAP_TYPE_PNG));
    wxRemoveFile(file);
    ASSERT_EQ(image.GetSize(), wxSize(300, 200));
    EXPECT_NE(image.GetRed(150, 100), 255);
    EXPECT_EQ(image.GetRed(150, 90), 255);
    EXPECT_EQ(window->GetScrX(), 600);
    EXPECT_DOUBLE_EQ(window->GetScaleX(), 2.0);


    LogCapture log;
    EXPECT_FALSE(window->SaveScreenshot("/nonexistent-dir/shot.png", wxBITMAP_TYPE_PNG, wxSize(10, 10)));
    EXPECT_FALSE(log.messages.empty());
}

TEST_F(PlotOutput, ColourTheme)
{
    auto* legend = new plInfoLegend(wxRect(10, 10, 1, 1), wxWHITE_BRUSH);
    window->AddLayer(legend);
    window->SetColourTheme(*wxBLACK, *wxGREEN, *wxRED);
    EXPECT_EQ(window->GetBackgroundColour(), *wxBLACK);
    EXPECT_EQ(axis->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(legend->GetPen().GetColour(), *wxGREEN);
    EXPECT_EQ(window->GetLayer(0)->GetPen().GetColour(), *wxBLACK);
    // Unset colours leave the pens as they are.
    window->SetColourTheme(*wxWHITE, wxNullColour, wxNullColour);
    EXPECT_EQ(axis->GetPen().GetColour(), *wxRED);
    EXPECT_EQ(legend->GetPen().GetColour(), *wxGREEN);
}

TEST(PlotClasses, CreatedByName)
{
    for (const char* name : {"plText", "plScaleX", "plScaleY", "plFXYVector", "plInfoLayer", "plWindow"}) {
        std::unique_ptr<wxObject> object(wxCreateDynamicObject(name));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->GetClassInfo()->GetClassName(), wxString(name));
    }
    // Abstract layers are registered but cannot be created.
    for (const char* name : {"plLayer", "plFX", "plFY", "plFXY", "plProfile"}) {
        ASSERT_NE(wxClassInfo::FindClass(name), nullptr) << name;
        EXPECT_TRUE(wxClassInfo::FindClass(name)->IsKindOf(CLASSINFO(plLayer))) << name;
        EXPECT_EQ(wxCreateDynamicObject(name), nullptr) << name;
    }
}

} // namespace
