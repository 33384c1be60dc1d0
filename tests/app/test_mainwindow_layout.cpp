#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "MainFrameTest.h"
#include "MyApp.h"
#include "SplashScreen.h"

namespace {

using MainWindowLayout = MainFrameTest;

TEST_F(MainWindowLayout, MenusPagesControlsIdsLabelsAndDefaults)
{
    EXPECT_EQ(frame->GetSize(), wxSize(1175, 1011));
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    const std::vector<std::tuple<wxMenu*, const char*, std::vector<std::pair<int, const char*>>>> menus{
        {frame->m_fileMenu, "File",
         {{6000, "Load JSON File"}, {6001, "Save Selection as JSON"}, {6002, "Save Entire Tree as JSON"},
          {6003, "Delete Selected Object"}, {6004, "Delete All Objects"}, {6005, "Save Polar Result Table as CSV"},
          {6006, "Load Polar Result Table from CSV"}}},
        {frame->m_objectsMenu, "Objects", {{6007, "Clone Selected Object"}}},
        {frame->m_toolsMenu, "Tools", {{wxID_PREFERENCES, "Preferences"}}}};
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const auto& [menu, title, items] = menus[m];
        EXPECT_EQ(bar->GetMenu(m), menu);
        EXPECT_EQ(bar->GetMenuLabelText(m), title);
        ASSERT_EQ(menu->GetMenuItemCount(), items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(menu->FindItemByPosition(i)->GetId(), items[i].first);
            EXPECT_EQ(menu->FindItemByPosition(i)->GetItemLabelText(), items[i].second);
        }
    }

    const std::vector<std::pair<wxWindow*, const char*>> pages{
        {frame->m_objectBrowserPage, "Object Browser"}, {frame->m_sailPlanPage, "Sail / Lateral Plan"},
        {frame->m_polarPage, "VPP  Polar"},              {frame->m_comparePage, "Compare Results"}};
    ASSERT_EQ(frame->m_notebook->GetPageCount(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(frame->m_notebook->GetPage(i), pages[i].first);
        EXPECT_EQ(frame->m_notebook->GetPageText(i), pages[i].second);
    }
    EXPECT_EQ(frame->m_notebook->GetSelection(), 2);

    // Controls with their fixed id (0: none) and label (null: none checked).
    const std::vector<std::tuple<wxWindow*, int, const char*>> controls{
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
    for (const auto& [window, id, label] : controls) {
        if (id != 0) {
            EXPECT_EQ(window->GetId(), id);
        }
        if (label) {
            EXPECT_EQ(window->GetLabel(), label);
        }
    }
    EXPECT_EQ(frame->m_runPolarButton->GetBitmap().GetSize(), wxSize(64, 64));
    EXPECT_TRUE(frame->m_objectInfoText->IsMultiLine());
    EXPECT_FALSE(frame->m_objectInfoText->IsEditable());

    const char* rows[] = {"MAIN", "JIB", "SPINNAKER", "Headsail set flying HSF", "RIG", "KeuningHYDRO"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(frame->m_printSetTypeLabels[i]->GetLabel(), rows[i]);
        EXPECT_EQ(frame->m_printSetChoices[i]->GetId(), 6008);
        EXPECT_EQ(items(frame->m_printSetChoices[i]), std::vector<wxString>{"-"});
    }

    // Spins: value, minimum, maximum, increment, digits.
    const std::vector<std::pair<wxSpinCtrlDouble*, std::array<double, 5>>> spins{
        {frame->m_reefFactorSpin, {1, 0, 1, 0.05, 2}}, {frame->m_radiiMinSpin, {2, 0, 20, 1, 1}},
        {frame->m_radiiMaxSpin, {8, 0, 20, 1, 1}},     {frame->m_radiiIncSpin, {2, 0, 20, 1, 1}}};
    for (const auto& [spin, expected] : spins)
        EXPECT_EQ((std::array{spin->GetValue(), spin->GetMin(), spin->GetMax(), spin->GetIncrement(),
                              static_cast<double>(spin->GetDigits())}),
                  expected);
    frame->m_reefFactorSpin->SetValue(1.5);
    EXPECT_EQ(frame->m_reefFactorSpin->GetValue(), 1.0);
    for (const auto& [spin, expected] : {std::pair{frame->m_majorTickSpin, std::array{30, 10, 90}},
                                         std::pair{frame->m_minorTickSpin, std::array{5, 1, 10}}})
        EXPECT_EQ((std::array{spin->GetValue(), spin->GetMin(), spin->GetMax()}), expected);
    EXPECT_FALSE(frame->m_includeBufferCheck->GetValue());

    EXPECT_EQ(items(frame->m_compareModeChoice),
              (std::vector<wxString>{"Current - Buffer", "Buffer - Current", "Current Results", "Buffer"}));
    EXPECT_EQ(frame->m_compareModeChoice->GetStringSelection(), "Current Results");
    // The variable list holds the polar result columns; nothing is selected.
    EXPECT_EQ(items(frame->m_resultVariableChoice),
              std::vector<wxString>(store().resultColumnNames.begin(), store().resultColumnNames.end()));
    EXPECT_EQ(frame->m_resultVariableChoice->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(frame->m_vppSetupChoice->GetCount(), 0u);
}

// Every window lies whole inside its parent (the notebook places its pages itself) with a
// size of its own, and no two siblings overlap (a static box holds its siblings). The label
// "Headsail set flying HSF" is wider than its Print Set cell and runs under its choice.
void expectLaidOut(wxWindow* parent)
{
    const wxRect area(parent->GetClientSize());
    std::vector<wxWindow*> placed;
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown())
            continue;
        const wxRect rect = child->GetRect();
        const wxString name = wxString(child->GetClassInfo()->GetClassName()) + " \"" + child->GetLabel() + "\"";
        EXPECT_TRUE((area.Contains(rect) || wxDynamicCast(parent, wxNotebook)) && !rect.IsEmpty()) << name << " at " << rect.x << "," << rect.y << " "
                                                            << rect.width << "x" << rect.height << " in "
                                                            << area.width << "x" << area.height;
        if (wxDynamicCast(child, wxStaticBox))
            continue;
        for (wxWindow* other : placed)
            EXPECT_TRUE(!other->GetRect().Intersects(rect) || other->GetLabel() == "Headsail set flying HSF") << name << " overlaps \"" << other->GetLabel() << "\"";
        placed.push_back(child);
        expectLaidOut(child);
    }
}

TEST_F(MainWindowLayout, ControlsInsideTheirParentsLabelsLeftOfTheirControls)
{
    expectLaidOut(frame);
    std::vector<std::pair<wxWindow*, wxWindow*>> pairs{
        {frame->m_reefFactorLabel, frame->m_reefFactorSpin}, {frame->m_radiiMinLabel, frame->m_radiiMinSpin},
        {frame->m_radiiMaxLabel, frame->m_radiiMaxSpin},     {frame->m_radiiIncLabel, frame->m_radiiIncSpin},
        {frame->m_majorTickLabel, frame->m_majorTickSpin},   {frame->m_minorTickLabel, frame->m_minorTickSpin},
        {frame->m_compareModeLabel, frame->m_compareModeChoice},
        {frame->m_variableLabel, frame->m_resultVariableChoice}};
    for (std::size_t i = 0; i < 6; ++i)
        pairs.emplace_back(frame->m_printSetTypeLabels[i], frame->m_printSetChoices[i]);
    for (const auto& [label, control] : pairs) {
        const wxRect l = label->GetScreenRect(), c = control->GetScreenRect();
        EXPECT_LT(label == frame->m_printSetTypeLabels[3] ? l.x : l.GetRight(), c.GetLeft()) << label->GetLabel();
        EXPECT_TRUE(l.y < c.GetBottom() && c.y < l.GetBottom()) << label->GetLabel();
    }
    // The tree and the output panels take the room their panes give them.
    for (wxWindow* output : std::initializer_list<wxWindow*>{frame->m_objectTree, frame->m_polarOutputPanel,
                                                              frame->m_browserPlotPanel, frame->m_compareOutputPanel}) {
        EXPECT_GT(output->GetSize().x, 200) << output->GetName();
        EXPECT_GT(output->GetSize().y, 200) << output->GetName();
    }
}

TEST(Splash, AbortOpensNothingAndGoOpensTheMainWindow)
{
    const std::size_t windows = wxTopLevelWindows.GetCount();
    CMainFrame* frame = reinterpret_cast<CMainFrame*>(1);
    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_CANCEL).Describe("splash"));
    EXPECT_EQ(frame, nullptr);
    finishDestruction();
    EXPECT_EQ(wxTopLevelWindows.GetCount(), windows);

    wxTEST_DIALOG(frame = startFromSplashScreen(), wxExpectDismissableModal<SplashScreen>(wxID_OK).Describe("splash"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(wxTheApp->GetTopWindow(), frame);
    frame->Close(true);
    finishDestruction();
}

} // namespace
