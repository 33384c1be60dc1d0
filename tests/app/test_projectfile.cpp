#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "ProjectFile.h"
#include "ProjectTestSupport.h"

namespace {

// Reads with TestObject for every key, recording the reports.
struct Reader {
    CObjectStore store;
    std::vector<std::string> reports;

    bool read(const std::string& text)
    {
        return readProject(
            text, store,
            [this](const nlohmann::json& element, const std::string& type) {
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
    // The first closing ends the comment and may not reuse the opening star;
    // unterminated comments and line comments stay.
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a/* x\n y */b/**/c\n", "abc\n"}, {"/* one */ x /* two */", " x "}, {"/* a */ b */", " b */"},
        {"/*/ a */b", "b"},                {"a /* b", "a /* b"},             {"a // b\n", "a // b\n"},
        {"{\"Name\": \"x/*y*/z\"}", "{\"Name\": \"xz\"}"}, {"", ""}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(removeBlockComments(text), expected) << text;
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

TEST(ReadProject, InvalidTextIsRejectedAndARootThatIsNoObjectLoadsNothing)
{
    for (const std::string text : {"", "{\n", "{\"MAIN\": [],}\n", "{ // note\n\"MAIN\": []}\n", "nonsense\n"}) {
        Reader reader;
        EXPECT_FALSE(reader.read(text)) << text;
        EXPECT_EQ(reader.reports, (std::vector<std::string>{"Invalid JSON format"})) << text;
        EXPECT_TRUE(reader.store.objects.empty());
    }
    for (const std::string text : {"null\n", "[1, 2]\n", "3\n", "\"MAIN\"\n", "true\n"}) {
        Reader reader;
        EXPECT_TRUE(reader.read(text)) << text;
        EXPECT_TRUE(reader.reports.empty()) << text;
        EXPECT_TRUE(reader.store.objects.empty());
    }
    // Two slashes inside a string are no comment.
    Reader reader;
    EXPECT_TRUE(reader.read("{\"MAIN\": [{\"Name\": \"http://x\"}]}\n"));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"MAIN:http://x"}));
}

TEST(ReadTextFile, EveryLineEndsWithALineFeed)
{
    TempDir dir;
    std::string text = "old";
    for (const auto& [contents, expected] : std::vector<std::pair<std::string, std::string>>{
             {"{\n}", "{\n}\n"}, {"x\r\ny\n", "x\r\ny\n"}, {"", ""}}) {
        writeFile(dir.file("a.json"), contents);
        ASSERT_TRUE(readTextFile(dir.file("a.json"), text));
        EXPECT_EQ(text, expected);
    }
    EXPECT_FALSE(readTextFile(dir.file("missing.json"), text));
}

} // namespace
