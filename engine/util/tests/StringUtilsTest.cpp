#include "engine/util/StringUtils.h"

#include <gtest/gtest.h>

TEST(StringToBool, OnlyExactTrueAndOne)
{
    struct Case { const char* text; bool expected; };
    const Case cases[] = {{"true", true}, {"1", true}, {"TRUE", false}, {"True", false},
                          {"2", false}, {"", false}, {"true ", false}, {"01", false}};
    for (const Case& c : cases)
        EXPECT_EQ(StringToBool(c.text), c.expected) << '"' << c.text << '"';
}

TEST(StringToNumber, ReadsLikeScanf)
{
    EXPECT_EQ(StringToInt("12ab"), 12);
    EXPECT_EQ(StringToInt("  -7"), -7);
    EXPECT_EQ(StringToInt("x"), 0);
    EXPECT_FLOAT_EQ(StringToFloat("2.5e1z"), 25.0f);
    EXPECT_FLOAT_EQ(StringToFloat("abc"), 0.0f);
}

TEST(SplitString, RunsOfDelimitersMakeNoEmptyPieces)
{
    struct Case { std::string text; std::vector<std::string> pieces; };
    const Case cases[] = {
        {" a,,b , ", {"a", "b"}},
        {"", {}},
        {",,, ", {}},
        {"one", {"one"}},
        {"a b", {"a", "b"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> pieces;
        SplitString(c.text, pieces, ", ");
        EXPECT_EQ(pieces, c.pieces) << '"' << c.text << '"';
    }
}

TEST(SplitString, AppendsToWhatIsThere)
{
    std::vector<std::string> pieces = {"x"};
    SplitString("y", pieces, ",");
    EXPECT_EQ(pieces, (std::vector<std::string>{"x", "y"}));
}

TEST(ToString, DefaultStreamFormatting)
{
    EXPECT_EQ(ToString(42), "42");
    EXPECT_EQ(ToString(0.1f), "0.1");
    EXPECT_EQ(ToString(1234567.0), "1.23457e+06");
    EXPECT_EQ(ToString(std::string("text")), "text");
    EXPECT_EQ(ToString(reinterpret_cast<int*>(0xAB)), "000000AB");
    EXPECT_EQ(IntToString(-5), "-5");
}

TEST(HtmlEscape, EscapesMarkupCharacters)
{
    EXPECT_EQ(HtmlEscape("<b>Ann & \"Bo\"</b>"), "&lt;b&gt;Ann &amp; &quot;Bo&quot;&lt;/b&gt;");
    EXPECT_EQ(HtmlEscape("plain"), "plain");
}
