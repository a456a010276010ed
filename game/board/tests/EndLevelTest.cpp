// The end of a level on a board: the time bonus counted into the score, the
// lives won and lost on the way, the difficulty counters, the pages that
// follow, and the board's big texts, the broken and the added life.

#include "PlayFixture.h"

#include "engine/platform/InputState.h"
#include "game/board/EndLevelManager.h"
#include "game/board/effects/DecLives.h"
#include "game/board/effects/LetterText.h"
#include "game/board/effects/LifeBonus.h"
#include "game/board/effects/ScoreLevitation.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/StringTable.h"
#include "gui/ScreenImpl.h"

#include <tinyxml.h>

namespace {

// A page widget that keeps the messages it gets.
class PageWidget : public Widget {
public:
    explicit PageWidget(const std::string& widgetName) : Widget(widgetName) {}
    void AcceptMessage(const Message& message) override { received.push_back(message.publisher + " " + message.data); }
    std::vector<std::string> received;
};

class EndLevelTest : public PlayTest {
protected:
    EndLevelTest()
    {
        g_input = InputState();
        Player& player = ActivePlayer();
        player.lives = 3;
        player.stage = player.maxStage = 2;
        player.level = player.maxLevel = 4;
        player.timeToLevel = 100.0f;
        player.levelTime = 40.0f;
    }
    ~EndLevelTest() override
    {
        g_input = InputState();
        Screen.ClearLayers();
        for (const std::string& name : _pages)
            GUI.layers.erase(name);
    }

    // A board at the end of its level: the profile's level, its score, the
    // profile's lives on the panel.
    GameField& EndingBoard(int score)
    {
        GameField& board = MakeLiveBoard({{0, 1, 2}, {1, 2, 0}});
        const Player& player = ActivePlayer();
        board._stage = board._levelStartMaxStage = player.stage;
        board._level = board._levelStartMaxLevel = player.level;
        board._score = board._shownScore = score;
        board._shownLives = player.lives;
        board._elapsed = player.levelTime;
        board._pointsPerLife = 1000;
        board._levelCompleteText = "Done";
        board._youLoseLifeText = "Lost";
        return board;
    }

    // The layers of the pages, each with its widgets.
    void MakePages()
    {
        const std::map<std::string, std::vector<std::string>> pages = {
            {"Fade", {"Fade"}},
            {"Fade_2", {"Fade_2"}},
            {"Statistics", {"Statistics", "GameStatistics"}},
            {"LoseLife", {"LoseLife", "LivesLeft"}},
            {"GameOver", {"GameOver"}}};
        for (const auto& page : pages) {
            TiXmlElement element("Layer");
            element.SetAttribute("name", page.first.c_str());
            auto layer = std::make_unique<Layer>(&element);
            for (const std::string& widget : page.second)
                layer->AddWidget(new PageWidget(widget));
            GUI.layers[page.first] = std::move(layer);
            _pages.push_back(page.first);
        }
        Screen.ClearLayers();
    }
    static PageWidget* Page(const std::string& layer, const std::string& widget)
    {
        return dynamic_cast<PageWidget*>(GUI.getLayer(layer)->getWidget(widget));
    }
    static std::vector<std::string> LayerStack()
    {
        std::vector<std::string> names;
        for (const Layer* layer : Screen.GetStack())
            names.push_back(layer ? layer->name : "");
        names.push_back(Screen.GetTopLayerName());
        return names;
    }

    // Frames until the board's manager has gone; the seconds it ran.
    static float RunToEnd(const GameField& board, float limit = 20.0f)
    {
        float t = 0.0f;
        while (!Controllers(board, "EndLevelManager").empty() && t < limit) {
            Frames(kFrameStep);
            t += kFrameStep;
        }
        return t;
    }

    std::vector<std::string> _pages;
    SampleRecorder _samples;
};

// ------------------------------------------------------------- time bonus

TEST_F(EndLevelTest, TheSecondsLeftAreCountedIntoTheScoreFivePointsEach)
{
    GameField& board = EndingBoard(500);
    board.StartEndLevelManager(0);
    EXPECT_TRUE(board._endLevelRunning);
    EXPECT_FALSE(board._canAcceptMouse);
    EXPECT_EQ(ActivePlayer().timeBonus, 300);
    Frames(kFrameStep);
    EXPECT_EQ(ActivePlayer().score, 800) << "the profile has the final score at once";
    Frames(2.0f);
    EXPECT_GT(board._score, 500);
    EXPECT_LT(board._score, 800);
    EXPECT_TRUE(board._isBlocked);
    const float ran = RunToEnd(board);
    EXPECT_NEAR(2.0f + ran, 5.5f, 0.1f);
    EXPECT_EQ(board._score, 800);
    EXPECT_FLOAT_EQ(board._elapsed, 100.0f);
    EXPECT_TRUE(board._canAcceptMouse);
    EXPECT_TRUE(board._squares.empty());
}

TEST_F(EndLevelTest, TheHiScoreTableHoldsTheScoreWithItsTimeBonus)
{
    ASSERT_TRUE(gameInfo.AddNewPlayer("Ann"));
    Player& player = ActivePlayer();
    player.timeToLevel = 100.0f;
    player.levelTime = 40.0f;
    GameField& board = EndingBoard(500);
    board.StartEndLevelManager(0);
    Frames(kFrameStep);
    int entered = -1;
    for (const HiScoresElem& entry : gameInfo.GetHiScores())
        if (entry.uid == player.uid)
            entered = entry.score;
    EXPECT_EQ(entered, 800);
    RunToEnd(board);
}

TEST_F(EndLevelTest, WithNoTimeLeftTheBarFillsAndTheScoreStays)
{
    struct Case {
        float timeToLevel;
        float levelTime;
    };
    // Out of time; and a level without any time, which divides nothing.
    for (const Case& c : {Case{100.0f, 100.0f}, Case{100.0f, 130.0f}, Case{0.0f, 0.0f}}) {
        SCOPED_TRACE(c.timeToLevel);
        ActivePlayer().timeToLevel = c.timeToLevel;
        ActivePlayer().levelTime = c.levelTime;
        GameField& board = EndingBoard(500);
        board.StartEndLevelManager(0);
        EXPECT_EQ(ActivePlayer().timeBonus, 0);
        auto* manager = Controllers<EndLevelManager>(board, "EndLevelManager").front();
        EXPECT_EQ(manager->_finalScore, 500);
        const float ran = RunToEnd(board);
        EXPECT_NEAR(ran, 5.5f, 0.1f) << "the statistics follow after 5.5 seconds";
        EXPECT_EQ(board._score, 500);
        EXPECT_EQ(ActivePlayer().score, 500);
    }
}

TEST_F(EndLevelTest, TheCountRunToItsEndShowsTheProfilesScoreToThePoint)
{
    // Times left whose bonus per second a float product may round down.
    for (int k = 0; k < 40; ++k) {
        const float levelTime = 0.5f + 7.37f * static_cast<float>(k);
        SCOPED_TRACE(levelTime);
        ActivePlayer().timeToLevel = 295.0f;
        ActivePlayer().levelTime = levelTime;
        GameField& board = EndingBoard(1357);
        board.StartEndLevelManager(0);
        RunToEnd(board);
        EXPECT_GT(ActivePlayer().timeBonus, 0);
        EXPECT_EQ(board._score, ActivePlayer().score);
    }
}

TEST_F(EndLevelTest, APressSkipsTheCountUpExceptInTheTopRightCorner)
{
    struct Case {
        int x;
        int y;
        bool right;
        bool skips;
    };
    for (const Case& c : {Case{400, 300, false, true}, Case{711, 10, false, true}, Case{712, 34, false, true},
                          Case{100, 500, true, true}, Case{712, 33, false, false}, Case{799, 0, false, false},
                          Case{790, 20, true, false}}) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        GameField& board = EndingBoard(500);
        board.StartEndLevelManager(0);
        Frames(0.5f);
        g_input.x = c.x;
        g_input.y = c.y;
        (c.right ? g_input.rightButton : g_input.buttonDown) = true;
        Frames(kFrameStep);
        g_input = InputState();
        if (c.skips) {
            EXPECT_EQ(board._score, 800) << "the score jumps to the final score";
            EXPECT_LT(RunToEnd(board), 0.1f);
        } else {
            EXPECT_LT(board._score, 800);
            EXPECT_NEAR(RunToEnd(board), 5.0f, 0.1f);
        }
        EXPECT_EQ(board._score, 800);
    }
}

TEST_F(EndLevelTest, EachCrossedMultipleOfThePointsPerLifeAddsOneLifeAndNoneComesPastTheFinalScore)
{
    // 60 seconds left: 300 points from 1950 to 2250 cross 2000 once; the
    // bar fills on past the bonus, and the score stops at 2250 short of 3000.
    ActivePlayer().lives = 2;
    GameField& board = EndingBoard(1950);
    board._pointsPerLife = 100;
    board.StartEndLevelManager(0);
    int most = 0;
    for (float t = 0.0f; t < 10.0f && !Controllers(board, "EndLevelManager").empty(); t += kFrameStep) {
        Frames(kFrameStep);
        most = std::max(most, board._score);
        EXPECT_LE(static_cast<int>(Controllers(board, "AddLife").size()), 3);
    }
    EXPECT_EQ(most, 2250);
    EXPECT_EQ(board._score, 2250);
    EXPECT_EQ(ActivePlayer().lives, 5) << "2000, 2100 and 2200 crossed";
    EXPECT_EQ(board._shownLives, 5);
}

// ------------------------------------------------------------- difficulty

TEST_F(EndLevelTest, TheShareOfTimeLeftTagsTheLevel)
{
    struct Case {
        float timeLeft;
        const char* tag;
    };
    for (const Case& c : {Case{60.0f, " [EASY]"}, Case{90.0f, " [EASY]"}, Case{59.0f, " [NORMAL]"},
                          Case{21.0f, " [NORMAL]"}, Case{20.0f, " [HARD]"}, Case{0.0f, " [HARD]"}}) {
        EXPECT_EQ(EndLevelManager::DifficultyTag(EndLevelManager::TimeLeftRatio(100.0f, 100.0f - c.timeLeft)), c.tag)
            << c.timeLeft;
    }
    EXPECT_EQ(EndLevelManager::TimeLeftRatio(0.0f, 0.0f), 0.0f) << "a level without time divides nothing";
}

TEST_F(EndLevelTest, TheDifficultyCountersMoveOnlyAtTheFrontierFromTheSecondCountry)
{
    struct Case {
        int stage;
        bool frontier;
        float levelTime;
        int factor;
    };
    for (const Case& c : {Case{2, true, 40.0f, 1}, Case{2, true, 80.0f, -1}, Case{2, true, 50.0f, 0},
                          Case{1, true, 40.0f, 0}, Case{1, true, 80.0f, 0}, Case{3, false, 40.0f, 0},
                          Case{3, false, 80.0f, 0}}) {
        SCOPED_TRACE(std::to_string(c.stage) + (c.frontier ? " frontier " : " behind ") + std::to_string(c.levelTime));
        Player& player = ActivePlayer();
        player.completeLevelFactor = 0;
        player.stage = player.maxStage = c.stage;
        player.levelTime = c.levelTime;
        GameField& board = EndingBoard(0);
        if (!c.frontier)
            board._levelStartMaxLevel = board._level + 1;
        board.StartEndLevelManager(0);
        EXPECT_EQ(player.completeLevelFactor, c.factor);
        RunToEnd(board);
    }
}

// --------------------------------------------------------------- the pages

TEST_F(EndLevelTest, ACompleteLevelPutsUpTheStatisticsPage)
{
    MakePages();
    GameField& board = EndingBoard(500);
    board.StartEndLevelManager(0);
    EXPECT_EQ(Controllers<LetterText>(board, "LetterText").size(), 4u) << "one letter of \"Done\" each";
    Frames(1.0f);
    EXPECT_TRUE(LayerStack().back().empty()) << "nothing yet";
    g_input.buttonDown = true;
    Frames(kFrameStep);
    g_input = InputState();
    EXPECT_EQ(LayerStack(), (std::vector<std::string>{"Fade", "Statistics"}));
    EXPECT_EQ(Page("Statistics", "GameStatistics")->received, std::vector<std::string>{"Start "});
    EXPECT_EQ(Page("Statistics", "Statistics")->position, Point(320, 60));
    EXPECT_TRUE(Controllers(board, "LetterText").empty()) << "the letters go with the count-up";
    Frames(1.0f);
    EXPECT_EQ(Page("Fade", "Fade")->color.a, 128);
    EXPECT_EQ(Page("Statistics", "Statistics")->color.a, 255);
}

TEST_F(EndLevelTest, ALostLevelTakesALifeAndShowsHowManyAreLeft)
{
    struct Case {
        int lives;
        const char* text;
        const char* page;
    };
    for (const Case& c : {Case{3, "SetText LivesLeft", "LoseLife"}, Case{2, "SetText OneLifeLeft", "LoseLife"},
                          Case{1, "SetText OneLifeLeft", "GameOver"}}) {
        SCOPED_TRACE(c.lives);
        MakePages();
        gameInfo.GameOverFlag() = false;
        Player& player = ActivePlayer();
        player.lives = c.lives;
        player.levelTime = 100.0f;
        player.levelNotComp = true;
        player.sunEnergy = 0.5f;
        player.bonusCount[1] = 7;
        GameField& board = EndingBoard(500);
        board._levelStartBonusCounts[1] = 2;
        board.StartEndLevelManager(1);
        EXPECT_EQ(Page("LoseLife", "LivesLeft")->received, std::vector<std::string>{c.text});
        EXPECT_EQ(player.lives, c.lives - 1) << "a panel of icons loses one at once";
        EXPECT_EQ(gameInfo.IsGameOver(), c.lives == 1);
        EXPECT_FALSE(player.levelNotComp);
        EXPECT_EQ(player.sunEnergy, 0.0f);
        EXPECT_EQ(Controllers(board, "DecLives").size(), 1u);
        const float ran = RunToEnd(board);
        EXPECT_NEAR(ran, 5.5f + 3.5f, 0.1f) << "the count-up, then the wait";
        EXPECT_EQ(LayerStack(), (std::vector<std::string>{"Fade_2", c.page}));
        EXPECT_EQ(player.bonusCount[1], 2) << "the bonuses of the attempt go back";
        EXPECT_EQ(board._shownLives, c.lives - 1);
        Frames(1.0f);
        EXPECT_EQ(Page("Fade_2", "Fade_2")->color.a, 150);
        EXPECT_EQ(Page(c.page, c.page)->color.a, 255);
        Drain();
    }
    EXPECT_NE(LogText().find("Lose last life"), std::string::npos);
    EXPECT_NE(LogText().find("Lifes: 2"), std::string::npos);
}

TEST_F(EndLevelTest, ALostAttemptGivesBackItsBonusSquaresButKeepsTheLifeBonusesTaken)
{
    Player& player = ActivePlayer();
    player.levelTime = 100.0f;
    player.levelInfos.assign(7, std::vector<LevelInfo>(15));
    GameField& board = EndingBoard(0);
    board._levelInfo = LevelInfo();
    board._levelInfo.takedBonus[0] = 1;
    LevelInfo during;
    during.takedBonus[0] = 3;
    during.takedBonus[4] = 2;
    board.StoreCurrentLevelInfo(during);
    board.StartEndLevelManager(1);
    RunToEnd(board);
    const LevelInfo after = board.CurrentLevelInfo();
    EXPECT_EQ(after.takedBonus[0], 1);
    EXPECT_EQ(after.takedBonus[4], 2);
}

TEST_F(EndLevelTest, AManagerStoppedByTheResetWritesTheProfileButLeavesTheScreenAlone)
{
    MakePages();
    Player& player = ActivePlayer();
    player.levelTime = 100.0f;
    player.bonusCount[0] = 9;
    GameField& board = EndingBoard(0);
    board._levelStartBonusCounts[0] = 4;
    board.StartEndLevelManager(1);
    Frames(1.0f);
    board.Reset();
    Frames(kFrameStep);
    EXPECT_TRUE(Controllers(board, "EndLevelManager").empty());
    EXPECT_EQ(player.bonusCount[0], 4);
    EXPECT_EQ(player.lives, 2);
    EXPECT_EQ(LayerStack(), std::vector<std::string>{""}) << "no page pushed";
    EXPECT_EQ(Page("Fade_2", "Fade_2")->color.a, Color().a) << "no veil faded";
}

TEST_F(EndLevelTest, MissingPagesAreLoggedAndSkipped)
{
    GameField& board = EndingBoard(500);
    board.StartEndLevelManager(0);
    g_input.buttonDown = true;
    Frames(kFrameStep);
    g_input = InputState();
    RunToEnd(board);
    EXPECT_GT(ErrorLines(), 0);
    EXPECT_NE(LogText().find("No layer"), std::string::npos);
    EXPECT_TRUE(LayerStack().back().empty());
}

// ----------------------------------------------------------------- texts

TEST_F(EndLevelTest, ALetterTextPlaysItsSoundOnceWhenItBeginsToShowAndTellsTheBoardAtItsEnd)
{
    GameField& board = EndingBoard(0);
    board._isActive = true;
    auto* text = new LetterText(Point(537, 300), "Go", LetterText::Picture(), -0.5f, 0.8f, &board, 3);
    text->SetSound("Go");
    text->SetMessage("SetActive");
    board.AddController(text);
    EXPECT_FLOAT_EQ(text->_time, -0.4f);
    Frames(0.45f);
    EXPECT_TRUE(text->_soundPending) << "still waiting";
    EXPECT_EQ(_samples.Count("Go"), 0);
    Frames(0.1f);
    EXPECT_FALSE(text->_soundPending);
    EXPECT_EQ(_samples.Count("Go"), 1);
    EXPECT_TRUE(board._isActive);
    Frames(2.0f);
    EXPECT_TRUE(Controllers(board, "LetterText").empty());
    EXPECT_EQ(_samples.Count("Go"), 1) << "once";
    EXPECT_FALSE(board._isActive) << "its \"SetActive\" came without a parameter";
}

TEST_F(EndLevelTest, ALetterTextInTheLastingModeStaysUntilStoppedAndThenTellsNothing)
{
    GameField& board = EndingBoard(0);
    board._isActive = true;
    auto* lasting = new LetterText(Point(537, 300), "Wait", LetterText::Picture(), 0.0f, 1.0f, &board, 7);
    lasting->SetMessage("SetActive");
    auto* passing = new LetterText(Point(537, 300), "Pass", LetterText::Picture(), 0.0f, 1.0f, &board, 1);
    board.AddController(lasting);
    board.AddController(passing);
    Frames(3.0f);
    EXPECT_EQ(Controllers<LetterText>(board, "LetterText"), std::vector<LetterText*>{lasting});
    board.StopController("LetterText");
    Frames(kFrameStep);
    EXPECT_TRUE(Controllers(board, "LetterText").empty());
    EXPECT_TRUE(board._isActive) << "no \"SetActive\" sent";
}

TEST_F(EndLevelTest, TheModesFillTheirCurvesAndAnUnknownModeShowsNothing)
{
    GameField& board = EndingBoard(0);
    struct Case {
        int mode;
        float scaleAtStart;
        int alphaAtMiddle;
        float offsetYAtEnd;
    };
    for (const Case& c : {Case{1, 0.0f, 255, 0.0f}, Case{5, 2.7f, 255, 0.0f}, Case{8, 0.0f, 255, 8.0f},
                          Case{0, 0.0f, 0, 0.0f}, Case{9, 0.0f, 0, 0.0f}}) {
        SCOPED_TRACE(c.mode);
        LetterText text(Point(0, 0), "A", LetterText::Picture(), 0.0f, 1.0f, &board, c.mode);
        EXPECT_FLOAT_EQ(text.ScaleAt(0.0f), c.scaleAtStart);
        EXPECT_EQ(text.AlphaAt(0.5f), c.alphaAtMiddle);
        EXPECT_FLOAT_EQ(text._offsetY.getGlobalFrame(1.0f), c.offsetYAtEnd);
    }
}

TEST_F(EndLevelTest, TheLevelCompleteLettersStandSideBySideAndComeOneAfterAnother)
{
    GameField& board = EndingBoard(0);
    board._levelCompleteText = "ABC";
    board.StartEndLevelManager(0);
    const std::vector<LetterText*> letters = Controllers<LetterText>(board, "LetterText");
    ASSERT_EQ(letters.size(), 3u);
    for (std::size_t k = 0; k < letters.size(); ++k) {
        EXPECT_EQ(letters[k]->_text, std::string(1, static_cast<char>('A' + k)));
        EXPECT_FLOAT_EQ(letters[k]->_time, -0.08f * static_cast<float>(k) * 0.2f);
        EXPECT_EQ(letters[k]->_message, "LevelComplete");
        EXPECT_EQ(letters[k]->_mode, 5);
    }
    EXPECT_LT(letters[0]->_textPoint.x, letters[2]->_textPoint.x);
}

// ------------------------------------------------------------ the lives

TEST_F(EndLevelTest, ABrokenLifeIconIsTakenAtOnceUpToThreeLivesElseWhenItBreaks)
{
    struct Case {
        int lives;
        bool atOnce;
        float iconX;
    };
    for (const Case& c : {Case{3, true, 61.0f}, Case{1, true, 31.0f}, Case{4, false, 31.0f}, Case{6, false, 31.0f}}) {
        SCOPED_TRACE(c.lives);
        ActivePlayer().lives = c.lives;
        GameField& board = EndingBoard(0);
        board.StartDecLives();
        const std::vector<DecLives*> effects = Controllers<DecLives>(board, "DecLives");
        ASSERT_EQ(effects.size(), 1u);
        DecLives* broken = effects.front();
        EXPECT_FLOAT_EQ(broken->_iconX, c.iconX);
        EXPECT_EQ(ActivePlayer().lives, c.atOnce ? c.lives - 1 : c.lives);
        Frames(2.9f);
        EXPECT_EQ(ActivePlayer().lives, c.atOnce ? c.lives - 1 : c.lives);
        EXPECT_NEAR(broken->_halves[0].y, 240.0f, 1.0f) << "it trembles in place";
        Frames(0.2f);
        EXPECT_EQ(ActivePlayer().lives, c.lives - 1);
        EXPECT_EQ(board._shownLives, c.lives - 1);
        float t = 0.0f;
        while (!Controllers(board, "DecLives").empty() && t < 20.0f) {
            Frames(kFrameStep);
            t += kFrameStep;
        }
        EXPECT_LT(t, 20.0f) << "the halves fall off the screen";
        EXPECT_EQ(ActivePlayer().lives, c.lives - 1) << "one life only";
    }
}

TEST_F(EndLevelTest, ABrokenLifeStoppedEarlyStillTakesTheLife)
{
    ActivePlayer().lives = 5;
    GameField& board = EndingBoard(0);
    board.StartDecLives();
    Frames(1.0f);
    board.StopController("DecLives");
    Frames(kFrameStep);
    EXPECT_EQ(ActivePlayer().lives, 4);
}

TEST_F(EndLevelTest, AnAddedLifeCountsAtOnceAndBeatsAfterASecond)
{
    ActivePlayer().lives = 2;
    GameField& board = EndingBoard(0);
    board.AddLifeEffect();
    EXPECT_EQ(ActivePlayer().lives, 3);
    EXPECT_EQ(board._shownLives, 3);
    LifeBonus* bonus = Controllers<LifeBonus>(board, "AddLife").front();
    Frames(0.9f);
    EXPECT_LT(bonus->_time, 0.0f) << "still waiting";
    Frames(0.2f);
    EXPECT_GE(bonus->_time, 0.0f);
    EXPECT_FLOAT_EQ(LifeBonus::Beat(0.0f), 1.0f);
    EXPECT_NEAR(LifeBonus::Beat(1.0f / 6.0f), 1.1f, 1e-4f);
    Frames(2.0f);
    EXPECT_TRUE(Controllers(board, "AddLife").empty()) << "a second's wait and two seconds of beats";
}

TEST_F(EndLevelTest, AnAddedLifeSaysSoBesideTheLives)
{
    const StringTable texts = {{"ExtraLife", "An extra life!"}};
    g_stringTable = &texts;
    GameField& board = EndingBoard(0);
    board.AddLifeEffect();
    const std::vector<ScoreLevitation*> words = EffectsOf<ScoreLevitation>(board);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0]->_text, "An extra life!");
    EXPECT_LT(words[0]->_point.x, 274) << "in the panel, by the lives";
    g_stringTable = nullptr;
}

} // namespace
