// Text effect files: the "String" form with its attributes applied in order,
// and the "FromText" form with its lines, heights and "SetEffect" ranges.

#include "engine/platform/HtmlLog.h"
#include "gui/FontAccess.h"
#include "gui/TextResource.h"
#include "gui/effects/TextEffectFile.h"
#include "gui/effects/TextWithEffects.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace testing_support;

namespace {

// "Title" is 30 high and 10 wide a character, every other font 20 and 7.
struct FixedMetrics : FontMetricsSource {
    int LineHeight(const std::string& font) override { return font == "Title" ? 30 : 20; }
    int TextWidth(const std::string& text, const std::string& font) override
    {
        return (font == "Title" ? 10 : 7) * static_cast<int>(text.size());
    }
};

struct TextEffectFileFixture : testing::Test {
    void SetUp() override
    {
        SetFontMetricsSource(&metrics);
        previousTable = g_textTable;
        TextResource& lines = table["Lines"];
        const int heights[] = {20, 20, 30};
        const char* texts[] = {"First", "Second", "Third"};
        for (int i = 0; i < 3; ++i) {
            TextResourceLine line;
            line.text = texts[i];
            line.font = i == 2 ? "Title" : "text";
            line.lineHeight = heights[i];
            lines.lines.push_back(line);
        }
        TextResource& scaled = table["Scaled"];
        TextResourceLine line;
        line.text = "Big";
        line.font = "text";
        line.lineHeight = 25;
        line.scale = 1.5f; // 37.5, cut to 37
        scaled.lines.push_back(line);
        scaled.lines.push_back(line);
        g_textTable = &table;
    }
    void TearDown() override
    {
        g_textTable = previousTable;
        SetFontMetricsSource(nullptr);
    }

    void Load(const std::string& xml)
    {
        document.Parse(xml.c_str());
        ASSERT_FALSE(document.Error()) << xml;
        text.Load(document.RootElement());
    }

    FixedMetrics metrics;
    TextTable table;
    const TextTable* previousTable = nullptr;
    TiXmlDocument document;
    TextWithEffects text;
};

} // namespace

TEST_F(TextEffectFileFixture, StringElementsAreReadInTheOrderOfTheirAttributes)
{
    Load(R"(<Text>
      <String name="Score" x="12.5" y="-40" value="Score" showTime="1.5" startTime="0.75"
              leftFlame="FlameL" rightFlame="FlameR" startEffect="Spark" startSound="burn"
              startMode="CenterBurn" align="Right"/>
      <String name="Plain" font="text" value="abc"/>
      <String x="5" value="nameless"/>
      <String name="Plain" value="second of its name"/>
    </Text>)");
    ASSERT_EQ(text.Size(), 2u);
    const TextEffectString& score = *text.Find("Score");
    EXPECT_EQ(score._x, 12.5f);
    EXPECT_EQ(score._y, -40.0f);
    EXPECT_EQ(score._font, "Title");
    EXPECT_EQ(score._text, "Score");
    EXPECT_EQ(score._width, 50.0f);
    EXPECT_EQ(score._height, 30.0f);
    EXPECT_EQ(score._showTime, 1.5f);
    EXPECT_EQ(score._startTime, 0.75f);
    EXPECT_TRUE(score._hasLeftFlame && score._hasRightFlame && score._hasStartEffect && score._hasStartSound);
    EXPECT_EQ(score._leftFlame, "FlameL");
    EXPECT_EQ(score._rightFlame, "FlameR");
    EXPECT_EQ(score._startEffect, "Spark");
    EXPECT_EQ(score._startSound, "burn");
    EXPECT_EQ(score._startMode, TextEffectString::kCenterBurn);
    EXPECT_EQ(score._align, 1);
    EXPECT_EQ(score._holdTime, -1.0f); // strings from files stay for good

    const TextEffectString& plain = *text.Find("Plain");
    EXPECT_EQ(plain._text, "abc");
    EXPECT_EQ(plain._font, "text");
    EXPECT_EQ(plain._width, 21.0f); // measured in its own font
    EXPECT_EQ(plain._height, 20.0f);
    EXPECT_EQ(plain._startMode, TextEffectString::kRightBurn);
    EXPECT_EQ(plain._align, 0);
}

TEST_F(TextEffectFileFixture, StartModeSwitchesOffFlamesNamedBeforeIt)
{
    Load(R"(<Text>
      <String name="Boom" leftFlame="L" rightFlame="R" startMode="StringBoom"/>
      <String name="Right" leftFlame="L" rightFlame="R" startMode="RightBurn"/>
      <String name="Odd" leftFlame="L" startMode="Sideways" align="Middle"/>
    </Text>)");
    const TextEffectString& boom = *text.Find("Boom");
    EXPECT_EQ(boom._startMode, TextEffectString::kStringBoom);
    EXPECT_FALSE(boom._hasLeftFlame);
    EXPECT_FALSE(boom._hasRightFlame);
    const TextEffectString& right = *text.Find("Right");
    EXPECT_EQ(right._startMode, TextEffectString::kRightBurn);
    EXPECT_FALSE(right._hasLeftFlame);
    EXPECT_TRUE(right._hasRightFlame);
    const TextEffectString& odd = *text.Find("Odd");
    EXPECT_EQ(odd._startMode, TextEffectString::kRightBurn);
    EXPECT_TRUE(odd._hasLeftFlame);
    EXPECT_EQ(odd._align, 0);
}

TEST_F(TextEffectFileFixture, FromTextStacksTheLinesCentredUnderEachOther)
{
    Load(R"(<Text><FromText textName="Lines"/><String name="Ignored"/></Text>)");
    ASSERT_EQ(text.Size(), 3u);
    const float ys[] = {-20.0f, -40.0f, -70.0f};
    const char* texts[] = {"First", "Second", "Third"};
    for (int i = 0; i < 3; ++i) {
        const TextEffectString& s = *text.Find("String" + std::to_string(i + 1));
        EXPECT_EQ(s._text, texts[i]);
        EXPECT_EQ(s._y, ys[i]);
        EXPECT_EQ(s._x, 0.0f);
        EXPECT_EQ(s._align, 2);
        EXPECT_EQ(s._showTime, 0.0f);
        EXPECT_EQ(s._startTime, 0.0f);
        EXPECT_FALSE(s._hasRightFlame || s._hasLeftFlame || s._hasStartEffect);
    }
    EXPECT_EQ(text.Find("String3")->_font, "Title");
    EXPECT_EQ(text.Find("String3")->_width, 50.0f);
    EXPECT_EQ(text.Find("String3")->_height, 30.0f);
    EXPECT_EQ(text.Find("Ignored"), nullptr);

    TextWithEffects scaled;
    scaled.BuildFromText("Scaled");
    EXPECT_EQ(scaled.Find("String1")->_y, -37.0f);
    EXPECT_EQ(scaled.Find("String2")->_y, -74.0f);

    TextWithEffects none;
    none.BuildFromText("NoSuchText");
    EXPECT_EQ(none.Size(), 0u);
}

TEST_F(TextEffectFileFixture, SetEffectRangesStartOneAfterAnother)
{
    Load(R"(<Text><FromText textName="Lines">
      <SetEffect from="2" to="4" showTime="1" startTime="0.5" startFactor="0.5"
                 leftFlame="L" rightFlame="R" startEffect="S" startMode="CenterBurn" startSound="burn"/>
      <SetEffect from="1" to="1" showTime="0" startTime="1" startFactor="0" rightFlame="R2" startMode="RightBurn"/>
    </FromText></Text>)");
    // String4 does not exist: the range stops there.
    ASSERT_EQ(text.Size(), 3u);
    EXPECT_EQ(text.Find("String2")->_showTime, 1.0f);
    EXPECT_EQ(text.Find("String3")->_showTime, 1.5f);
    for (const char* name : {"String2", "String3"}) {
        const TextEffectString& s = *text.Find(name);
        EXPECT_EQ(s._startTime, 0.5f);
        EXPECT_EQ(s._startMode, TextEffectString::kCenterBurn);
        EXPECT_TRUE(s._hasLeftFlame && s._hasRightFlame);
        EXPECT_EQ(s._leftFlame, "L");
        EXPECT_EQ(s._rightFlame, "R");
        EXPECT_FALSE(s._hasStartEffect);
        EXPECT_TRUE(s._hasStartSound);
        EXPECT_EQ(s._startSound, "burn");
    }
    const TextEffectString& first = *text.Find("String1");
    EXPECT_EQ(first._startMode, TextEffectString::kRightBurn);
    EXPECT_TRUE(first._hasRightFlame);
    EXPECT_EQ(first._rightFlame, "R2");
    EXPECT_FALSE(first._hasLeftFlame);
    EXPECT_FALSE(first._hasStartSound);
}

TEST_F(TextEffectFileFixture, SetEffectModesChooseFlamesOrStartEffect)
{
    Load(R"(<Text><FromText textName="Lines">
      <SetEffect from="1" to="3" showTime="0" startTime="1" startFactor="0" leftFlame="L" rightFlame="R"
                 startMode="CenterBurn"/>
      <SetEffect from="1" to="1" showTime="0" startTime="1" startFactor="0" startEffect="S" startMode="StringBoom"/>
      <SetEffect from="2" to="2" showTime="3" startTime="1" startFactor="0" startMode="Unknown"/>
    </FromText></Text>)");
    const TextEffectString& boom = *text.Find("String1");
    EXPECT_EQ(boom._startMode, TextEffectString::kStringBoom);
    EXPECT_FALSE(boom._hasLeftFlame || boom._hasRightFlame);
    EXPECT_TRUE(boom._hasStartEffect);
    EXPECT_EQ(boom._startEffect, "S");
    // An unknown mode changes the timing only.
    const TextEffectString& kept = *text.Find("String2");
    EXPECT_EQ(kept._showTime, 3.0f);
    EXPECT_EQ(kept._startMode, TextEffectString::kCenterBurn);
    EXPECT_TRUE(kept._hasLeftFlame && kept._hasRightFlame);
}

TEST_F(TextEffectFileFixture, AMissingRequiredAttributeReadsAsZeroWithALogLine)
{
    TempDir dir;
    g_log.Open(dir.File("log.htm"), true);
    Load(R"(<Text><FromText textName="Lines">
      <SetEffect to="2" showTime="2" startTime="1"/>
    </FromText></Text>)");
    g_log.Close();
    // "from" 0 names String0, which is not there: nothing changes.
    EXPECT_EQ(text.Find("String1")->_showTime, 0.0f);
    const std::string log = ReadTextFile(dir.File("log.htm"));
    EXPECT_NE(log.find("without &quot;from&quot;"), std::string::npos) << log;
    EXPECT_NE(log.find("without &quot;startFactor&quot;"), std::string::npos) << log;
}

TEST_F(TextEffectFileFixture, TheGameFolderFileLoads)
{
    TiXmlDocument file((SourceDir() + "/data/TextWithEffects.xml").c_str());
    ASSERT_TRUE(file.LoadFile());
    const TiXmlElement* first = file.RootElement()->FirstChildElement("Text");
    ASSERT_NE(first, nullptr);
    TextWithEffects fromFile;
    fromFile.Load(first);
    EXPECT_GT(fromFile.Size(), 0u);
}
