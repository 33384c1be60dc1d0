#include "DesignObjectTesting.h"
#include "ExampleProject.h"

struct SetupTest : ::testing::Test {
    void SetUp() override
    {
        CObjectStore::resetInstance();
        for (const auto& [name, type] : std::vector<std::pair<std::string, std::string>>{
                 {"M", "MAIN"}, {"H", "MAIN"}, {"Rig 1", "RIG"}, {"Hull 1", "KeuningHYDRO"}})
            CObjectStore::getInstance().objects.push_back(std::make_unique<Probe>(name, type));
    }
    void TearDown() override { CObjectStore::resetInstance(); }
    static std::string line(const std::string& kind, const std::string& value, const std::string& setup)
    {
        return "Active " + kind + " '" + value + "' in Setup: '" + setup +
               "' not found in the object store. Has been set to - \n";
    }
    RecordingUserInterface ui;
};

TEST_F(SetupTest, ReportsEveryMissingNameInOneCheckBox)
{
    // "H" has the right name but the wrong kind; names not found are set to "-".
    const Sulnarsetup setup(
        nlohmann::json::parse(R"({"Name": "L", "Main": "M", "Jib": "b", "Hsf": "", "Spi": "d", "Rig": "e", "Hull": "H"})"),
        "VPPsetup");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Check: " + line("Jib sail", "b", "L") + line("HSF sail", "", "L") +
                                                    line("Spinnaker sail", "d", "L") + line("Rig", "e", "L") +
                                                    line("Hydro", "H", "L")});
    EXPECT_EQ(ui.icons, std::vector<MessageIcon>{MessageIcon::Error});
    EXPECT_EQ((std::vector<std::string>{setup.mainName, setup.rigName, setup.jibName, setup.hsfName, setup.hullName}),
              (std::vector<std::string>{"M", "-", "-", "-", "-"}));
}

TEST_F(SetupTest, RoundTripsThroughJsonRefusesWrongTypesAndEdits)
{
    const auto j = nlohmann::json::parse(R"({
        "Name": "Trial", "TWS": [4, 10, 2], "TWA": [40, 180, 10],
        "InitialValues": [3, 2, 10, 0, 1, 1, 0], "LowerBound": [0, 0, 0, -5, 0, 0, 0],
        "UpperBound": [10, 8, 40, 5, 1, 1, 1], "JIBPOLEDWINDWARD": true, "SearchGlobal": true,
        "Main": "gone", "Jib": "-", "Hsf": "-", "Spi": "-", "Rig": "Rig 1", "Hull": "Hull 1"})");
    const nlohmann::json out = Sulnarsetup(Sulnarsetup(j, "VPPsetup")).makeJSON();
    nlohmann::json expected = j;
    expected["Main"] = "-";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(out["TWS"].dump(), "[4.0,10.0,2.0]");
    // Only the missing name is reported, once: "-" and the copy look nothing up.
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Check: " + line("Main sail", "gone", "Trial")});
    // Wrong types leave the constructor; deep nesting loads.
    expectTypeErrors<Sulnarsetup>("VPPsetup", {{R"({"TWS": [1, "x", 2]})", "number, but is string"},
                                               {R"({"SearchGlobal": 1})", "boolean, but is number"}});
    EXPECT_EQ(errorOf([] { return Sulnarsetup(nlohmann::json::parse("[1, 2]"), "VPPsetup"); }),
              "[json.exception.type_error.306] cannot use value() with array");
    nlohmann::json deep{{"Name", "Deep"}};
    deep["X"] = nlohmann::json::parse(std::string(1000000, '[') + std::string(1000000, ']'));
    EXPECT_EQ(Sulnarsetup(deep, "VPPsetup").name, "Deep");
    // edit() hands every kind of design object itself, once, to the installed user interface.
    loadExampleProject();
    std::vector<const void*> objects;
    for (const auto& object : CObjectStore::getInstance().objects) {
        object->edit();
        objects.push_back(dynamic_cast<const void*>(object.get()));
    }
    EXPECT_EQ(ui.edited, objects);
}
