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

TEST_F(MainWindowLayout, MenusPagesControlsIdsLabelsAndDefaults)
{
    CMainFrame& f = *frame;
    EXPECT_EQ(frame->GetSize(), wxSize(1175, 1011));
    // Each menu's title, then "id label" of its items.
    Texts menus;
    for (std::size_t m = 0; m < f.GetMenuBar()->GetMenuCount(); ++m) {
        menus.push_back(f.GetMenuBar()->GetMenuLabelText(m));
        for (const wxMenuItem* item : f.GetMenuBar()->GetMenu(m)->GetMenuItems())
            menus.push_back(wxString::Format("%d %s", item->GetId(), item->GetItemLabelText()));
    }
    EXPECT_EQ(menus, (Texts{"File", "6000 Load JSON File", "6001 Save Selection as JSON", "6002 Save Entire Tree as JSON",
                            "6003 Delete Selected Object", "6004 Delete All Objects",
                            "6005 Save Polar Result Table as CSV", "6006 Load Polar Result Table from CSV", "Objects",
                            "6007 Clone Selected Object", "Tools", wxString::Format("%d Preferences", wxID_PREFERENCES)}));

    const std::pair<wxWindow*, const char*> pages[] = {{f.m_objectBrowserPage, "Object Browser"},
        {f.m_sailPlanPage, "Sail / Lateral Plan"}, {f.m_polarPage, "VPP  Polar"}, {f.m_comparePage, "Compare Results"}};
    ASSERT_EQ(f.m_notebook->GetPageCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(f.m_notebook->GetPage(i) == pages[i].first && f.m_notebook->GetPageText(i) == pages[i].second) << i;
    EXPECT_EQ(f.m_notebook->GetSelection(), 2);

    // Controls with their fixed id (0: none) and label (null: none checked).
    const std::tuple<wxWindow*, int, const char*> controls[] = {{f.m_objectStoreLabel, 0, "Object Store"},
        {f.m_printSetLabel, 0, "Print Set"}, {f.m_reefFactorLabel, 0, "Reef Factor:"},
        {f.m_reefFactorSpin, 6009, nullptr}, {f.m_runPolarButton, 6010, nullptr},
        {f.m_runPolarLabel, 0, "Start Polar Calculation"}, {f.m_calcAeroButton, 6011, "Calc Aero Forces"},
        {f.m_calcHydroButton, 6012, "Calc Hydro Forces"}, {f.m_calcAeroButton->GetParent(), 0, "Start computational  runs"},
        {f.m_vppSetupChoice->GetParent(), 0, "Select the VPP setup"}, {f.m_showResultTableButton, 6013, "Show result table"},
        {f.m_moveToBufferButton, 6014, "Move to Buffer"}, {f.m_plotPolarButton, 6015, "Plot Polar"},
        {f.m_plotPolarButton->GetParent(), 0, "Polar plot layout"}, {f.m_radiiMinLabel, 0, "Radii MIN:"},
        {f.m_radiiMaxLabel, 0, "MAX:"}, {f.m_radiiIncLabel, 0, "INC:"}, {f.m_majorTickLabel, 0, "Angle Mayor Ticks:"},
        {f.m_minorTickLabel, 0, "Angle Minor Ticks"}, {f.m_includeBufferCheck, 0, "Include Buffer"},
        {f.m_writeCompareTableButton, 6016, "Write Compare Table"}, {f.m_compareModeLabel, 0, "Compare Modus:"},
        {f.m_compareModeChoice, 6017, nullptr}, {f.m_variableLabel, 0, "Variable:"},
        {f.m_resultVariableChoice, 6018, nullptr}};
    for (const auto& [window, id, label] : controls)
        EXPECT_TRUE((!id || window->GetId() == id) && (!label || window->GetLabel() == label)) << id << " " << label;
    const char* rows[] = {"MAIN", "JIB", "SPINNAKER", "Headsail set flying HSF", "RIG", "KeuningHYDRO"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_TRUE(f.m_printSetTypeLabels[i]->GetLabel() == rows[i] && f.m_printSetChoices[i]->GetId() == 6008
                    && items(f.m_printSetChoices[i]) == Texts{"-"}) << rows[i];
    EXPECT_EQ(f.m_runPolarButton->GetBitmap().GetSize(), wxSize(64, 64));
    EXPECT_TRUE(f.m_objectInfoText->IsMultiLine() && !f.m_objectInfoText->IsEditable());

    // Spins: minimum, maximum, increment, digits (the radii and ticks start as the polar diagram's tests draw them).
    const std::pair<wxSpinCtrlDouble*, std::array<double, 4>> spins[] = {{f.m_reefFactorSpin, {0, 1, 0.05, 2}},
        {f.m_radiiMinSpin, {0, 20, 1, 1}}, {f.m_radiiMaxSpin, {0, 20, 1, 1}}, {f.m_radiiIncSpin, {0, 20, 1, 1}}};
    for (const auto& [spin, expected] : spins)
        EXPECT_EQ((std::array{spin->GetMin(), spin->GetMax(), spin->GetIncrement(), double(spin->GetDigits())}), expected);
    EXPECT_EQ((std::array{f.m_reefFactorSpin->GetValue(), double(f.m_majorTickSpin->GetMin()),
                          double(f.m_majorTickSpin->GetMax()), double(f.m_minorTickSpin->GetMin()),
                          double(f.m_minorTickSpin->GetMax())}), (std::array{1.0, 10.0, 90.0, 1.0, 10.0}));
    EXPECT_EQ(items(f.m_compareModeChoice), (Texts{"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"}));
    EXPECT_EQ(f.m_compareModeChoice->GetStringSelection(), "Current Results");
    // The variable list holds the polar result columns; nothing is selected.
    EXPECT_EQ(items(f.m_resultVariableChoice), Texts(store().resultColumnNames.begin(), store().resultColumnNames.end()));
    EXPECT_EQ(f.m_resultVariableChoice->GetSelection(), wxNOT_FOUND);
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
