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

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kCountries = 7;
// The side panel's title plate, screen pixels from the top left.
constexpr struct {
    int left, top, right, bottom;
} kTitlePlate{18, 14, 262, 68};

class CountryBoardsTest : public GameFolderTest {
protected:
    CountryBoardsTest() : GameFolderTest("country_boards") { FixClockSeed(7); }
    ~CountryBoardsTest() override { UnfixClockSeed(); }

    static Widget* LayerWidget(const std::string& layer, const char* widget)
    {
        Layer* found = GUI.getLayer(layer);
        return found ? found->getWidget(widget) : nullptr;
    }

    // The columns and rows where the level title's pixels lie: the screen
    // drawn with the title and without it, compared.
    void TitleExtent(GameField& board, const std::string& title, int& left, int& right, int& top, int& bottom)
    {
        const std::string kept = board._title;
        int w = 0, h = 0;
        board._title = title;
        const std::vector<std::uint8_t> with = ScreenPixels(w, h);
        board._title.clear();
        const std::vector<std::uint8_t> without = ScreenPixels(w, h);
        board._title = kept;
        left = w;
        right = -1;
        top = h;
        bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 4;
                if (std::abs(with[i] - without[i]) + std::abs(with[i + 1] - without[i + 1]) + std::abs(with[i + 2] - without[i + 2]) <= 24)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
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
    Player* const newProfile = NewProfileOnTheMenu("Iris");
    ASSERT_NE(newProfile, nullptr) << TopLayer();
    Player& iris = *newProfile;

    for (int country = 1; country <= kCountries; ++country) {
        SCOPED_TRACE(country);
        const std::string prefix = "c" + std::to_string(country) + "_";
        const std::string stage = "StageLayer_" + std::to_string(country);
        iris.stage = iris.maxStage = country;
        iris.level = iris.maxLevel = 1;
        iris.bonusCount[kBombButton] = 2;
        // Each country's board starts with the profile's sun: empty here, so
        // that the sun stands still until this country's charge below.
        iris.sunEnergy = 0.0f;
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

        // The title of the country's last level stays on the panel's title
        // plate, clear of the board's frame.
        int left = 0, right = 0, top = 0, bottom = 0;
        TitleExtent(*board, board->_title + "5", left, right, top, bottom);
        ASSERT_GE(right, left) << "no title drawn";
        EXPECT_GE(left, kTitlePlate.left) << board->_title << "5";
        EXPECT_LE(right, kTitlePlate.right) << board->_title << "5";
        EXPECT_GE(top, kTitlePlate.top) << board->_title << "5";
        EXPECT_LE(bottom, kTitlePlate.bottom) << board->_title << "5";

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
