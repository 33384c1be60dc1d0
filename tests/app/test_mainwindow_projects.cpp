#include "MainFrameTest.h"

// The example project fills the tree, saves back byte for byte (but for the
// final line feed, which the program does not write) and merges when loaded again.
TEST_F(MainFrameTest, ExampleProjectFillsTheTreeSavesBackAndMerges)
{
    loadExample();
    const Texts leaves[] = {{"Main 10m"}, {"Jib 105%"}, {"Symmetric spinnaker"}, {"Code zero"},
        {"Cruiser 10m hull"}, {"Fractional rig"}, {"Upwind with jib", "Downwind with spinnaker", "Reaching with code zero"}};
    for (int node = 2; node < 9; ++node)
        EXPECT_EQ(children(node), leaves[node - 2]);

    chosenPath = dir.file("out.json");
    menu(ID_SAVE_TREE_JSON);
    EXPECT_EQ(chooserCalls.back(), ChooserCall("Save JSON file", "JSON files (*.json)|*.json", wxFD_SAVE | wxFD_OVERWRITE_PROMPT));
    EXPECT_EQ(fileContents(dir.file("out.json")) + "\n", fileContents(SULNAR_EXAMPLES_DIR "/sulnar-example.json"));
    EXPECT_FALSE(frame->storeChanged());
    menu(ID_LOAD_JSON);
    EXPECT_TRUE(store().objects.size() == 18u && frame->storeChanged());
}

// Setups stand first in the file but are read last, so the objects they name
// are found; a name not found shows a "Check" box.
TEST_F(MainFrameTest, LoadReportsWhatItCannotReadAndReadsTheRest)
{
    menu(ID_LOAD_JSON); // cancelled
    EXPECT_EQ(chooserCalls, (std::vector<ChooserCall>{{"Open JSON file", "JSON files (*.json;*.jsonc)|*.json;*.jsonc",
                                                       wxFD_OPEN | wxFD_FILE_MUST_EXIST}}));
    chosenPath = dir.file("p.jsonc");
    const auto load = [this](const std::string& text) { writeFile(chosenPath.utf8_string(), text); menu(ID_LOAD_JSON); };
    wxTEST_DIALOG(menu(ID_LOAD_JSON), expectError("Cannot open file"));
    wxTEST_DIALOG(load("{\"MAIN\": [{\"Name\": \"M\"}],}"), expectError("Invalid JSON format"));

    // A member of the wrong JSON type inside an object skips that element only.
    const std::string wrongType = " cannot be read: [json.exception.type_error.302] type must be number, but is string. Ignored";
    wxTEST_DIALOG(load(R"({"VPPsetup": [{"Name": "S", "Main": "M /* not */ kept", "Rig": "R"}], "JIB": {"Name": "J"},
        "Results": [1, 2], "RIG": [3, {"Name": "R", "N_SPREADERS": 3.7}], "MAIN": [{"Name": "Grün 1", "P": "ten"}, {"Name": "M /* not */ kept",
        "P": 11.5}, {"P": "1"}]})"),
                  expectError("MAIN element \"Grün 1\"" + wrongType), expectError("MAIN element" + wrongType),
                  expectError("JIB is not a JSON array. Ignored"), expectError("RIG vector elements are not JSON objects. Ignored"));
    EXPECT_TRUE(children(2) == Texts{"M /* not */ kept"} && children(7) == Texts{"R"} && children(8) == Texts{"S"});
    EXPECT_TRUE(store().objects.size() == 3u && !frame->storeChanged());
    // A fractional spreader count is cut: the rig stays, its setup keeps it, and saving writes 3.
    EXPECT_TRUE(store().objects[2]->makeJSON().at("Main") == "M /* not */ kept" && store().objects[2]->makeJSON().at("Rig") == "R");
    chosenPath = dir.file("out.json");
    menu(ID_SAVE_TREE_JSON);
    EXPECT_EQ(nlohmann::json::parse(fileContents(dir.file("out.json")))["RIG"][0]["N_SPREADERS"], 3);
    chosenPath = dir.file("p.jsonc");

    load("/*" + std::string(60000, '=') + "\n" + std::string(60000, '*') + "*/\n{\"HSF\": [{\"Name\": \"H\"}]}\n");
    EXPECT_EQ(children(5), Texts{"H"});
    wxTEST_DIALOG(load(R"({"VPPsetup": [{"Name": "T", "Main": "M"}]})"),
                  wxExpectModal<wxMessageDialog>(wxOK).Describe("check of the setup"));
    EXPECT_EQ(store().objects.back()->makeJSON().at("Main"), "-");
}

TEST_F(MainFrameTest, SaveSelectionAndFailedSavesKeepTheChangedFlag)
{
    const auto save = [this](int command, const std::string& path) { chosenPath = path; menu(command); };
    save(ID_SAVE_TREE_JSON, dir.file("null.json"));
    EXPECT_EQ(fileContents(dir.file("null.json")), "null");
    wxTEST_DIALOG(menu(ID_SAVE_SELECTION_JSON), expectError("No object selected"));

    addObject("RIG", "R", 1.0);
    addObject("MAIN", "Grün 1", 2.5);
    frame->objectStoreChanged();
    select("MAIN", "Grün 1");
    save(ID_SAVE_SELECTION_JSON, dir.file("one.json"));
    EXPECT_EQ(fileContents(dir.file("one.json")),
              "{\n    \"MAIN\": [\n        {\n            \"Name\": \"Grün 1\",\n            \"Value\": 2.5\n        }\n    ]\n}");
    EXPECT_TRUE(frame->storeChanged());

    // Failed saves keep the flag; a name that cannot be written leaves the old file as it was.
    const std::pair<int, std::string> failing[] = {{ID_SAVE_TREE_JSON, dir.file("no/such/dir/out.json")},
        {ID_SAVE_SELECTION_JSON, dir.file("no/such/dir/one.json")}, {ID_SAVE_TREE_JSON, "/dev/full"}};
    for (const auto& [command, path] : failing) {
        wxTEST_DIALOG(save(command, path), expectError("Cannot open file for writing"));
        EXPECT_TRUE(frame->storeChanged()) << path;
    }
    store().objects[0]->name = "\xff";
    writeFile(dir.file("old.json"), "old");
    wxTEST_DIALOG(save(ID_SAVE_TREE_JSON, dir.file("old.json")), expectError("Cannot open file for writing"));
    EXPECT_EQ(fileContents(dir.file("old.json")), "old");
}
