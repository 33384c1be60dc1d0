#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "MainFrameTest.h"
#include "MyApp.h"
#include "SplashScreen.h"

using Windows = std::initializer_list<wxWindow*>;

// Every window lies whole inside its parent (the notebook places its pages itself) with a
// size of its own, and no two siblings overlap (a static box holds its siblings).
static void expectLaidOut(wxWindow* parent)
{
    const wxRect area(parent->GetClientSize());
    std::vector<wxRect> placed;
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown())
            continue;
        const wxRect rect = child->GetRect();
        const wxString name = wxString(child->GetClassInfo()->GetClassName()) + " \"" + child->GetLabel() + "\"";
        EXPECT_TRUE((area.Contains(rect) || wxDynamicCast(parent, wxNotebook)) && !rect.IsEmpty()) << name;
        if (wxDynamicCast(child, wxStaticBox))
            continue;
        for (const wxRect& other : placed)
            EXPECT_FALSE(other.Intersects(rect)) << name;
        placed.push_back(rect);
        expectLaidOut(child);
    }
}

TEST_F(MainFrameTest, MenusPagesLabelsRangesAndPlaces)
{
    CMainFrame& f = *frame;
    EXPECT_EQ(f.GetSize(), wxSize(1175, 1011));
    // Each menu's title, then "id label" of its items; each page's title.
    Texts texts;
    for (std::size_t m = 0; m < f.GetMenuBar()->GetMenuCount(); ++m) {
        texts.push_back(f.GetMenuBar()->GetMenuLabelText(m));
        for (const wxMenuItem* item : f.GetMenuBar()->GetMenu(m)->GetMenuItems())
            texts.push_back(wxString::Format("%d %s", item->GetId(), item->GetItemLabelText()));
    }
    for (std::size_t i = 0; i < f.m_notebook->GetPageCount(); ++i)
        texts.push_back(f.m_notebook->GetPageText(i));
    EXPECT_EQ(wxJoin(wxArrayString(texts.size(), texts.data()), '|'), wxString::Format("File|6000 Load JSON File|"
        "6001 Save Selection as JSON|6002 Save Entire Tree as JSON|6003 Delete Selected Object|6004 Delete All Objects|"
        "6005 Save Polar Result Table as CSV|6006 Load Polar Result Table from CSV|Objects|6007 Clone Selected Object|Tools|"
        "%d Preferences|Object Browser|Sail / Lateral Plan|VPP  Polar|Compare Results", wxID_PREFERENCES));
    EXPECT_EQ(f.m_notebook->GetCurrentPage(), f.m_polarPage);

    Texts labels;
    for (const wxWindow* window : Windows{f.m_objectStoreLabel, f.m_printSetLabel, f.m_reefFactorLabel, f.m_runPolarLabel,
             f.m_calcAeroButton, f.m_calcHydroButton, f.m_calcAeroButton->GetParent(), f.m_vppSetupChoice->GetParent(),
             f.m_showResultTableButton, f.m_moveToBufferButton, f.m_plotPolarButton, f.m_plotPolarButton->GetParent(),
             f.m_radiiMinLabel, f.m_radiiMaxLabel, f.m_radiiIncLabel, f.m_majorTickLabel, f.m_minorTickLabel,
             f.m_includeBufferCheck, f.m_writeCompareTableButton, f.m_compareModeLabel, f.m_variableLabel})
        labels.push_back(window->GetLabel());
    for (const wxWindow* label : f.m_printSetTypeLabels)
        labels.push_back(label->GetLabel());
    EXPECT_EQ(wxJoin(wxArrayString(labels.size(), labels.data()), '|'), "Object Store|Print Set|Reef Factor:|"
        "Start Polar Calculation|Calc Aero Forces|Calc Hydro Forces|Start computational  runs|Select the VPP setup|"
        "Show result table|Move to Buffer|Plot Polar|Polar plot layout|Radii MIN:|MAX:|INC:|Angle Mayor Ticks:|"
        "Angle Minor Ticks|Include Buffer|Write Compare Table|Compare Modus:|Variable:|MAIN|JIB|SPINNAKER|"
        "Headsail set flying HSF|RIG|KeuningHYDRO");
    EXPECT_EQ((std::array{f.m_reefFactorSpin->GetMin(), f.m_reefFactorSpin->GetMax(), f.m_reefFactorSpin->GetIncrement()}),
              (std::array{0.0, 1.0, 0.05}));
    EXPECT_EQ(items(f.m_compareModeChoice), (Texts{"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"}));

    // Every control lies inside its parent; labels stand whole left of their controls.
    expectLaidOut(frame);
    std::vector<std::pair<wxWindow*, wxWindow*>> pairs{{f.m_reefFactorLabel, f.m_reefFactorSpin},
        {f.m_radiiMinLabel, f.m_radiiMinSpin}, {f.m_radiiMaxLabel, f.m_radiiMaxSpin}, {f.m_radiiIncLabel, f.m_radiiIncSpin},
        {f.m_majorTickLabel, f.m_majorTickSpin}, {f.m_minorTickLabel, f.m_minorTickSpin},
        {f.m_compareModeLabel, f.m_compareModeChoice}, {f.m_variableLabel, f.m_resultVariableChoice}};
    for (std::size_t i = 0; i < 6; ++i)
        pairs.emplace_back(f.m_printSetTypeLabels[i], f.m_printSetChoices[i]);
    for (const auto& [label, control] : pairs) {
        const wxRect l = label->GetScreenRect(), c = control->GetScreenRect();
        EXPECT_TRUE(l.GetRight() < c.x && l.y < c.GetBottom() && c.y < l.GetBottom()) << label->GetLabel();
        EXPECT_TRUE(l.width >= label->GetBestSize().x && c.height >= control->GetBestSize().y) << label->GetLabel();
    }
    // The tree and the output panels take the room their panes give them.
    for (wxWindow* output : Windows{f.m_objectTree, f.m_polarOutputPanel, f.m_browserPlotPanel, f.m_compareOutputPanel})
        EXPECT_TRUE(output->GetSize().x > 200 && output->GetSize().y > 200) << output->GetName();
}

TEST(Splash, AbortOpensNothingAndGoOpensTheMainWindow)
{
    const std::size_t windows = wxTopLevelWindows.GetCount();
    CMainFrame* frame = reinterpret_cast<CMainFrame*>(1);
    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_CANCEL).Describe("splash"));
    finishDestruction();
    EXPECT_TRUE(frame == nullptr && wxTopLevelWindows.GetCount() == windows);
    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_OK).Describe("splash"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown() && wxTheApp->GetTopWindow() == frame);
    frame->Close(true);
    finishDestruction();
}
