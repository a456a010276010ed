// The level statistics page: the values it shows, the wise tip's lines, the
// play-in and the "Ok" button it enables.

#include "WidgetTestSupport.h"

#include "game/screens/GameStatistics.h"
#include "game/screens/StatisticsController.h"
#include "gui/FontAccess.h"
#include "gui/TextResource.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

// Every character 10 wide, every line 20 high.
class FixedMetrics : public FontMetricsSource {
public:
    FixedMetrics() { SetFontMetricsSource(this); }
    ~FixedMetrics() override { SetFontMetricsSource(nullptr); }
    int LineHeight(const std::string&) override { return 20; }
    int TextWidth(const std::string& text, const std::string&) override { return 10 * static_cast<int>(text.size()); }
};

// The "Ok" button: keeps the integer of each "Active" it is sent.
class OkButton : public Widget {
public:
    OkButton() : Widget("Ok") {}
    void AcceptMessage(const Message& message) override
    {
        if (message.publisher == "Active")
            active.push_back(message.integerParam);
    }
    std::vector<int> active;
};

// Values arrive after 0.5 seconds and take 0.5 seconds; the tip after 1.
const char* const kPage =
    "<TextEffects><Text>"
    "<String name=\"TilesValue\" x=\"550\" y=\"-150\" font=\"f\" value=\" 0\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"TimeValue\" x=\"550\" y=\"-177\" font=\"f\" value=\" 00:00\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"TimeBonusValue\" x=\"550\" y=\"-204\" font=\"f\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"MatchesValue\" x=\"550\" y=\"-231\" font=\"f\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"ScoreValue\" x=\"550\" y=\"-258\" font=\"f\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"PiecesValue\" x=\"550\" y=\"-285\" font=\"f\" showTime=\"0.5\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"TipCaption\" x=\"400\" y=\"-400\" font=\"f\" value=\"Wise tip\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip1\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip2\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip3\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip4\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip5\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "<String name=\"Tip6\" x=\"400\" font=\"f\" showTime=\"1\" startTime=\"0.5\" startMode=\"StringBoom\"/>"
    "</Text></TextEffects>";

// A text block of that many lines "line 1", "line 2", ... in the font "f".
TextResource Lines(int count)
{
    std::string xml = "<text>";
    for (int i = 1; i <= count; ++i)
        xml += "<string font=\"f\">line " + std::to_string(i) + "</string>";
    XmlElement element(xml + "</text>");
    return TextResource(element.get());
}

class GameStatisticsTest : public ::testing::Test {
protected:
    GameStatisticsTest()
        : _cwd(_dir.Path())
    {
        WriteTextFile(_dir.File("TextWithEffects.xml"), kPage);
        _texts["Tip1"] = Lines(2);
        _texts["Tip2"] = Lines(9);
        g_textTable = &_texts;
        services.layerWidgets["Statistics/Ok"] = &ok;
        info.AddNewPlayer("P");
        page = std::make_unique<GameStatistics>("GameStatistics", nullptr, info);
    }
    ~GameStatisticsTest() override
    {
        page.reset();
        g_textTable = nullptr;
    }

    Player& PlayerRecord() { return info.GetPlayer("P"); }
    TextEffectString& String(const std::string& name) { return page->_text.String(name); }
    // Frames of the page's controller.
    void Play(int frames, float dt)
    {
        for (int i = 0; i < frames; ++i)
            page->Controller()->Update(dt);
    }

    TempDir _dir;
    ScopedCurrentDir _cwd;
    ScopedLogFile _log;
    FixedMetrics metrics;
    FakeWidgetServices services;
    TextTable _texts;
    OkButton ok;
    GameInfo info;
    std::unique_ptr<GameStatistics> page;
};

} // namespace

TEST_F(GameStatisticsTest, MadeShownAtOnceAtTheTopOfTheScreen)
{
    EXPECT_EQ(page->position, Point(0, 600));
    EXPECT_TRUE(page->_text.AllFinished());
    ASSERT_NE(page->Controller(), nullptr);
    EXPECT_EQ(StatisticsController::Published(), page->Controller());
    EXPECT_EQ(page->Controller()->_name, "noname");
    EXPECT_FALSE(page->Controller()->IsFinished());
    EXPECT_EQ(page->_text.Size(), 13u);
}

TEST_F(GameStatisticsTest, StartShowsWhatTheLevelBroughtWithoutTheTimeBonusInTheScore)
{
    Player& player = PlayerRecord();
    info.StoreLevelStartState(); // all zero
    player.tiles = 120;
    player.numMatches = 31;
    player.score = 5400;
    player.timeBonus = 400;
    player.pieces = 2;
    player.levelTime = 75.4f;
    page->AcceptMessage(Message("Start"));
    EXPECT_EQ(String("TilesValue")._text, " 120");
    EXPECT_EQ(String("TimeValue")._text, " 01:15");
    EXPECT_EQ(String("TimeBonusValue")._text, " 400");
    EXPECT_EQ(String("MatchesValue")._text, " 31");
    EXPECT_EQ(String("ScoreValue")._text, " 5000");
    EXPECT_EQ(String("PiecesValue")._text, " 2");
    EXPECT_FLOAT_EQ(String("TilesValue")._width, 40.0f);
    EXPECT_FLOAT_EQ(String("TilesValue")._height, 20.0f);
    EXPECT_FALSE(page->_text.AllFinished());
    EXPECT_EQ(ok.active, std::vector<int>{0});
}

TEST_F(GameStatisticsTest, ValuesAreTheDifferencesFromTheLevelsStart)
{
    Player& player = PlayerRecord();
    player.tiles = 1000;
    player.numMatches = 100;
    player.score = 20000;
    player.pieces = 7;
    info.StoreLevelStartState();
    player.tiles += 50;
    player.numMatches += 9;
    player.score += 1500;
    player.pieces += 1;
    player.levelTime = 600.0f;
    page->Start();
    EXPECT_EQ(String("TilesValue")._text, " 50");
    EXPECT_EQ(String("MatchesValue")._text, " 9");
    EXPECT_EQ(String("ScoreValue")._text, " 1500");
    EXPECT_EQ(String("PiecesValue")._text, " 1");
    EXPECT_EQ(String("TimeValue")._text, " 10:00");
}

TEST_F(GameStatisticsTest, AShortTipHidesTheLinesItLacks)
{
    PlayerRecord().wiseTipNumber = 0; // "Tip1": two lines, 40 high
    page->Start();
    // y = (40 + 24) / 2 - 375 for the caption, then 25 and 15 a line lower.
    EXPECT_TRUE(String("TipCaption")._enabled);
    EXPECT_FLOAT_EQ(String("TipCaption")._y, -343.0f);
    EXPECT_EQ(String("Tip1")._text, "line 1");
    EXPECT_FLOAT_EQ(String("Tip1")._y, -368.0f);
    EXPECT_FLOAT_EQ(String("Tip2")._y, -383.0f);
    for (const char* hidden : {"Tip3", "Tip4", "Tip5", "Tip6"})
        EXPECT_FALSE(String(hidden)._enabled) << hidden;
}

TEST_F(GameStatisticsTest, ALongTipShowsItsFirstSixLines)
{
    PlayerRecord().wiseTipNumber = 1; // "Tip2": nine lines
    page->Start();
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(String("Tip" + std::to_string(k))._enabled) << k;
        EXPECT_EQ(String("Tip" + std::to_string(k))._text, "line " + std::to_string(k));
    }
    EXPECT_EQ(page->_text.Find("Tip7"), nullptr);
}

TEST_F(GameStatisticsTest, AMissingTipHidesItsCaptionAndLines)
{
    PlayerRecord().wiseTipNumber = 5;
    page->Start();
    EXPECT_FALSE(String("TipCaption")._enabled);
    for (int k = 1; k <= 6; ++k)
        EXPECT_FALSE(String("Tip" + std::to_string(k))._enabled) << k;
    EXPECT_NE(_log.Text().find("Tip6"), std::string::npos);
    // The page still plays and ends.
    Play(120, 0.05f);
    EXPECT_TRUE(page->_text.AllFinished());
    EXPECT_EQ(ok.active, (std::vector<int>{0, 1}));
}

TEST_F(GameStatisticsTest, OkIsEnabledOnceThePageHasPlayed)
{
    page->Start();
    Play(10, 0.05f);
    EXPECT_EQ(ok.active, std::vector<int>{0});
    Play(60, 0.05f);
    EXPECT_TRUE(page->Controller()->done);
    EXPECT_EQ(ok.active, (std::vector<int>{0, 1}));
    // Once; and "Finish" after the play-in does nothing.
    Play(10, 0.05f);
    page->AcceptMessage(Message("Finish"));
    EXPECT_EQ(ok.active, (std::vector<int>{0, 1}));
}

TEST_F(GameStatisticsTest, FinishSkipsThePlayInButNotWithinItsFirstTenthsOfASecond)
{
    page->Start();
    Play(5, 0.05f); // 0.25 s
    page->AcceptMessage(Message("Finish"));
    EXPECT_FALSE(page->_text.AllFinished());
    EXPECT_EQ(ok.active, std::vector<int>{0});
    Play(2, 0.05f); // 0.35 s
    page->AcceptMessage(Message("Finish"));
    EXPECT_TRUE(page->_text.AllFinished());
    EXPECT_TRUE(page->Controller()->done);
    EXPECT_FLOAT_EQ(page->Controller()->time, 0.0f);
    EXPECT_EQ(ok.active, (std::vector<int>{0, 1}));
    // A new start plays again from the beginning.
    page->AcceptMessage(Message("Start"));
    EXPECT_FALSE(page->Controller()->done);
    EXPECT_EQ(ok.active, (std::vector<int>{0, 1, 0}));
}

TEST_F(GameStatisticsTest, WithoutTheOkButtonThePageLogsAndGoesOn)
{
    services.layerWidgets.clear();
    page->Start();
    Play(80, 0.05f);
    EXPECT_TRUE(page->Controller()->done);
    EXPECT_NE(_log.Text().find("has no widget &quot;Ok&quot;"), std::string::npos);
}

TEST_F(GameStatisticsTest, TheControllerStopsWithItsPage)
{
    StatisticsController* controller = page->Controller();
    kernel.FlushPending();
    page.reset();
    EXPECT_TRUE(controller->_finished);
    EXPECT_EQ(controller->_page, nullptr);
    kernel.Update(0.0f);
    EXPECT_EQ(StatisticsController::Published(), nullptr);
}

TEST_F(GameStatisticsTest, WithoutItsFileThePageIsEmptyAndSaysSo)
{
    WriteTextFile(_dir.File("TextWithEffects.xml"), "<TextEffects/>");
    GameStatistics empty("Empty", nullptr, info);
    EXPECT_EQ(empty._text.Size(), 0u);
    EXPECT_NE(_log.Text().find("TextWithEffects.xml"), std::string::npos);
    empty.AcceptMessage(Message("Start"));
    empty.AcceptMessage(Message("Finish"));
}
