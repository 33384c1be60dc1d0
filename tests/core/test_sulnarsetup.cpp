#include <gtest/gtest.h>

#include <set>

#include "DesignObjectTesting.h"
#include "ExampleProject.h"

namespace {

class Named : public CObject {
public:
    Named(std::string n, std::string t) : CObject(std::move(n), std::move(t)) {}
    nlohmann::json makeJSON() const override { return {}; }
    void edit() override {}
};

Sulnarsetup setupFrom(const char* text)
{
    return Sulnarsetup(nlohmann::json::parse(text), "VPPsetup");
}

class SetupTest : public ::testing::Test {
protected:
    void SetUp() override { CObjectStore::resetInstance(); }
    void TearDown() override { CObjectStore::resetInstance(); }
    void add(const std::string& name, const std::string& type)
    {
        CObjectStore::getInstance().objects.push_back(std::make_unique<Named>(name, type));
    }
    static std::string line(const std::string& prefix, const std::string& value, const std::string& setup)
    {
        return prefix + value + "' in Setup: '" + setup + "' not found in the object store. Has been set to - \n";
    }
    RecordingUserInterface ui;
};

TEST_F(SetupTest, ReportsEveryMissingNameInOneCheckBox)
{
    add("M", "MAIN");
    add("R", "RIG");
    add("H", "MAIN"); // right name, wrong kind
    const auto j = nlohmann::json::parse(
        R"({"Name": "Light", "Main": "M", "Jib": "J1", "Rig": "R", "Spi": "-", "Hull": "H", "Hsf": ""})");
    const Sulnarsetup setup(j, "VPPsetup");

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.icons[0], MessageIcon::Error);
    EXPECT_EQ(ui.messages[0], "Check: " + line("Active Jib sail '", "J1", "Light") +
                                  line("Active HSF sail '", "", "Light") + line("Active Hydro '", "H", "Light"));
    // Names not found are set to "-".
    EXPECT_EQ((std::vector<std::string>{setup.mainName, setup.rigName, setup.jibName, setup.hsfName, setup.hullName}),
              (std::vector<std::string>{"M", "R", "-", "-", "-"}));
}

TEST_F(SetupTest, EachKindHasItsOwnPrefix)
{
    const auto j = nlohmann::json::parse(
        R"({"Name": "S", "Main": "a", "Jib": "b", "Hsf": "c", "Spi": "d", "Rig": "e", "Hull": "f"})");
    const Sulnarsetup setup(j, "VPPsetup");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Check: " + line("Active Main sail '", "a", "S") + line("Active Jib sail '", "b", "S") +
                                       line("Active HSF sail '", "c", "S") + line("Active Spinnaker sail '", "d", "S") +
                                       line("Active Rig '", "e", "S") + line("Active Hydro '", "f", "S"));
}

TEST_F(SetupTest, RoundTripsThroughJson)
{
    add("Main 1", "MAIN");
    add("Hull 1", "KeuningHYDRO");
    const auto j = nlohmann::json::parse(R"({
        "Name": "Trial", "TWS": [4, 10, 2], "TWA": [40, 180, 10],
        "InitialValues": [3, 2, 10, 0, 1, 1, 0], "LowerBound": [0, 0, 0, -5, 0, 0, 0],
        "UpperBound": [10, 8, 40, 5, 1, 1, 1], "JIBPOLEDWINDWARD": true, "SearchGlobal": true,
        "Main": "Main 1", "Jib": "-", "Hsf": "-", "Spi": "-", "Rig": "gone", "Hull": "Hull 1"})");
    const Sulnarsetup setup(j, "VPPsetup");
    const Sulnarsetup copy(setup);
    const nlohmann::json out = copy.makeJSON();

    nlohmann::json expected = j;
    expected["Rig"] = "-";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(out["TWS"].dump(), "[4.0,10.0,2.0]");
    EXPECT_EQ(ui.messages.size(), 1u); // the copy looked nothing up
    // Only a name gives empty ranges, no flags, no object and no message.
    EXPECT_EQ(setupFrom(R"({"Name": "S"})").makeJSON().dump(),
              R"({"Hsf":"-","Hull":"-","InitialValues":[],"JIBPOLEDWINDWARD":false,"Jib":"-","LowerBound":[],)"
              R"("Main":"-","Name":"S","Rig":"-","SearchGlobal":false,"Spi":"-","TWA":[],"TWS":[],"UpperBound":[]})");
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(SetupTest, WrongTypesLeaveTheConstructor)
{
    expectTypeErrors<Sulnarsetup>("VPPsetup", {{R"({"TWS": [1, "x", 2]})", "number, but is string"},
                                               {R"({"SearchGlobal": 1})", "boolean, but is number"}});
    EXPECT_EQ(typeErrorOf(setupFrom, "[1, 2]"), "[json.exception.type_error.306] cannot use value() with array");
}

// edit() hands every kind of design object itself, once, to the installed user interface.
TEST_F(SetupTest, EditGoesToTheEditorOfEachKind)
{
    loadExampleProject();
    std::set<std::string> kinds;
    for (const auto& object : CObjectStore::getInstance().objects) {
        const std::size_t before = ui.edited.size();
        object->edit();
        ASSERT_EQ(ui.edited.size(), before + 1) << object->type;
        EXPECT_EQ(ui.edited.back(), dynamic_cast<const void*>(object.get())) << object->type;
        kinds.insert(object->type);
    }
    EXPECT_EQ(kinds.size(), 7u);
}

} // namespace
