#include <filesystem>

#include <wx/choice.h>

#include "DesignObjects.h"
#include "MainFrameTest.h"
#include "ProjectFile.h"

namespace {

using ProjectFiles = MainFrameTest;

// A project of every kind of design object that the program reads, as the
// program writes it.
std::string canonicalProject()
{
    CObjectStore objects;
    const std::vector<std::pair<std::string, std::string>> list{
        {"RIG", "Rig"}, {"MAIN", "Grün 1"}, {"JIB", "Genoa"}, {"SPI", "A2"},
        {"HSF", "Code 0"}, {"KeuningHYDRO", "Hull"}, {"MAIN", "Main 2"}};
    for (const auto& [type, name] : list)
        objects.objects.push_back(createDesignObject(nlohmann::json{{"Name", name}}, type));
    return projectJSON(objects).dump(4);
}

TEST_F(ProjectFiles, LoadAsksForAFileAndCancelDoesNothing)
{
    menu(ID_LOAD_JSON);
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].message, "Open JSON file");
    EXPECT_EQ(chooserCalls[0].wildcard, "JSON files (*.json;*.jsonc)|*.json;*.jsonc");
    EXPECT_EQ(chooserCalls[0].style, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    EXPECT_TRUE(store().objects.empty());
    EXPECT_FALSE(frame->storeChanged());

    TempDir dir;
    chosenPath = dir.file("missing.json");
    wxTEST_DIALOG(menu(ID_LOAD_JSON), expectError("Cannot open file"));
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ProjectFiles, LoadIntoEmptyStoreFillsTheViewsAndLeavesItUnchanged)
{
    TempDir dir;
    writeFile(dir.file("p.json"), canonicalProject());
    chosenPath = dir.file("p.json");
    menu(ID_LOAD_JSON);
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"MAIN:Grün 1", "MAIN:Main 2", "JIB:Genoa", "SPI:A2",
                                                      "HSF:Code 0", "RIG:Rig", "KeuningHYDRO:Hull"}));
    EXPECT_FALSE(frame->storeChanged());
    EXPECT_TRUE(leaf("MAIN", "Grün 1").IsOk());
    EXPECT_TRUE(leaf("HSF", "Code 0").IsOk());
    EXPECT_TRUE(leaf("KeuningHYDRO", "Hull").IsOk());
    EXPECT_EQ(frame->m_printSetChoices[0]->GetString(1), wxString::FromUTF8("Grün 1"));
    EXPECT_EQ(frame->m_printSetChoices[3]->GetString(1), "Code 0");

    // The same file again: merged into a store that holds objects, so the store has changed.
    menu(ID_LOAD_JSON);
    EXPECT_EQ(store().objects.size(), 14u);
    EXPECT_TRUE(frame->storeChanged());
    select("MAIN", "Grün 1");
    EXPECT_EQ(store().findObject("Grün 1", "MAIN"), store().objects[0].get());
}

TEST_F(ProjectFiles, LoadMessages)
{
    TempDir dir;
    chosenPath = dir.file("p.json");

    writeFile(dir.file("p.json"), "{\"MAIN\": [{\"Name\": \"M\"}],}");
    wxTEST_DIALOG(menu(ID_LOAD_JSON), expectError("Invalid JSON format"));
    EXPECT_TRUE(store().objects.empty());
    EXPECT_FALSE(frame->storeChanged());

    writeFile(dir.file("p.json"), "{\"MAIN\": [{\"Name\": \"M\"}] // a note\n}");
    wxTEST_DIALOG(menu(ID_LOAD_JSON), expectError("Invalid JSON format"));
    EXPECT_TRUE(store().objects.empty());

    writeFile(dir.file("p.json"), R"({"JIB": {"Name": "J"}, "Results": [1, 2],
        "RIG": [3, {"Name": "R"}], "MAIN": [{"Name": "M /* not */ kept"}]})");
    wxTEST_DIALOG(menu(ID_LOAD_JSON), expectError("JIB is not a JSON array. Ignored"),
                  expectError("RIG vector elements are not JSON objects. Ignored"));
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"MAIN:M  kept", "RIG:R"}));
    EXPECT_FALSE(frame->storeChanged());

    // A root that is no object loads nothing and says nothing.
    writeFile(dir.file("p.json"), "[{\"MAIN\": []}]");
    menu(ID_LOAD_JSON);
    EXPECT_EQ(store().objects.size(), 2u);
    EXPECT_TRUE(frame->storeChanged());
}

TEST_F(ProjectFiles, WrongMemberTypeSkipsOneElementAndReadsTheRest)
{
    TempDir dir;
    chosenPath = dir.file("p.json");
    writeFile(dir.file("p.json"), R"({"MAIN": [{"Name": "Grün 1", "P": "ten"}, {"Name": "B", "P": 11.5}],
                                      "RIG": [{"Name": "R"}]})");
    wxTEST_DIALOG(menu(ID_LOAD_JSON),
                  expectError("MAIN element \"Grün 1\" cannot be read: [json.exception.type_error.302] type must "
                              "be number, but is string. Ignored"));
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"MAIN:B", "RIG:R"}));
    EXPECT_TRUE(leaf("MAIN", "B").IsOk());
    EXPECT_TRUE(leaf("RIG", "R").IsOk());
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ProjectFiles, LongBlockCommentIsRemoved)
{
    TempDir dir;
    chosenPath = dir.file("p.jsonc");
    writeFile(dir.file("p.jsonc"), "/*" + std::string(60000, '=') + "\n*/\n{\"RIG\": [{\"Name\": \"R\"}]}\n");
    menu(ID_LOAD_JSON);
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"RIG:R"}));
}

TEST_F(ProjectFiles, SaveAllAndLoadGiveBackTheSameBytes)
{
    TempDir dir;
    const std::string project = canonicalProject();
    writeFile(dir.file("in.json"), project);
    chosenPath = dir.file("in.json");
    menu(ID_LOAD_JSON);

    chosenPath = dir.file("out.json");
    chooserCalls.clear();
    menu(ID_SAVE_TREE_JSON);
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].message, "Save JSON file");
    EXPECT_EQ(chooserCalls[0].wildcard, "JSON files (*.json)|*.json");
    EXPECT_EQ(chooserCalls[0].style, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    EXPECT_EQ(fileContents(dir.file("out.json")), project);
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ProjectFiles, ExampleProjectFillsTheViews)
{
    chosenPath = SULNAR_EXAMPLES_DIR "/sulnar-example.json";
    menu(ID_LOAD_JSON);
    EXPECT_FALSE(frame->storeChanged());
    wxTreeCtrl* tree = frame->m_objectTree;
    const auto& nodes = frame->treeNodes();
    const std::vector<std::pair<int, std::vector<wxString>>> leaves{
        {2, {"Main 10m"}},           {3, {"Jib 105%"}},       {4, {"Symmetric spinnaker"}},
        {5, {"Code zero"}},          {6, {"Cruiser 10m hull"}}, {7, {"Fractional rig"}},
        {8, {"Upwind with jib", "Downwind with spinnaker", "Reaching with code zero"}}};
    for (const auto& [node, names] : leaves) {
        std::vector<wxString> texts;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = tree->GetFirstChild(nodes[node], cookie); item.IsOk();
             item = tree->GetNextChild(nodes[node], cookie))
            texts.push_back(tree->GetItemText(item));
        EXPECT_EQ(texts, names) << tree->GetItemText(nodes[node]);
    }
    EXPECT_EQ(frame->m_vppSetupChoice->GetCount(), 3u);
    EXPECT_EQ(frame->m_vppSetupChoice->GetString(2), "Reaching with code zero");
    EXPECT_EQ(frame->m_printSetChoices[2]->GetString(1), "Symmetric spinnaker");
    EXPECT_EQ(frame->m_printSetChoices[5]->GetString(1), "Cruiser 10m hull");
}

TEST_F(ProjectFiles, EveryKindOfObjectClones)
{
    chosenPath = SULNAR_EXAMPLES_DIR "/sulnar-example.json";
    menu(ID_LOAD_JSON);
    const std::vector<std::pair<std::string, std::string>> sources{
        {"MAIN", "Main 10m"}, {"JIB", "Jib 105%"}, {"SPI", "Symmetric spinnaker"}, {"HSF", "Code zero"},
        {"RIG", "Fractional rig"}, {"KeuningHYDRO", "Cruiser 10m hull"}, {"VPPsetup", "Downwind with spinnaker"}};
    for (const auto& [type, name] : sources) {
        select(type, name);
        menu(ID_CLONE_SELECTED);
        const CObject* copy = store().objects.back().get();
        EXPECT_EQ(copy->type, type);
        EXPECT_EQ(copy->name, name + "-cloned");
        nlohmann::json copied = copy->makeJSON();
        copied["Name"] = name;
        EXPECT_EQ(copied, store().findObject(name, type)->makeJSON()) << type;
    }
    EXPECT_EQ(store().objects.size(), 16u);
    EXPECT_TRUE(frame->storeChanged());
}

// The setups stand first in the file but are read last, so the objects they
// name are found (a name not found would show a "Check" box).
TEST_F(ProjectFiles, SetupsAreReadAfterTheObjectsTheyName)
{
    TempDir dir;
    writeFile(dir.file("p.json"), R"({"VPPsetup": [{"Name": "S", "Main": "M", "Rig": "R"}],
                                      "RIG": [{"Name": "R"}], "MAIN": [{"Name": "M"}]})");
    chosenPath = dir.file("p.json");
    menu(ID_LOAD_JSON);
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"MAIN:M", "RIG:R", "VPPsetup:S"}));
    EXPECT_EQ(store().objects[2]->makeJSON().at("Main"), "M");

    // A setup alone names objects the store does not hold yet.
    CObjectStore::resetInstance();
    frame->objectStoreChanged();
    writeFile(dir.file("p.json"), R"({"VPPsetup": [{"Name": "S", "Main": "M"}]})");
    wxTEST_DIALOG(menu(ID_LOAD_JSON), wxExpectModal<wxMessageDialog>(wxOK).Describe("check of the setup"));
    EXPECT_EQ(store().objects[0]->makeJSON().at("Main"), "-");
}

// The example file ends with a line feed, which the program does not write.
TEST_F(ProjectFiles, ExampleProjectSavesBackByteForByte)
{
    const std::string example = SULNAR_EXAMPLES_DIR "/sulnar-example.json";
    std::string expected = fileContents(example);
    if (!expected.empty() && expected.back() == '\n')
        expected.pop_back();
    chosenPath = wxString::FromUTF8(example);
    menu(ID_LOAD_JSON);
    ASSERT_EQ(store().objects.size(), 9u);

    TempDir dir;
    chosenPath = dir.file("out.json");
    menu(ID_SAVE_TREE_JSON);
    EXPECT_EQ(fileContents(dir.file("out.json")), expected);
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ProjectFiles, EmptyStoreSavesNull)
{
    TempDir dir;
    chosenPath = dir.file("null.json");
    menu(ID_SAVE_TREE_JSON);
    EXPECT_EQ(fileContents(dir.file("null.json")), "null");
    menu(ID_LOAD_JSON);
    EXPECT_TRUE(store().objects.empty());
    EXPECT_FALSE(frame->storeChanged());
}

TEST_F(ProjectFiles, FailedSaveKeepsTheChangedFlag)
{
    addObject("MAIN", "M");
    frame->objectStoreChanged();
    TempDir dir;
    chosenPath = dir.file("no/such/dir/out.json");
    wxTEST_DIALOG(menu(ID_SAVE_TREE_JSON), expectError("Cannot open file for writing"));
    EXPECT_TRUE(frame->storeChanged());

    if (std::filesystem::exists("/dev/full")) {
        chosenPath = "/dev/full";
        wxTEST_DIALOG(menu(ID_SAVE_TREE_JSON), expectError("Cannot open file for writing"));
        EXPECT_TRUE(frame->storeChanged());
    }

    // A name that cannot be written leaves the old file as it was.
    store().objects[0]->name = "\xff";
    writeFile(dir.file("old.json"), "old");
    chosenPath = dir.file("old.json");
    wxTEST_DIALOG(menu(ID_SAVE_TREE_JSON), expectError("Cannot open file for writing"));
    EXPECT_EQ(fileContents(dir.file("old.json")), "old");
    EXPECT_TRUE(frame->storeChanged());
}

TEST_F(ProjectFiles, SaveSelectionWritesOneObject)
{
    TempDir dir;
    chosenPath = dir.file("one.json");
    wxTEST_DIALOG(menu(ID_SAVE_SELECTION_JSON), expectError("No object selected"));
    EXPECT_TRUE(chooserCalls.empty());

    addObject("RIG", "R", 1.0);
    addObject("MAIN", "Grün 1", 2.5);
    frame->objectStoreChanged();
    select("MAIN", "Grün 1");
    menu(ID_SAVE_SELECTION_JSON);
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].message, "Save JSON file");
    EXPECT_EQ(chooserCalls[0].style, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    EXPECT_EQ(fileContents(dir.file("one.json")),
              "{\n    \"MAIN\": [\n        {\n            \"Name\": \"Grün 1\",\n            \"Value\": 2.5\n"
              "        }\n    ]\n}");
    EXPECT_TRUE(frame->storeChanged());

    chosenPath = dir.file("no/such/dir/one.json");
    wxTEST_DIALOG(menu(ID_SAVE_SELECTION_JSON), expectError("Cannot open file for writing"));
}

} // namespace
