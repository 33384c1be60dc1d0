#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "ProjectFile.h"
#include "ProjectTestSupport.h"

namespace {

TEST(BlockComments, RemovedFromOpeningToTheNextClosing)
{
    // The first closing ends the comment and may not reuse the opening star;
    // unterminated comments, line comments and markers inside strings stay.
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a/* x\n y */b/**/c\n", "abc\n"}, {"/* one */ x /* two */", " x "}, {"/* a */ b */", " b */"},
        {"/*/ a */b", "b"},                {"a /* b", "a /* b"},             {"a // b\n", "a // b\n"},
        {"{\"Name\": \"x\\\"/*y*/z\"} /* \" */", "{\"Name\": \"x\\\"/*y*/z\"} "}, {"", ""}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(removeBlockComments(text), expected) << text;
}

// The scan must give what the regular expression gave on every file text
// without strings (which always ends with a line feed) short enough for the
// expression's recursive matcher.
TEST(BlockComments, SameResultAsTheRegularExpression)
{
    const std::regex comments(R"((\/\/.*$|\/\*[\s\S]*?\*\/))", std::regex::ECMAScript);
    const std::string alphabet = "/*a\n\r";
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

// Reads with TestObject for every key.
bool read(const std::string& text, CObjectStore& store, std::vector<std::string>& reports)
{
    return readProject(
        text, store,
        [](const nlohmann::json& element, const std::string& type) { return std::make_unique<TestObject>(element, type); },
        [&reports](const std::string& message) { reports.push_back(message); });
}

TEST(ReadProject, InvalidTextIsRejectedAndARootThatIsNoObjectLoadsNothing)
{
    const std::vector<std::pair<std::string, bool>> cases{
        {"", false},        {"{\n", false},     {"{\"MAIN\": [],}\n", false}, {"{ // note\n\"MAIN\": []}\n", false},
        {"nonsense\n", false}, {"null\n", true}, {"[1, 2]\n", true},           {"3\n", true},
        {"\"MAIN\"\n", true},  {"true\n", true}};
    for (const auto& [text, accepted] : cases) {
        CObjectStore store;
        std::vector<std::string> reports;
        EXPECT_EQ(read(text, store, reports), accepted) << text;
        EXPECT_EQ(reports, accepted ? std::vector<std::string>{} : std::vector<std::string>{"Invalid JSON format"});
        EXPECT_TRUE(store.objects.empty());
    }
    // Two slashes inside a string are no comment.
    CObjectStore store;
    std::vector<std::string> reports;
    EXPECT_TRUE(read("{\"MAIN\": [{\"Name\": \"http://x\"}]}\n", store, reports));
    EXPECT_EQ(store.objects.at(0)->name, "http://x");
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
