#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "MainFrameTest.h"
#include "MyApp.h"
#include "SplashScreen.h"

namespace {

using MainWindowLayout = MainFrameTest;
using Texts = std::vector<wxString>;

TEST_F(MainWindowLayout, MenusPagesLabelsAndRanges)
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
    EXPECT_EQ(texts, (Texts{"File", "6000 Load JSON File", "6001 Save Selection as JSON", "6002 Save Entire Tree as JSON",
                            "6003 Delete Selected Object", "6004 Delete All Objects", "6005 Save Polar Result Table as CSV",
                            "6006 Load Polar Result Table from CSV", "Objects", "6007 Clone Selected Object", "Tools",
                            wxString::Format("%d Preferences", wxID_PREFERENCES), "Object Browser", "Sail / Lateral Plan",
                            "VPP  Polar", "Compare Results"}));
    EXPECT_EQ(f.m_notebook->GetCurrentPage(), f.m_polarPage);

    const std::pair<wxWindow*, const char*> labels[] = {{f.m_objectStoreLabel, "Object Store"},
        {f.m_printSetLabel, "Print Set"}, {f.m_reefFactorLabel, "Reef Factor:"}, {f.m_runPolarLabel, "Start Polar Calculation"},
        {f.m_calcAeroButton, "Calc Aero Forces"}, {f.m_calcHydroButton, "Calc Hydro Forces"},
        {f.m_calcAeroButton->GetParent(), "Start computational  runs"}, {f.m_vppSetupChoice->GetParent(), "Select the VPP setup"},
        {f.m_showResultTableButton, "Show result table"}, {f.m_moveToBufferButton, "Move to Buffer"},
        {f.m_plotPolarButton, "Plot Polar"}, {f.m_plotPolarButton->GetParent(), "Polar plot layout"},
        {f.m_radiiMinLabel, "Radii MIN:"}, {f.m_radiiMaxLabel, "MAX:"}, {f.m_radiiIncLabel, "INC:"},
        {f.m_majorTickLabel, "Angle Mayor Ticks:"}, {f.m_minorTickLabel, "Angle Minor Ticks"},
        {f.m_includeBufferCheck, "Include Buffer"}, {f.m_writeCompareTableButton, "Write Compare Table"},
        {f.m_compareModeLabel, "Compare Modus:"}, {f.m_variableLabel, "Variable:"}, {f.m_printSetTypeLabels[0], "MAIN"},
        {f.m_printSetTypeLabels[1], "JIB"}, {f.m_printSetTypeLabels[2], "SPINNAKER"},
        {f.m_printSetTypeLabels[3], "Headsail set flying HSF"}, {f.m_printSetTypeLabels[4], "RIG"},
        {f.m_printSetTypeLabels[5], "KeuningHYDRO"}};
    for (const auto& [window, label] : labels)
        EXPECT_EQ(window->GetLabel(), label);
    EXPECT_EQ(f.m_runPolarButton->GetBitmap().GetSize(), wxSize(64, 64));
    EXPECT_TRUE(f.m_objectInfoText->IsMultiLine() && !f.m_objectInfoText->IsEditable());

    // Spins: minimum, maximum, increment, digits.
    const std::pair<wxSpinCtrlDouble*, std::array<double, 4>> spins[] = {{f.m_reefFactorSpin, {0, 1, 0.05, 2}},
        {f.m_radiiMinSpin, {0, 20, 1, 1}}, {f.m_radiiMaxSpin, {0, 20, 1, 1}}, {f.m_radiiIncSpin, {0, 20, 1, 1}}};
    for (const auto& [spin, expected] : spins)
        EXPECT_EQ((std::array{spin->GetMin(), spin->GetMax(), spin->GetIncrement(), double(spin->GetDigits())}), expected);
    EXPECT_EQ((std::array{f.m_majorTickSpin->GetMin(), f.m_majorTickSpin->GetMax(), f.m_minorTickSpin->GetMin(),
                          f.m_minorTickSpin->GetMax()}), (std::array{10, 90, 1, 10}));
    EXPECT_EQ(items(f.m_compareModeChoice), (Texts{"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"}));
    // The variable list holds the polar result columns.
    EXPECT_EQ(items(f.m_resultVariableChoice), Texts(store().resultColumnNames.begin(), store().resultColumnNames.end()));
}

// Every window lies whole inside its parent (the notebook places its pages itself) with a
// size of its own, and no two siblings overlap (a static box holds its siblings).
void expectLaidOut(wxWindow* parent)
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

TEST_F(MainWindowLayout, ControlsInsideTheirParentsLabelsWholeLeftOfTheirControls)
{
    expectLaidOut(frame);
    CMainFrame& f = *frame;
    std::vector<std::pair<wxWindow*, wxWindow*>> pairs{
        {f.m_reefFactorLabel, f.m_reefFactorSpin}, {f.m_radiiMinLabel, f.m_radiiMinSpin},
        {f.m_radiiMaxLabel, f.m_radiiMaxSpin},     {f.m_radiiIncLabel, f.m_radiiIncSpin},
        {f.m_majorTickLabel, f.m_majorTickSpin},   {f.m_minorTickLabel, f.m_minorTickSpin},
        {f.m_compareModeLabel, f.m_compareModeChoice}, {f.m_variableLabel, f.m_resultVariableChoice}};
    for (std::size_t i = 0; i < 6; ++i)
        pairs.emplace_back(f.m_printSetTypeLabels[i], f.m_printSetChoices[i]);
    for (const auto& [label, control] : pairs) {
        const wxRect l = label->GetScreenRect(), c = control->GetScreenRect();
        EXPECT_TRUE(l.GetRight() < c.x && l.y < c.GetBottom() && c.y < l.GetBottom()) << label->GetLabel();
        EXPECT_TRUE(l.width >= label->GetBestSize().x && c.height >= control->GetBestSize().y) << label->GetLabel();
    }
    // The tree and the output panels take the room their panes give them.
    for (wxWindow* output : std::initializer_list<wxWindow*>{f.m_objectTree, f.m_polarOutputPanel, f.m_browserPlotPanel, f.m_compareOutputPanel})
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

} // namespace
