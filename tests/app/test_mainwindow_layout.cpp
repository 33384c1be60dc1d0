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
    EXPECT_EQ(frame->GetSize(), wxSize(1175, 1011));
    // Each menu's title, then "id label" of its items.
    Texts menus;
    for (std::size_t m = 0; m < frame->GetMenuBar()->GetMenuCount(); ++m) {
        menus.push_back(frame->GetMenuBar()->GetMenuLabelText(m));
        for (const wxMenuItem* item : frame->GetMenuBar()->GetMenu(m)->GetMenuItems())
            menus.push_back(wxString::Format("%d %s", item->GetId(), item->GetItemLabelText()));
    }
    EXPECT_EQ(menus, (Texts{"File", "6000 Load JSON File", "6001 Save Selection as JSON", "6002 Save Entire Tree as JSON",
                            "6003 Delete Selected Object", "6004 Delete All Objects",
                            "6005 Save Polar Result Table as CSV", "6006 Load Polar Result Table from CSV", "Objects",
                            "6007 Clone Selected Object", "Tools", wxString::Format("%d Preferences", wxID_PREFERENCES)}));

    const std::pair<wxWindow*, const char*> pages[] = {{frame->m_objectBrowserPage, "Object Browser"},
        {frame->m_sailPlanPage, "Sail / Lateral Plan"}, {frame->m_polarPage, "VPP  Polar"},
        {frame->m_comparePage, "Compare Results"}};
    ASSERT_EQ(frame->m_notebook->GetPageCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(frame->m_notebook->GetPage(i) == pages[i].first && frame->m_notebook->GetPageText(i) == pages[i].second) << i;
    EXPECT_EQ(frame->m_notebook->GetSelection(), 2);

    // Controls with their fixed id (0: none) and label (null: none checked).
    const std::tuple<wxWindow*, int, const char*> controls[] = {
        {frame->m_objectStoreLabel, 0, "Object Store"},   {frame->m_printSetLabel, 0, "Print Set"},
        {frame->m_reefFactorLabel, 0, "Reef Factor:"},    {frame->m_reefFactorSpin, 6009, nullptr},
        {frame->m_runPolarButton, 6010, nullptr},         {frame->m_runPolarLabel, 0, "Start Polar Calculation"},
        {frame->m_calcAeroButton, 6011, "Calc Aero Forces"}, {frame->m_calcHydroButton, 6012, "Calc Hydro Forces"},
        {frame->m_calcAeroButton->GetParent(), 0, "Start computational  runs"},
        {frame->m_vppSetupChoice->GetParent(), 0, "Select the VPP setup"},
        {frame->m_showResultTableButton, 6013, "Show result table"},
        {frame->m_moveToBufferButton, 6014, "Move to Buffer"}, {frame->m_plotPolarButton, 6015, "Plot Polar"},
        {frame->m_plotPolarButton->GetParent(), 0, "Polar plot layout"},
        {frame->m_radiiMinLabel, 0, "Radii MIN:"},        {frame->m_radiiMaxLabel, 0, "MAX:"},
        {frame->m_radiiIncLabel, 0, "INC:"},              {frame->m_majorTickLabel, 0, "Angle Mayor Ticks:"},
        {frame->m_minorTickLabel, 0, "Angle Minor Ticks"}, {frame->m_includeBufferCheck, 0, "Include Buffer"},
        {frame->m_writeCompareTableButton, 6016, "Write Compare Table"},
        {frame->m_compareModeLabel, 0, "Compare Modus:"}, {frame->m_compareModeChoice, 6017, nullptr},
        {frame->m_variableLabel, 0, "Variable:"},         {frame->m_resultVariableChoice, 6018, nullptr}};
    for (const auto& [window, id, label] : controls)
        EXPECT_TRUE((!id || window->GetId() == id) && (!label || window->GetLabel() == label)) << id << " " << label;
    const char* rows[] = {"MAIN", "JIB", "SPINNAKER", "Headsail set flying HSF", "RIG", "KeuningHYDRO"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_TRUE(frame->m_printSetTypeLabels[i]->GetLabel() == rows[i] && frame->m_printSetChoices[i]->GetId() == 6008
                    && items(frame->m_printSetChoices[i]) == Texts{"-"}) << rows[i];
    EXPECT_EQ(frame->m_runPolarButton->GetBitmap().GetSize(), wxSize(64, 64));
    EXPECT_TRUE(frame->m_objectInfoText->IsMultiLine() && !frame->m_objectInfoText->IsEditable());

    // Spins: value, minimum, maximum, increment, digits.
    const std::pair<wxSpinCtrlDouble*, std::array<double, 5>> spins[] = {
        {frame->m_reefFactorSpin, {1, 0, 1, 0.05, 2}}, {frame->m_radiiMinSpin, {2, 0, 20, 1, 1}},
        {frame->m_radiiMaxSpin, {8, 0, 20, 1, 1}},     {frame->m_radiiIncSpin, {2, 0, 20, 1, 1}}};
    for (const auto& [spin, expected] : spins)
        EXPECT_EQ((std::array{spin->GetValue(), spin->GetMin(), spin->GetMax(), spin->GetIncrement(),
                              static_cast<double>(spin->GetDigits())}), expected);
    for (const auto& [spin, expected] : {std::pair{frame->m_majorTickSpin, std::array{30, 10, 90}},
                                         std::pair{frame->m_minorTickSpin, std::array{5, 1, 10}}})
        EXPECT_EQ((std::array{spin->GetValue(), spin->GetMin(), spin->GetMax()}), expected);
    EXPECT_FALSE(frame->m_includeBufferCheck->GetValue());

    EXPECT_EQ(items(frame->m_compareModeChoice), (Texts{"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"}));
    EXPECT_EQ(frame->m_compareModeChoice->GetStringSelection(), "Current Results");
    // The variable list holds the polar result columns; nothing is selected.
    EXPECT_EQ(items(frame->m_resultVariableChoice), Texts(store().resultColumnNames.begin(), store().resultColumnNames.end()));
    EXPECT_EQ(frame->m_resultVariableChoice->GetSelection(), wxNOT_FOUND);
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
    std::vector<std::pair<wxWindow*, wxWindow*>> pairs{
        {frame->m_reefFactorLabel, frame->m_reefFactorSpin}, {frame->m_radiiMinLabel, frame->m_radiiMinSpin},
        {frame->m_radiiMaxLabel, frame->m_radiiMaxSpin},     {frame->m_radiiIncLabel, frame->m_radiiIncSpin},
        {frame->m_majorTickLabel, frame->m_majorTickSpin},   {frame->m_minorTickLabel, frame->m_minorTickSpin},
        {frame->m_compareModeLabel, frame->m_compareModeChoice}, {frame->m_variableLabel, frame->m_resultVariableChoice}};
    for (std::size_t i = 0; i < 6; ++i)
        pairs.emplace_back(frame->m_printSetTypeLabels[i], frame->m_printSetChoices[i]);
    for (const auto& [label, control] : pairs) {
        const wxRect l = label->GetScreenRect(), c = control->GetScreenRect();
        EXPECT_TRUE(l.GetRight() < c.x && l.y < c.GetBottom() && c.y < l.GetBottom()) << label->GetLabel();
        EXPECT_TRUE(l.width >= label->GetBestSize().x && c.height >= control->GetBestSize().y) << label->GetLabel();
    }
    // The tree and the output panels take the room their panes give them.
    for (wxWindow* output : std::initializer_list<wxWindow*>{frame->m_objectTree, frame->m_polarOutputPanel, frame->m_browserPlotPanel, frame->m_compareOutputPanel})
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
