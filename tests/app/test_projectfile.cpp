#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "ProjectFile.h"
#include "ProjectTestSupport.h"

namespace {

// Reads with TestObject for every key, recording the order of the calls and the reports.
struct Reader {
    CObjectStore store;
    std::vector<std::string> created;
    std::vector<std::string> reports;

    bool read(const std::string& text)
    {
        return readProject(
            text, store,
            [this](const nlohmann::json& element, const std::string& type) {
                created.push_back(type);
                return std::make_unique<TestObject>(element, type);
            },
            [this](const std::string& message) { reports.push_back(message); });
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& object : store.objects)
            result.push_back(object->type + ":" + object->name);
        return result;
    }
};

TEST(BlockComments, RemovedFromOpeningToTheNextClosing)
{
    EXPECT_EQ(removeBlockComments("a/* x */b"), "ab");
    EXPECT_EQ(removeBlockComments("a/* x\n y */b/**/c\n"), "abc\n");
    EXPECT_EQ(removeBlockComments("/* one */ x /* two */"), " x ");
    // Shortest match: the first closing ends the comment.
    EXPECT_EQ(removeBlockComments("/* a */ b */"), " b */");
    // The closing may not reuse the opening star.
    EXPECT_EQ(removeBlockComments("/*/ a */b"), "b");
    // Unterminated comments and line comments stay.
    EXPECT_EQ(removeBlockComments("a /* b"), "a /* b");
    EXPECT_EQ(removeBlockComments("a // b\n"), "a // b\n");
    EXPECT_EQ(removeBlockComments("{\"Name\": \"x/*y*/z\"}"), "{\"Name\": \"xz\"}");
    EXPECT_EQ(removeBlockComments(""), "");
}

// The scan must give what the regular expression gave on every file text
// (which always ends with a line feed) short enough for the expression's
// recursive matcher.
TEST(BlockComments, SameResultAsTheRegularExpression)
{
    const std::regex comments(R"((\/\/.*$|\/\*[\s\S]*?\*\/))", std::regex::ECMAScript);
    const std::string alphabet = "/*a\n\r\"";
    std::mt19937 random(12345);
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text(random() % 14, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        text += '\n';
        ASSERT_EQ(removeBlockComments(text), std::regex_replace(text, comments, ""))
            << "input: \"" << text << "\"";
    }
}

TEST(BlockComments, LongCommentIsRemovedWithoutRecursion)
{
    const std::string comment = "/*" + std::string(60000, 'x') + "\n" + std::string(60000, '*') + "*/";
    Reader reader;
    EXPECT_TRUE(reader.read("{" + comment + "\"MAIN\": [{\"Name\": \"M\"}]}\n"));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"MAIN:M"}));
    EXPECT_TRUE(reader.reports.empty());
}

TEST(ReadProject, ArraysAreReadInTypeOrderWithSetupsLast)
{
    Reader reader;
    EXPECT_TRUE(reader.read(R"({"VPPsetup": [{"Name": "S"}], "RIG": [{"Name": "R"}], "Other": [{"Name": "O"}],
                                "KeuningHYDRO": [{"Name": "K"}], "HSF": [{"Name": "H"}], "SPI": [{"Name": "P"}],
                                "JIB": [{"Name": "J1"}, {"Name": "J2"}], "MAIN": [{}]})"));
    EXPECT_EQ(reader.created,
              (std::vector<std::string>{"MAIN", "JIB", "JIB", "SPI", "HSF", "RIG", "KeuningHYDRO", "VPPsetup"}));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"MAIN:Anonymous", "JIB:J1", "JIB:J2", "SPI:P", "HSF:H",
                                                        "RIG:R", "KeuningHYDRO:K", "VPPsetup:S"}));
    EXPECT_TRUE(reader.reports.empty());
}

TEST(ReadProject, InvalidTextIsRejectedAndLeavesTheStoreAlone)
{
    for (const std::string text : {"", "{\n", "{\"MAIN\": [],}\n", "{ // note\n\"MAIN\": []}\n", "nonsense\n"}) {
        Reader reader;
        EXPECT_FALSE(reader.read(text)) << text;
        EXPECT_EQ(reader.reports, (std::vector<std::string>{"Invalid JSON format"})) << text;
        EXPECT_TRUE(reader.store.objects.empty());
    }
    // Two slashes inside a string are no comment.
    Reader reader;
    EXPECT_TRUE(reader.read("{\"MAIN\": [{\"Name\": \"http://x\"}]}\n"));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"MAIN:http://x"}));
}

TEST(ReadProject, RootThatIsNoObjectLoadsNothingSilently)
{
    for (const std::string text : {"null\n", "[1, 2]\n", "3\n", "\"MAIN\"\n", "true\n"}) {
        Reader reader;
        EXPECT_TRUE(reader.read(text)) << text;
        EXPECT_TRUE(reader.reports.empty()) << text;
        EXPECT_TRUE(reader.store.objects.empty());
    }
}

TEST(ReadProject, WrongKindsAreReportedAndTheRestIsRead)
{
    Reader reader;
    EXPECT_TRUE(reader.read(R"({"MAIN": {"Name": "M"}, "JIB": [1, {"Name": "J"}, "x", [], {"Name": "K"}],
                                "RIG": "none", "VPPsetup": [{"Name": "S"}]})"));
    EXPECT_EQ(reader.reports, (std::vector<std::string>{"MAIN is not a JSON array. Ignored",
                                                        "JIB vector elements are not JSON objects. Ignored",
                                                        "JIB vector elements are not JSON objects. Ignored",
                                                        "JIB vector elements are not JSON objects. Ignored",
                                                        "RIG is not a JSON array. Ignored"}));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"JIB:J", "JIB:K", "VPPsetup:S"}));
}

TEST(ReadProject, MemberOfTheWrongTypeSkipsOnlyItsElement)
{
    Reader reader;
    EXPECT_TRUE(reader.read(R"({"MAIN": [{"Name": "A", "Value": 1}, {"Name": "Grün", "Value": "2"}, {"Value": "3"},
                                         {"Name": "C", "Value": 4}], "RIG": [{"Name": "R"}]})"));
    ASSERT_EQ(reader.reports.size(), 2u);
    EXPECT_EQ(reader.reports[0], "MAIN element \"Grün\" cannot be read: [json.exception.type_error.302] type must "
                                 "be number, but is string. Ignored");
    EXPECT_EQ(reader.reports[1], "MAIN element cannot be read: [json.exception.type_error.302] type must be "
                                 "number, but is string. Ignored");
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"MAIN:A", "MAIN:C", "RIG:R"}));
}

TEST(ReadTextFile, EveryLineEndsWithALineFeed)
{
    TempDir dir;
    writeFile(dir.file("a.json"), "{\n}");
    std::string text = "old";
    ASSERT_TRUE(readTextFile(dir.file("a.json"), text));
    EXPECT_EQ(text, "{\n}\n");
    writeFile(dir.file("b.json"), "x\r\ny\n");
    ASSERT_TRUE(readTextFile(dir.file("b.json"), text));
    EXPECT_EQ(text, "x\r\ny\n");
    writeFile(dir.file("empty.json"), "");
    ASSERT_TRUE(readTextFile(dir.file("empty.json"), text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(readTextFile(dir.file("missing.json"), text));
}

TEST(ProjectJSON, ArraysByTypeKeyInByteOrder)
{
    CObjectStore store;
    EXPECT_TRUE(projectJSON(store).is_null());
    store.objects.push_back(std::make_unique<TestObject>(nlohmann::json{{"Name", "R"}, {"Value", 2}}, "RIG"));
    store.objects.push_back(std::make_unique<TestObject>(nlohmann::json{{"Name", "M1"}}, "MAIN"));
    store.objects.push_back(std::make_unique<TestObject>(nlohmann::json{{"Name", "M2"}, {"Value", 1.5}}, "MAIN"));
    EXPECT_EQ(projectJSON(store).dump(4), R"({
    "MAIN": [
        {
            "Name": "M1",
            "Value": 0.0
        },
        {
            "Name": "M2",
            "Value": 1.5
        }
    ],
    "RIG": [
        {
            "Name": "R",
            "Value": 2.0
        }
    ]
})");
    EXPECT_EQ(objectProjectJSON(*store.objects[2]).dump(), R"({"MAIN":[{"Name":"M2","Value":1.5}]})");
}

TEST(SaveProjectFile, WritesWithoutFinalLineFeedAndReadsBack)
{
    TempDir dir;
    CObjectStore store;
    ASSERT_TRUE(saveProjectFile(dir.file("empty.json"), projectJSON(store)));
    EXPECT_EQ(fileContents(dir.file("empty.json")), "null");

    store.objects.push_back(std::make_unique<TestObject>(nlohmann::json{{"Name", "Grün 1"}, {"Value", 0.1}}, "JIB"));
    ASSERT_TRUE(saveProjectFile(dir.file("one.json"), projectJSON(store)));
    const std::string saved = fileContents(dir.file("one.json"));
    EXPECT_EQ(saved, "{\n    \"JIB\": [\n        {\n            \"Name\": \"Grün 1\",\n            \"Value\": 0.1\n"
                     "        }\n    ]\n}");

    Reader reader;
    std::string text;
    ASSERT_TRUE(readTextFile(dir.file("one.json"), text));
    ASSERT_TRUE(reader.read(text));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"JIB:Grün 1"}));
    ASSERT_TRUE(saveProjectFile(dir.file("again.json"), projectJSON(reader.store)));
    EXPECT_EQ(fileContents(dir.file("again.json")), saved);
}

TEST(SaveProjectFile, FailuresAreReportedAndKeepTheOldFile)
{
    TempDir dir;
    const nlohmann::json root = {{"MAIN", nlohmann::json::array({{{"Name", "M"}}})}};
    EXPECT_FALSE(saveProjectFile(dir.file("missing/dir/x.json"), root));
    // Opens, but every write fails.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(saveProjectFile("/dev/full", root));
    }

    // A name that is no UTF-8 cannot be written: the existing file stays as it was.
    writeFile(dir.file("old.json"), "old contents");
    const nlohmann::json bad = {{"MAIN", nlohmann::json::array({{{"Name", "\xff\xfe"}}})}};
    EXPECT_FALSE(saveProjectFile(dir.file("old.json"), bad));
    EXPECT_EQ(fileContents(dir.file("old.json")), "old contents");
}

} // namespace
