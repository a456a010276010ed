#include "engine/platform/HtmlLog.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <regex>

using namespace testing_support;

namespace {

const std::string kHeader = "<Title>Log File</Title><Html> <Body BgColor = Cornsilk>"
                            "<B><Font Size = 3 Color = DarkBlue Face = Verdana>Log file</B><BR>";
const std::string kFooter = "</Font> </P> </Body> </Html>";

// Replaces every time stamp by "[T]" so entries can be compared byte for byte.
std::string WithoutStamps(const std::string& text)
{
    static const std::regex stamp(
        "<B><Font Size = 1 Color = DarkGreen Face = Verdana><\\d\\d\\.\\d\\d\\.\\d{4} - \\d\\d:\\d\\d:\\d\\d> </Font></B>");
    return std::regex_replace(text, stamp, "[T]");
}

} // namespace

TEST(HtmlLog, TimeStampFormat)
{
    std::tm when{};
    when.tm_mday = 7;
    when.tm_mon = 2;
    when.tm_year = 110;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(FormatLogTimeStamp(when),
              "<B><Font Size = 1 Color = DarkGreen Face = Verdana><07.03.2010 - 09:05:03> </Font></B>");
}

TEST(HtmlLog, EntryBytes)
{
    TempDir dir;
    {
        HtmlLog log;
        log.Open(dir.File("log.htm"), true);
        log.Write("Hello", "Blue");
        log.WriteBlack("Black text");
        log.WriteError("Resource file load error", "file.xml");
        log.WriteLabeled("Select player", "Green", "Ann");
        log.WritePlain("plain");
        log.Append("raw");
    }
    EXPECT_EQ(WithoutStamps(ReadTextFile(dir.File("log.htm"))),
              kHeader +
                  "[T]<Font Size = 1 Color = Blue Face = Verdana>Hello</Font><BR>"
                  "[T]<Font Size = 1 Color = Black Face = Verdana>Black text</Font><BR>"
                  "[T]<B><Font Size = 1 Color = Red Face = Verdana>Resource file load error : </B></Font>"
                  "<Font Size = 1 Color = Black Face = Verdana>file.xml</Font><BR>"
                  "[T]<Font Size = 1 Color = Green Face = Verdana>Select player : </Font>"
                  "<Font Size = 1 Color = Black Face = Verdana>Ann</Font><BR>"
                  "<Font Size = 1 Color = Black Face = Verdana>plain</Font><BR>"
                  "raw" +
                  kFooter);
}

TEST(HtmlLog, EveryTextSourceAndLabelIsEscapedAndOnlyRawTextIsNot)
{
    TempDir dir;
    {
        HtmlLog log;
        log.Open(dir.File("log.htm"), true);
        log.Write("attempt to call <name> & \"x\"", "Blue");
        log.WriteError("LUA Error calling [<f>]", "stage.lua:3: '<eof>' expected");
        log.WriteLabeled("Select player", "Green", "A<B>&C");
        log.WritePlain("<p>");
        log.Append("<BR>");
    }
    EXPECT_EQ(WithoutStamps(ReadTextFile(dir.File("log.htm"))),
              kHeader +
                  "[T]<Font Size = 1 Color = Blue Face = Verdana>attempt to call &lt;name&gt; &amp; &quot;x&quot;"
                  "</Font><BR>"
                  "[T]<B><Font Size = 1 Color = Red Face = Verdana>LUA Error calling [&lt;f&gt;] : </B></Font>"
                  "<Font Size = 1 Color = Black Face = Verdana>stage.lua:3: '&lt;eof&gt;' expected</Font><BR>"
                  "[T]<Font Size = 1 Color = Green Face = Verdana>Select player : </Font>"
                  "<Font Size = 1 Color = Black Face = Verdana>A&lt;B&gt;&amp;C</Font><BR>"
                  "<Font Size = 1 Color = Black Face = Verdana>&lt;p&gt;</Font><BR>"
                  "<BR>" +
                  kFooter);
}

TEST(HtmlLog, TruncateKeepsOneHeaderAppendKeepsEarlierRuns)
{
    TempDir dir;
    for (bool truncate : {true, true}) {
        HtmlLog log;
        log.Open(dir.File("t.htm"), truncate);
    }
    EXPECT_EQ(ReadTextFile(dir.File("t.htm")), kHeader + kFooter);

    for (int run = 0; run < 2; ++run) {
        HtmlLog log;
        log.Open(dir.File("a.htm"), false);
    }
    EXPECT_EQ(ReadTextFile(dir.File("a.htm")), kHeader + kFooter + kHeader + kFooter);
}

TEST(HtmlLog, NeverWrittenGetsNoFooterAndUnwritableIsHarmless)
{
    TempDir dir;
    {
        HtmlLog log; // never opened
        log.Write("dropped", "Black");
    }
    EXPECT_FALSE(PathExists(dir.File("log.htm")));

    HtmlLog log;
    log.Open(dir.File("no/such/folder/log.htm"), true);
    log.Write("dropped", "Black"); // must not fail or throw
    SUCCEED();
}
