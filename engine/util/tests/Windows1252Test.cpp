#include "engine/util/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, ConvertsWhatFitsAndDropsTheRest)
{
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {
        {"plain ASCII 123", "plain ASCII 123"},
        {"\xC3\xA9\xC3\xBF\xC2\xA0", "\xE9\xFF\xA0"},         // Latin-1 letters and the no-break space
        {"\xE2\x82\xAC\xE2\x80\x9C\xC5\x92", "\x80\x93\x8C"}, // euro sign, left double quote, OE ligature
        {"a\xE4\xB8\xAD" "b", "ab"},                           // an ideograph has no byte
        {"\xF0\x9F\x98\x80!", "!"},                            // neither has an emoji
        {"\xC2\x81", ""},                                      // a C1 control that 1252 lacks
        {"x\x80y", "xy"},                                      // a stray continuation byte
        {"x\xC3", "x"},                                        // cut short at the end
        {"\xC3(", "("},                                        // a lead byte without its continuation
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.expected) << c.utf8;
}

TEST(Windows1252, CodePoints)
{
    EXPECT_EQ(CodePointToWindows1252('A'), 'A');
    EXPECT_EQ(CodePointToWindows1252(0x20AC), 0x80);
    EXPECT_EQ(CodePointToWindows1252(0x0178), 0x9F);
    EXPECT_EQ(CodePointToWindows1252(0x0081), -1);
    EXPECT_EQ(CodePointToWindows1252(0x0100), -1);
}
