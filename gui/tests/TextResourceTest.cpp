#include "gui/FontAccess.h"
#include "gui/GUIManager.h"
#include "gui/TextResource.h"
#include "gui/widgets/Text.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace testing_support;

namespace {

// Every font is 20 high; every character is 10 wide.
class FixedMetrics : public FontMetricsSource {
public:
    int LineHeight(const std::string&) override { return 20; }
    int TextWidth(const std::string& text, const std::string&) override { return 10 * static_cast<int>(text.size()); }
};

class TextResourceTest : public ::testing::Test {
protected:
    void SetUp() override { SetFontMetricsSource(&_metrics); }
    void TearDown() override { SetFontMetricsSource(nullptr); }

    // Loads a text file written from the given body into the manager.
    void Load(Core::GUIManager& gui, const std::string& body)
    {
        const std::string path = _dir.File("texts" + std::to_string(_files++) + ".xml");
        WriteTextFile(path, "<TextResources>" + body + "</TextResources>");
        gui.LoadText(path);
    }

    FixedMetrics _metrics;
    TempDir _dir;
    int _files = 0;
};

TextResource BlockFrom(const std::string& xml)
{
    TiXmlDocument document;
    document.Parse(xml.c_str());
    return TextResource(document.RootElement());
}

} // namespace

TEST_F(TextResourceTest, FormALinesTakeTheirHeightFactorsAndScales)
{
    const TextResource block = BlockFrom("<text id='t' height='1.0'>"
                                         "<string height='1.5' scale='1' color='10 20 30'>abc</string>"
                                         "<string scale='0.5'>abcdef</string></text>");
    ASSERT_EQ(block.lines.size(), 2u);
    EXPECT_EQ(block.lines[0].lineHeight, 30);
    EXPECT_EQ(block.lines[1].lineHeight, 20);
    EXPECT_EQ(block.height, 40);
    EXPECT_EQ(block.width, 30); // max(30 x 1, 60 x 0.5)
    EXPECT_EQ(block.layout, 4);
    EXPECT_EQ(block.lines[0].color, Color(10, 20, 30, 255));
    EXPECT_EQ(block.lines[1].color, Color(255, 255, 255, 255));
    EXPECT_EQ(block.lines[1].font, "text");
}

TEST_F(TextResourceTest, FormBCutsAtNewlinesAndSkipsEmptyParts)
{
    for (const char* separator : {"&#10;", "&#10;&#10;"}) {
        const TextResource block = BlockFrom(std::string("<text id='t'><text font='Letter' scale='2' color='1 2 3' "
                                                         "text='&#10;one") +
                                             separator + "two&#10;'/></text>");
        ASSERT_EQ(block.lines.size(), 2u) << separator;
        EXPECT_EQ(block.lines[0].text, "one");
        EXPECT_EQ(block.lines[1].text, "two");
        for (const TextResourceLine& line : block.lines) {
            EXPECT_EQ(line.font, "Letter");
            EXPECT_FLOAT_EQ(line.scale, 2.0f);
            EXPECT_EQ(line.color, Color(1, 2, 3, 255));
        }
    }
}

TEST_F(TextResourceTest, TheTableFindsABlockByIdOrNone)
{
    Core::GUIManager gui;
    Load(gui, "<text id='Stage'><string>Stage</string><string>two</string></text>");
    const TextResource* stage = gui.texts.Find("Stage");
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage, &gui.texts.at("Stage"));
    EXPECT_EQ(stage->lines.size(), 2u);
    EXPECT_EQ(stage->height, 40);
    EXPECT_EQ(gui.texts.Find("stage"), nullptr);
    EXPECT_EQ(gui.texts.Find(""), nullptr);
    EXPECT_EQ(gui.texts.count("stage"), 0u); // looking never adds

    // The published table answers the same through FindTextResource.
    const TextTable* previous = g_textTable;
    g_textTable = &gui.texts;
    EXPECT_EQ(FindTextResource("Stage"), stage);
    EXPECT_EQ(FindTextResource("None"), nullptr);
    g_textTable = previous;
}

TEST_F(TextResourceTest, VariablesAreSubstitutedFromTheSourceEveryTime)
{
    Core::GUIManager gui;
    Load(gui, "<text id='lives'><string>Lives #LivesLeftCount#</string><string>a # b</string></text>"
              "<text id='other'><string>x#Unknown#y</string></text>");
    const TextResource& lives = gui.texts.at("lives");
    EXPECT_EQ(lives.lines[0].text, "Lives #LivesLeftCount#");

    gui.SetTextVariable("LivesLeftCount", "3");
    EXPECT_EQ(lives.lines[0].text, "Lives 3");
    EXPECT_EQ(lives.lines[1].text, "a # b");
    gui.SetTextVariable("LivesLeftCount", "10");
    EXPECT_EQ(lives.lines[0].text, "Lives 10");
    // The width follows the text shown.
    EXPECT_EQ(lives.width, 80);

    // A token naming no variable shows nothing and creates no variable.
    EXPECT_EQ(gui.texts.at("other").lines[0].text, "xy");
    EXPECT_EQ(gui.textVariables.count("Unknown"), 0u);
}

TEST_F(TextResourceTest, FirstStringAndBlockOfAnIdStayAcrossFiles)
{
    Core::GUIManager gui;
    Load(gui, "<string id='Pause'>Paused</string><string>no id</string><string id='Empty'/>"
              "<text id='b'><string>first</string></text>");
    Load(gui, "<string id='Pause'>Later</string><text id='b'><string>second</string></text>");

    EXPECT_EQ(GetText("Pause"), "Paused");
    EXPECT_EQ(GetText("Empty"), "");
    EXPECT_EQ(GetText(""), "");
    EXPECT_EQ(GetText("Missing"), "");
    EXPECT_EQ(gui.strings.size(), 2u);
    ASSERT_NE(FindTextResource("b"), nullptr);
    EXPECT_EQ(FindTextResource("b")->lines[0].text, "first");
    EXPECT_EQ(FindTextResource("missing"), nullptr);

    // Unreadable files add nothing and say nothing.
    gui.LoadText(_dir.File("none.xml"));
    Load(gui, "");
    EXPECT_EQ(gui.strings.size(), 2u);
}

TEST_F(TextResourceTest, TextWidgetReadsItsElementAndSwitchesModes)
{
    Core::GUIManager gui;
    Load(gui, "<string id='Hello'>Hello</string><text id='Block'><string>b</string></text>");

    TiXmlDocument document;
    document.Parse("<Text name='t' freeze='1'><position x='700' y='50'/><text>@Block</text>"
                   "<font scale='2' name='Title'/><align>Right</align><align>center</align></Text>");
    Text text("t", document.RootElement());
    EXPECT_TRUE(text.fixed);
    EXPECT_EQ(text.position, Point(700, 550));
    EXPECT_EQ(text.offset, Point(700, 550));
    EXPECT_EQ(text.align, 1); // "center" is not "Center"
    EXPECT_EQ(text.font, "Title");
    EXPECT_FLOAT_EQ(text.scale, 2.0f);
    EXPECT_TRUE(text.useResource);
    EXPECT_EQ(text.resource, FindTextResource("Block"));
    EXPECT_FALSE(text.MouseDown(Point(700, 550)));

    text.AcceptMessage(Message("SetString", "#Hello"));
    EXPECT_FALSE(text.useResource);
    EXPECT_EQ(text.text, "Hello");

    text.AcceptMessage(Message("SetText", "Nope"));
    EXPECT_FALSE(text.useResource);
    text.AcceptMessage(Message("SetText", "Block"));
    EXPECT_TRUE(text.useResource);
}
