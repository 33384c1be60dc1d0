#include <wx/textctrl.h>

#include "CMain.h"
#include "MainFrameTest.h"

using ObjectTree = MainFrameTest;
const char* const leave = "The object store has changed. Do you really want to leave?";
const wxString green = wxString::FromUTF8("Grün 1");

TEST_F(ObjectTree, SkeletonLeavesAndChoicesFollowTheStore)
{
    EXPECT_EQ(tree()->GetItemText(frame->treeNodes()[0]), "VPP Objects");
    EXPECT_EQ(children(0), (Texts{"Sails", "KeuningHYDRO", "RIG", "VPPsetup"}));
    EXPECT_EQ(children(1), (Texts{"MAIN", "JIB", "SPI", "HSF"}));

    // Type, name, tree node (-1: none), print set row (-1: none).
    const std::tuple<const char*, const char*, int, int> objects[] = {{"RIG", "R1", 7, 4}, {"MAIN", "M1", 2, 0},
        {"VPPsetup", "S1", 8, -1}, {"JIB", "J1", 3, 1}, {"SPI", "P1", 4, 2}, {"HSF", "H1", 5, 3}, {"KeuningHYDRO", "K1", 6, 5},
        {"MAIN", "Grün 1", 2, 0}, {"MAIN", "M1", 2, 0}, {"Other", "X", -1, -1}, {"VPPsetup", "S2", 8, -1}, {"VPPsetup", "S3", 8, -1}};
    for (const auto& [type, name, node, row] : objects)
        addObject(type, name);
    frame->objectStoreChanged();
    EXPECT_TRUE(frame->storeChanged() && !frame->selectedItem().IsOk());
    EXPECT_EQ(children(2), (Texts{"M1", green, "M1"}));
    EXPECT_EQ(items(frame->m_printSetChoices[0]), (Texts{"-", "M1", green, "M1"}));
    for (const auto& [type, name, node, row] : objects) {
        EXPECT_TRUE(node < 3 || node == 8 || children(node) == Texts{name}) << type;
        EXPECT_TRUE(row <= 0 || items(frame->m_printSetChoices[row]) == (Texts{"-", name})) << type;
    }
    EXPECT_EQ(items(frame->m_vppSetupChoice), (Texts{"S1", "S2", "S3"}));
    // Category nodes cannot be selected, objects can.
    for (const wxTreeItemId& node : frame->treeNodes())
        EXPECT_FALSE((tree()->SelectItem(node), tree()->IsSelected(node)));

    // An object added before it does not move a print set choice off its object;
    // the setup choice keeps its index, the preview is cleared.
    select("RIG", "R1");
    frame->m_printSetChoices[0]->SetSelection(2);
    frame->m_printSetChoices[1]->SetSelection(1);
    frame->m_vppSetupChoice->SetSelection(1);
    store().objects.insert(store().objects.begin(), std::make_unique<TestObject>(nlohmann::json{{"Name", "M0"}}, "MAIN"));
    store().objects.erase(store().objects.begin() + 3); // VPPsetup S1
    frame->objectStoreChanged();
    const auto selections = [this] {
        return Texts{frame->m_printSetChoices[0]->GetStringSelection(), frame->m_printSetChoices[1]->GetStringSelection(),
                     frame->m_vppSetupChoice->GetStringSelection(), frame->m_objectInfoText->GetValue()};
    };
    EXPECT_EQ(selections(), (Texts{green, "J1", "S3", ""}));

    // A duplicate name selects the first entry with it; a vanished object falls back to "-",
    // a vanished setup index to none.
    addObject("MAIN", "Grün 1");
    store().objects.erase(store().objects.begin() + 3); // JIB J1
    store().objects.erase(store().objects.begin() + 10); // VPPsetup S3
    frame->objectStoreChanged();
    EXPECT_EQ(items(frame->m_printSetChoices[0]), (Texts{"-", "M0", "M1", green, "M1", green}));
    EXPECT_EQ(frame->m_printSetChoices[0]->GetSelection(), 3);
    EXPECT_EQ(selections(), (Texts{green, "-", "", ""}));
    wxTEST_DIALOG(frame->Close(), ExpectMessage(leave, "COnfirm", wxID_YES));
    finishDestruction();
    EXPECT_FALSE(frame);
}

TEST_F(ObjectTree, EditCloneDeleteAndCloseAskFirstAfterAChange)
{
    store().objects.push_back(std::make_unique<CMain>(nlohmann::json{{"Name", "M"}, {"P", 12.5}}, "MAIN"));
    for (const auto& [type, name] : {std::pair{"MAIN", "Grün 1"}, {"JIB", "Grün 1"}, {"MAIN", "Grün 1"}})
        addObject(type, name);
    frame->objectStoreChanged();
    chosenPath = dir.file("saved.json");
    menu(ID_SAVE_TREE_JSON);
    menu(ID_DELETE_SELECTED); // nothing selected: no question
    ASSERT_FALSE(frame->storeChanged());

    // The first of two objects with the same name is edited.
    wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, tree(), leaf("MAIN", "Grün 1"));
    tree()->GetEventHandler()->ProcessEvent(activate);
    const auto edits = [](int i) { return static_cast<TestObject&>(*store().objects[i]).edits; };
    EXPECT_TRUE(edits(1) == 1 && edits(3) == 0 && frame->storeChanged() && store().objects.size() == 4u);
    wxTreeEvent category(wxEVT_TREE_ITEM_ACTIVATED, tree(), frame->treeNodes()[1]);
    wxTEST_DIALOG(tree()->GetEventHandler()->ProcessEvent(category), expectError("Object not found"));

    // A clone is appended, independent of its source; an object not of its branch's class is not copied.
    frame->m_printSetChoices[0]->SetSelection(1);
    for (const char* name : {"M", "M-cloned"}) {
        select("MAIN", name);
        menu(ID_CLONE_SELECTED);
    }
    EXPECT_EQ(items(frame->m_printSetChoices[0]), (Texts{"-", "M", green, green, "M-cloned", "M-cloned-cloned"}));
    EXPECT_EQ(frame->m_printSetChoices[0]->GetStringSelection(), "M");
    dynamic_cast<CMain&>(*store().objects[4]).P = 20.0;
    EXPECT_EQ(dynamic_cast<CMain&>(*store().objects[0]).P, 12.5);
    select("MAIN", "Grün 1");
    wxTEST_DIALOG(menu(ID_CLONE_SELECTED), expectError("Failed to clone object"));

    // Every object of the selected name and type goes.
    const std::string question = "Are you sure you want to delete: Grün 1 of type: MAIN?";
    wxTEST_DIALOG(menu(ID_DELETE_SELECTED), ExpectMessage(question, "Confirm Deletion", wxID_NO));
    EXPECT_EQ(store().objects.size(), 6u);
    wxTEST_DIALOG(menu(ID_DELETE_SELECTED), ExpectMessage(question, "Confirm Deletion", wxID_YES));
    EXPECT_EQ(children(2), (Texts{"M", "M-cloned", "M-cloned-cloned"}));
    EXPECT_TRUE(children(3) == Texts{green} && store().objects.size() == 4u && !frame->selectedItem().IsOk());
    bool closed = true;
    wxTEST_DIALOG(closed = frame->Close(), ExpectMessage(leave, "COnfirm", wxID_NO));
    finishDestruction();
    ASSERT_TRUE(!closed && frame && frame->IsShown());

    const char* all = "Are you sure you want to delete all objects from object store?";
    wxTEST_DIALOG(menu(ID_DELETE_ALL), ExpectMessage(all, "Confirm Deletion", wxID_NO));
    EXPECT_EQ(store().objects.size(), 4u);
    wxTEST_DIALOG(menu(ID_DELETE_ALL), ExpectMessage(all, "Confirm Deletion", wxID_YES));
    EXPECT_TRUE(store().objects.empty() && !frame->storeChanged() && children(2).empty() &&
                frame->m_printSetChoices[0]->GetCount() == 1u);
    // Unchanged: no question.
    EXPECT_TRUE(frame->Close());
    finishDestruction();
    EXPECT_FALSE(frame);
}
