#include "tests/fuzz/FuzzDictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GoodLine {
    const char* line;
    std::string entry;
};

TEST(FuzzDictionary, ReadsEntriesAsLibFuzzerDoes)
{
    const GoodLine cases[] = {
        {"\"Window\"", "Window"},
        {"  \"<\"  ", "<"},
        {"kw1=\"alpha\"", "alpha"},
        {"\"=\\\"\"", "=\""},
        {"\"a\\\\b\"", "a\\b"},
        {"\"\\x41\\x00z\"", std::string("A\0z", 3)},
        {"\"two words\"", "two words"},
    };
    for (const GoodLine& c : cases) {
        SCOPED_TRACE(c.line);
        const fuzz::DictionaryFile dictionary = fuzz::ParseDictionary(std::string(c.line) + "\n");
        EXPECT_EQ(dictionary.error, "");
        EXPECT_EQ(dictionary.entries, std::vector<std::string>{c.entry});
    }
}

TEST(FuzzDictionary, RefusesLinesLibFuzzerRefuses)
{
    const char* cases[] = {
        "\"\"",            // an empty entry
        "  \"\"  ",        // the same with spaces
        "\"abc",           // no closing quote
        "abc\"",           // no opening quote
        "abc",             // no quotes
        "\"abc\" tail",    // text after the closing quote
        "\"a\\nb\"",       // an escape libFuzzer does not know
        "\"\\x4\"",        // a short hexadecimal escape
        "\"a\x01z\"",      // a control character
    };
    for (const char* line : cases) {
        SCOPED_TRACE(line);
        const std::string text = "# comment\n\n\"good\"\n" + std::string(line) + "\n\"after\"\n";
        const fuzz::DictionaryFile dictionary = fuzz::ParseDictionary(text);
        EXPECT_EQ(dictionary.error.rfind("line 4: ", 0), 0u) << dictionary.error;
        EXPECT_TRUE(dictionary.entries.empty());
    }
}

TEST(FuzzDictionary, SkipsCommentsAndBlankLinesButNotAnEmptyFile)
{
    const fuzz::DictionaryFile dictionary = fuzz::ParseDictionary("# tokens\n\n   \n\t# more\n\"<\"\n\">\"");
    EXPECT_EQ(dictionary.error, "");
    EXPECT_EQ(dictionary.entries, (std::vector<std::string>{"<", ">"}));

    EXPECT_NE(fuzz::ParseDictionary("").error, "");
}

} // namespace
