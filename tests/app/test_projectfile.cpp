#include <gtest/gtest.h>

#include "ProjectFile.h"
#include "ProjectTestSupport.h"

TEST(ProjectText, BlockCommentsGoAndOnlyAnObjectRootIsRead)
{
    // The first closing ends the comment and may not reuse the opening star;
    // unterminated comments, line comments and markers inside strings stay, and a
    // text cut off right after a backslash inside a string is left as it is.
    const std::pair<std::string, std::string> cases[] = {
        {"a/* x\n y */b/**/c\n", "abc\n"}, {"/* one */ x /* two */", " x "}, {"/* a */ b */", " b */"},
        {"/*/ a */b", "b"},                {"a /* b", "a /* b"},             {"a // b\n", "a // b\n"},
        {"{\"Name\": \"x\\\"/*y*/z\"} /* \" */", "{\"Name\": \"x\\\"/*y*/z\"} "},
        {"/* c */{\"a\": \"b\\", "{\"a\": \"b\\"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(removeBlockComments(text), expected) << text;

    // Invalid text is rejected; a root that is no object loads nothing; two slashes inside a string are no comment.
    const std::tuple<std::string, bool, std::size_t> projects[] = {{"", false, 0}, {"{\n", false, 0},
        {"{\"MAIN\": [],}\n", false, 0}, {"{ // note\n\"MAIN\": []}\n", false, 0}, {"nonsense\n", false, 0},
        {"null\n", true, 0}, {"[1, 2]\n", true, 0}, {"3\n", true, 0}, {"\"MAIN\"\n", true, 0},
        {"{\"MAIN\": [{\"Name\": \"http://x\"}]}\n", true, 1}};
    const auto make = [](const nlohmann::json& e, const std::string& type) { return std::make_unique<TestObject>(e, type); };
    for (const auto& [text, accepted, count] : projects) {
        CObjectStore store;
        std::vector<std::string> reports;
        EXPECT_EQ(readProject(text, store, make, [&reports](const std::string& m) { reports.push_back(m); }), accepted) << text;
        EXPECT_EQ(reports, accepted ? std::vector<std::string>{} : std::vector<std::string>{"Invalid JSON format"});
        EXPECT_TRUE(store.objects.size() == count && (!count || store.objects[0]->name == "http://x")) << text;
    }
}
