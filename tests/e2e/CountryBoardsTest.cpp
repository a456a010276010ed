// The first board of each of the seven countries in the game folder that
// the build assembles, with the strict lookups on: its backdrop, frame and
// chips, the tip its level opens, the sun charged, a bonus chosen from the
// panel and the pause under the question before leaving. A picture of each
// is saved beside the test's output (country_boards/), with the run's
// log.htm, which must hold no error line.

#include "engine/script/ScriptHost.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

constexpr int kCountries = 7;
constexpr int kBombButton = 3;

class CountryBoardsTest : public GameFolderTest {
protected:
    CountryBoardsTest() : GameFolderTest("country_boards") { FixClockSeed(7); }
    ~CountryBoardsTest() override { UnfixClockSeed(); }

    static Widget* LayerWidget(const std::string& layer, const char* widget)
    {
        Layer* found = GUI.getLayer(layer);
        return found ? found->getWidget(widget) : nullptr;
    }

    void Press(const std::string& layer, const char* button)
    {
        const Widget* widget = LayerWidget(layer, button);
        ASSERT_NE(widget, nullptr) << layer << " " << button;
        Click(widget->rect.x + widget->rect.w / 2, 600 - (widget->rect.y + widget->rect.h / 2));
    }
};

} // namespace

TEST_F(CountryBoardsTest, EachCountrysFirstBoardWithItsTipSunBonusAndPause)
{
    PastTheSplashToTheMenu();
    ASSERT_EQ(TopLayer(), "MainMenu");
    ASSERT_TRUE(gameInfo.AddNewPlayer("Iris"));
    Player& iris = gameInfo.GetPlayer("Iris");
    iris.viewHistory = true;
    iris.firstMultIsShow = true;

    for (int country = 1; country <= kCountries; ++country) {
        SCOPED_TRACE(country);
        const std::string prefix = "c" + std::to_string(country) + "_";
        const std::string stage = "StageLayer_" + std::to_string(country);
        iris.stage = iris.maxStage = country;
        iris.level = iris.maxLevel = 1;
        iris.bonusCount[kBombButton] = 2;
        ASSERT_TRUE(CallScriptFunction("StartStageLevel"));
        Frames(kFadeFrames + 6 * kFramesPerSecond);
        ASSERT_EQ(TopLayer(), stage);
        auto* board = dynamic_cast<GameField*>(LayerWidget(stage, "GameField"));
        ASSERT_NE(board, nullptr);
        ASSERT_TRUE(board->HasLevel());
        EXPECT_EQ(board->_stage, country);

        // The tip the level opens, if any, closed by a press beside it.
        if (board->_isShowMessage) {
            Frames(kFramesPerSecond);
            Picture(prefix + "1_tip");
            Click(20, 20);
            Frames(kFramesPerSecond);
        }
        ASSERT_FALSE(board->_isShowMessage);
        Picture(prefix + "2_board");

        // The sun charged to the full.
        for (int run = 0; run < 100 && !board->_sunComplete; ++run)
            board->AddSunEnergy(5);
        EXPECT_TRUE(board->_sunComplete);
        Frames(kFramesPerSecond);
        Picture(prefix + "3_sun_charged");

        // The bomb chosen from the panel: its button lit, its tip up.
        const HoverRect& bomb = board->_bonusButtons[kBombButton];
        EXPECT_GT(bomb.count, 0);
        // (The buttons' places count y upward from the bottom.)
        Click(static_cast<int>(bomb.left) + bomb.size / 2, 600 - (static_cast<int>(bomb.top) + bomb.size / 2));
        Frames(kFramesPerSecond / 2);
        EXPECT_EQ(board->_selectedBonus, kBombButton);
        Picture(prefix + "4_bomb_chosen");

        // Escape pauses the board under the question; Yes leads to the menu.
        Key(SDLK_ESCAPE);
        Frames(kFramesPerSecond / 2);
        const std::string question = TopLayer();
        ASSERT_TRUE(question == "ExitGame" || question == "ExitGameNoLostLife") << question;
        Picture(prefix + "5_paused");
        Press(question, "Yes");
        Frames(kFadeFrames);
        ASSERT_EQ(TopLayer(), "MainMenu");
        iris.lives = 3;
    }

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}
