#include <wx/choice.h>
#include <wx/textctrl.h>

#include "CMain.h"
#include "MainFrameTest.h"

namespace {

using ObjectTree = MainFrameTest;
using ObjectCommands = MainFrameTest;
using ClosingMainWindow = MainFrameTest;

std::vector<wxString> children(wxTreeCtrl* tree, const wxTreeItemId& node)
{
    std::vector<wxString> texts;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree->GetFirstChild(node, cookie); item.IsOk(); item = tree->GetNextChild(node, cookie))
        texts.push_back(tree->GetItemText(item));
    return texts;
}

std::vector<wxString> items(wxChoice* choice)
{
    std::vector<wxString> texts;
    for (unsigned i = 0; i < choice->GetCount(); ++i)
        texts.push_back(choice->GetString(i));
    return texts;
}

TEST_F(ObjectTree, EmptyStoreGivesTheSkeleton)
{
    wxTreeCtrl* tree = frame->m_objectTree;
    const auto& nodes = frame->treeNodes();
    EXPECT_EQ(tree->GetRootItem(), nodes[0]);
    EXPECT_EQ(tree->GetItemText(nodes[0]), "VPP Objects");
    EXPECT_EQ(children(tree, nodes[0]), (std::vector<wxString>{"Sails", "KeuningHYDRO", "RIG", "VPPsetup"}));
    EXPECT_EQ(children(tree, nodes[1]), (std::vector<wxString>{"MAIN", "JIB", "SPI", "HSF"}));
    const char* texts[] = {"VPP Objects", "Sails", "MAIN", "JIB", "SPI", "HSF", "KeuningHYDRO", "RIG", "VPPsetup"};
    const int images[] = {7, 0, 1, 2, 3, 4, 5, 6, 8};
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(tree->GetItemText(nodes[i]), texts[i]);
        EXPECT_EQ(tree->GetItemImage(nodes[i]), images[i]) << texts[i];
        EXPECT_EQ(tree->GetItemImage(nodes[i], wxTreeItemIcon_Selected), -1);
    }
    EXPECT_TRUE(tree->IsExpanded(nodes[0]));
    EXPECT_TRUE(tree->IsExpanded(nodes[1]));
    ASSERT_NE(tree->GetImageList(), nullptr);
    EXPECT_EQ(tree->GetImageList()->GetImageCount(), 16);
    int width = 0, height = 0;
    tree->GetImageList()->GetSize(0, width, height);
    EXPECT_EQ(wxSize(width, height), wxSize(32, 32));
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ObjectTree, LeavesAndChoicesFollowTheStore)
{
    addObject("RIG", "R1");
    addObject("MAIN", "M1");
    addObject("VPPsetup", "S1");
    addObject("JIB", "J1");
    addObject("SPI", "P1");
    addObject("HSF", "H1");
    addObject("KeuningHYDRO", "K1");
    addObject("MAIN", "Grün 1");
    addObject("MAIN", "M1");
    addObject("Other", "X");
    frame->objectStoreChanged();
    EXPECT_TRUE(frame->storeChanged());

    wxTreeCtrl* tree = frame->m_objectTree;
    const auto& nodes = frame->treeNodes();
    EXPECT_EQ(children(tree, nodes[2]), (std::vector<wxString>{"M1", wxString::FromUTF8("Grün 1"), "M1"}));
    EXPECT_EQ(children(tree, nodes[3]), (std::vector<wxString>{"J1"}));
    EXPECT_EQ(children(tree, nodes[4]), (std::vector<wxString>{"P1"}));
    EXPECT_EQ(children(tree, nodes[5]), (std::vector<wxString>{"H1"}));
    EXPECT_EQ(children(tree, nodes[6]), (std::vector<wxString>{"K1"}));
    EXPECT_EQ(children(tree, nodes[7]), (std::vector<wxString>{"R1"}));
    EXPECT_EQ(children(tree, nodes[8]), (std::vector<wxString>{"S1"}));
    const std::vector<std::pair<std::pair<const char*, const char*>, int>> leafImages{
        {{"MAIN", "M1"}, 9},  {{"JIB", "J1"}, 10},         {{"HSF", "H1"}, 11},     {{"SPI", "P1"}, 12},
        {{"RIG", "R1"}, 13}, {{"KeuningHYDRO", "K1"}, 14}, {{"VPPsetup", "S1"}, 15}};
    for (const auto& [object, image] : leafImages)
        EXPECT_EQ(tree->GetItemImage(leaf(object.first, object.second)), image) << object.first;
    EXPECT_FALSE(frame->selectedItem().IsOk());

    EXPECT_EQ(items(frame->m_printSetChoices[0]), (std::vector<wxString>{"-", "M1", wxString::FromUTF8("Grün 1"), "M1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[1]), (std::vector<wxString>{"-", "J1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[2]), (std::vector<wxString>{"-", "P1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[3]), (std::vector<wxString>{"-", "H1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[4]), (std::vector<wxString>{"-", "R1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[5]), (std::vector<wxString>{"-", "K1"}));
    for (wxChoice* choice : frame->m_printSetChoices)
        EXPECT_EQ(choice->GetSelection(), 0);
    EXPECT_EQ(items(frame->m_vppSetupChoice), (std::vector<wxString>{"S1"}));
    EXPECT_EQ(frame->m_vppSetupChoice->GetSelection(), wxNOT_FOUND);
}

TEST_F(ObjectTree, ChoicesKeepTheirObjectWhileItExists)
{
    addObject("MAIN", "M1");
    addObject("MAIN", "Grün 1");
    addObject("JIB", "J1");
    frame->objectStoreChanged();
    frame->m_printSetChoices[0]->SetSelection(2);
    frame->m_printSetChoices[1]->SetSelection(1);
    frame->m_objectInfoText->SetValue("preview");

    // Objects added before it do not move the choice off its object.
    store().objects.insert(store().objects.begin(),
                           std::make_unique<TestObject>(nlohmann::json{{"Name", "M0"}}, "MAIN"));
    frame->objectStoreChanged();
    EXPECT_EQ(frame->m_printSetChoices[0]->GetStringSelection(), wxString::FromUTF8("Grün 1"));
    EXPECT_EQ(frame->m_printSetChoices[1]->GetStringSelection(), "J1");
    EXPECT_EQ(frame->m_objectInfoText->GetValue(), "");

    // A duplicate name selects the first entry with it; a vanished object falls back to "-".
    addObject("MAIN", "Grün 1");
    store().objects.erase(store().objects.begin() + 3);
    frame->objectStoreChanged();
    EXPECT_EQ(items(frame->m_printSetChoices[0]),
              (std::vector<wxString>{"-", "M0", "M1", wxString::FromUTF8("Grün 1"), wxString::FromUTF8("Grün 1")}));
    EXPECT_EQ(frame->m_printSetChoices[0]->GetSelection(), 3);
    EXPECT_EQ(frame->m_printSetChoices[1]->GetSelection(), 0);
}

TEST_F(ObjectTree, SetupChoiceKeepsItsIndex)
{
    addObject("VPPsetup", "S1");
    addObject("VPPsetup", "S2");
    addObject("VPPsetup", "S3");
    frame->objectStoreChanged();
    frame->m_vppSetupChoice->SetSelection(1);

    store().objects.erase(store().objects.begin());
    frame->objectStoreChanged();
    EXPECT_EQ(frame->m_vppSetupChoice->GetStringSelection(), "S3");

    store().objects.pop_back();
    frame->objectStoreChanged();
    EXPECT_EQ(frame->m_vppSetupChoice->GetSelection(), wxNOT_FOUND);
}

TEST_F(ObjectTree, OnlyObjectsCanBeSelected)
{
    addObject("RIG", "R1");
    frame->objectStoreChanged();
    wxTreeCtrl* tree = frame->m_objectTree;
    for (const wxTreeItemId& node : frame->treeNodes()) {
        tree->SelectItem(node);
        EXPECT_FALSE(tree->IsSelected(node)) << tree->GetItemText(node);
    }
    select("RIG", "R1");
}

TEST_F(ObjectCommands, EditActivatedObjectAndMarkTheStoreChanged)
{
    addObject("MAIN", "M1");
    addObject("MAIN", "M1");
    frame->objectStoreChanged();
    menu(ID_SAVE_TREE_JSON); // no path chosen: nothing happens
    TempDir dir;
    chosenPath = dir.file("saved.json");
    menu(ID_SAVE_TREE_JSON);
    ASSERT_FALSE(frame->storeChanged());

    wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, frame->m_objectTree, leaf("MAIN", "M1"));
    frame->m_objectTree->GetEventHandler()->ProcessEvent(activate);
    // The first of two objects with the same name is edited.
    EXPECT_EQ(static_cast<TestObject*>(store().objects[0].get())->edits, 1);
    EXPECT_EQ(static_cast<TestObject*>(store().objects[1].get())->edits, 0);
    EXPECT_TRUE(frame->storeChanged());
    EXPECT_FALSE(frame->selectedItem().IsOk());

    for (const int node : {0, 1, 2}) {
        wxTreeEvent category(wxEVT_TREE_ITEM_ACTIVATED, frame->m_objectTree, frame->treeNodes()[node]);
        wxTEST_DIALOG(frame->m_objectTree->GetEventHandler()->ProcessEvent(category), expectError("Object not found"));
    }
}

TEST_F(ObjectCommands, DeleteSelectedAsksAndRemovesEveryNamesake)
{
    addObject("MAIN", "M1", 1);
    addObject("JIB", "M1", 2);
    addObject("MAIN", "M2", 3);
    addObject("MAIN", "M1", 4);
    frame->objectStoreChanged();

    // Nothing selected: no question, nothing happens.
    menu(ID_DELETE_SELECTED);
    EXPECT_EQ(store().objects.size(), 4u);

    select("MAIN", "M1");
    wxTEST_DIALOG(menu(ID_DELETE_SELECTED),
                  ExpectMessage("Are you sure you want to delete: M1 of type: MAIN?", "Confirm Deletion", wxID_NO));
    EXPECT_EQ(store().objects.size(), 4u);
    EXPECT_TRUE(frame->selectedItem().IsOk());

    wxTEST_DIALOG(menu(ID_DELETE_SELECTED),
                  ExpectMessage("Are you sure you want to delete: M1 of type: MAIN?", "Confirm Deletion", wxID_YES));
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"JIB:M1", "MAIN:M2"}));
    EXPECT_FALSE(leaf("MAIN", "M1").IsOk());
    EXPECT_FALSE(frame->selectedItem().IsOk());
    EXPECT_TRUE(frame->storeChanged());
}

TEST_F(ObjectCommands, DeleteByNonAsciiName)
{
    addObject("RIG", "Grün 1");
    frame->objectStoreChanged();
    select("RIG", "Grün 1");
    wxTEST_DIALOG(menu(ID_DELETE_SELECTED),
                  ExpectMessage("Are you sure you want to delete: Grün 1 of type: RIG?", "Confirm Deletion", wxID_YES));
    EXPECT_TRUE(store().objects.empty());
}

TEST_F(ObjectCommands, DeleteAllAsksFirstAndClearsTheChangedFlag)
{
    addObject("MAIN", "M1");
    addObject("RIG", "R1");
    frame->objectStoreChanged();
    const char* question = "Are you sure you want to delete all objects from object store?";

    wxTEST_DIALOG(menu(ID_DELETE_ALL), ExpectMessage(question, "Confirm Deletion", wxID_NO));
    EXPECT_EQ(store().objects.size(), 2u);
    EXPECT_TRUE(frame->storeChanged());

    wxTEST_DIALOG(menu(ID_DELETE_ALL), ExpectMessage(question, "Confirm Deletion", wxID_YES));
    EXPECT_TRUE(store().objects.empty());
    EXPECT_FALSE(frame->storeChanged());
    EXPECT_FALSE(leaf("MAIN", "M1").IsOk());
    EXPECT_EQ(frame->m_printSetChoices[0]->GetCount(), 1u);
}

TEST_F(ObjectCommands, CloneAppendsAnIndependentCopy)
{
    store().objects.push_back(std::make_unique<CMain>(nlohmann::json{{"Name", "M"}, {"P", 12.5}}, "MAIN"));
    addObject("RIG", "R1");
    frame->objectStoreChanged();
    frame->m_printSetChoices[0]->SetSelection(1);

    // Nothing selected: nothing happens.
    menu(ID_CLONE_SELECTED);
    EXPECT_EQ(store().objects.size(), 2u);

    select("MAIN", "M");
    menu(ID_CLONE_SELECTED);
    select("MAIN", "M-cloned");
    menu(ID_CLONE_SELECTED);
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"MAIN:M", "RIG:R1", "MAIN:M-cloned", "MAIN:M-cloned-cloned"}));
    EXPECT_TRUE(frame->storeChanged());
    EXPECT_EQ(items(frame->m_printSetChoices[0]), (std::vector<wxString>{"-", "M", "M-cloned", "M-cloned-cloned"}));
    EXPECT_EQ(frame->m_printSetChoices[0]->GetStringSelection(), "M");

    auto* source = dynamic_cast<CMain*>(store().objects[0].get());
    auto* copy = dynamic_cast<CMain*>(store().objects[2].get());
    ASSERT_NE(copy, nullptr);
    nlohmann::json copied = copy->makeJSON();
    copied["Name"] = "M";
    EXPECT_EQ(copied, source->makeJSON());
    copy->P = 20.0;
    EXPECT_DOUBLE_EQ(source->P, 12.5);

    // An object that is not of its branch's class cannot be copied.
    select("RIG", "R1");
    wxTEST_DIALOG(menu(ID_CLONE_SELECTED), expectError("Failed to clone object"));
    EXPECT_EQ(store().objects.size(), 4u);
}

TEST_F(ClosingMainWindow, UnchangedStoreClosesWithoutAsking)
{
    EXPECT_TRUE(frame->Close());
    finishDestruction();
    EXPECT_FALSE(frame);
}

TEST_F(ClosingMainWindow, ChangedStoreAsksAndNoKeepsTheWindow)
{
    addObject("MAIN", "M1");
    frame->objectStoreChanged();
    const char* question = "The object store has changed. Do you really want to leave?";
    bool closed = true;
    wxTEST_DIALOG(closed = frame->Close(), ExpectMessage(question, "COnfirm", wxID_NO));
    finishDestruction();
    EXPECT_FALSE(closed);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(store().objects.size(), 1u);

    wxTEST_DIALOG(closed = frame->Close(), ExpectMessage(question, "COnfirm", wxID_YES));
    finishDestruction();
    EXPECT_FALSE(frame);
}

TEST_F(ClosingMainWindow, ForcedCloseLeavesWithoutAsking)
{
    addObject("MAIN", "M1");
    frame->objectStoreChanged();
    frame->Close(true);
    finishDestruction();
    EXPECT_FALSE(frame);
}

} // namespace
