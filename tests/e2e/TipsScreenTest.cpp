// The board's teaching and help in the game folder that the build
// assembles: a new profile's first level opens a tip box over the board
// (its check box and button take presses, a press beside it closes it), an
// idle player's hint frames a move, a dead board reshuffles in a wave, and a
// won artefact grows under the veil and is handed to the shield. Pictures
// of each are saved beside the test's output (tips_screens/), with the
// run's log.htm.

#include "game/board/GameField.h"
#include "game/board/ShowMessage.h"
#include "game/screens/MessageBox.h"
#include "game/screens/Shield.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/widgets/CheckBox.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

class TipsScreenTest : public GameFolderTest {
protected:
    TipsScreenTest() : GameFolderTest("tips_screens") {}

    // From the splash to the first stage's board of a new profile, settled.
    GameField* FirstBoard()
    {
        Frames(30);
        Click(400, 300);
        Frames(kFadeFrames);
        Key(SDLK_SPACE);
        Frames(kFadeFrames);
        if (TopLayer() != "MainMenu" || !gameInfo.AddNewPlayer("Hanno"))
            return nullptr;
        gameInfo.setViewHistory(true);
        Click(620, 260);
        Frames(kFadeFrames);
        Click(690, 506);
        Frames(kFadeFrames);
        Layer* stage = GUI.getLayer("StageLayer_1");
        auto* board = stage ? dynamic_cast<GameField*>(stage->getWidget("GameField")) : nullptr;
        Frames(6 * kFramesPerSecond);
        return board;
    }

    // The middle of a widget on the screen, y counted from the top.
    static Point Middle(const Widget& widget)
    {
        return Point(widget.rect.x + widget.rect.w / 2, 600 - (widget.rect.y + widget.rect.h / 2));
    }
};

TEST_F(TipsScreenTest, ATipBoxAHintAReshuffleAndAnArtefactHandedToTheShield)
{
    GameField* board = FirstBoard();
    ASSERT_NE(board, nullptr);
    ASSERT_EQ(TopLayer(), "StageLayer_1");

    // The first level opens its first lesson once the chips have landed.
    for (int frame = 0; frame < 10 * kFramesPerSecond && !board->_isShowMessage; ++frame)
        Frames(1);
    ASSERT_TRUE(board->_isShowMessage) << "a tip opens on the first level";
    Frames(kFramesPerSecond);
    Picture("01_tip_box_on_the_board");
    Layer* stage = GUI.getLayer("StageLayer_1");
    auto* box = dynamic_cast<MessageBox*>(stage->getWidget(kTipBoxName));
    ASSERT_NE(box, nullptr) << "the box lives in the board's layer";
    CheckBox* check = box->GetCheckBox();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(board->_tipBoxValue, check);

    // Its check box takes a press and the tip stays up.
    const Point onCheck = Middle(*check);
    Click(onCheck.x, onCheck.y);
    EXPECT_FALSE(check->state);
    EXPECT_TRUE(board->_isShowMessage);
    EXPECT_FALSE(board->_closeTip);
    Picture("02_tip_box_unticked");
    Click(onCheck.x, onCheck.y);
    EXPECT_TRUE(check->state);

    // A press beside the box closes it; the box leaves the layer.
    Click(20, 20);
    Frames(kFramesPerSecond);
    EXPECT_FALSE(board->_isShowMessage);
    EXPECT_EQ(stage->getWidget(kTipBoxName), nullptr);
    EXPECT_EQ(board->_tipBoxValue, nullptr);

    // An idle player's hint frames a move.
    ActivePlayer().ShowHint("msg_1");
    board->ShowHint();
    Frames(kFramesPerSecond / 2);
    Picture("03_hint_frame");

    // A dead board's reshuffle: the wave runs out from the bottom-left cell.
    board->NoMoves("No moves! Reshuffle...");
    EXPECT_TRUE(board->_isBlocked);
    Frames(kFramesPerSecond * 2);
    Picture("04_reshuffle_wave");
    Frames(kFramesPerSecond * 2);
    EXPECT_FALSE(board->_reshuffleRunning);
    EXPECT_FALSE(board->_isBlocked);
    EXPECT_FALSE(board->FindMoves().empty());
    Picture("05_after_the_reshuffle");

    // The statistics page's "Ok" after a level that opened a new country:
    // the pages over the board go, the artefact grows under the veil, then
    // the shield's screen takes it.
    board->_stageIndex = 0;
    Screen.pushLayer(GUI.getLayer("Fade"));
    Screen.pushLayer(GUI.getLayer("Statistics"));
    ASSERT_EQ(TopLayer(), "Statistics");
    gameInfo.setNeedCollectArtefact(true);
    PostMessage(Message("Ok", "press"));
    Frames(2);
    EXPECT_EQ(TopLayer(), "StageLayer_1");
    // The board's message table starts the hand-over on "StartCollectArtefact".
    Frames(3 * kFramesPerSecond);
    EXPECT_TRUE(board->_veilOn);
    Picture("06_artefact_growing");
    for (int frame = 0; frame < 6 * kFramesPerSecond && board->_artefactProgress < 1.0f; ++frame)
        Frames(1);
    Picture("06b_artefact_grown");
    for (int frame = 0; frame < 6 * kFramesPerSecond && TopLayer() != "Shield"; ++frame)
        Frames(1);
    ASSERT_EQ(TopLayer(), "Shield");

    // The shield shows the artefact where it stood on the board and turns
    // its gem on under a ray, once: from the moment it opens, the gem never
    // dims and ends fully lit, no second veil darkens the gems and nothing
    // carries the artefact's slot off its place. The player's press sets
    // the artefact.
    auto* shield = dynamic_cast<Shield*>(GUI.getLayer("Shield")->getWidget("Shield"));
    ASSERT_NE(shield, nullptr);
    const ShieldGem& gem = shield->gems[0];
    const ArtefactSlot& slot = shield->slots[0];
    int dimmings = 0;
    int veiledFrames = 0;
    int slotAwayFrames = 0;
    int lastAlpha = gem.alpha;
    for (int frame = 1; frame <= 11 * kFramesPerSecond; ++frame) {
        Frames(1);
        dimmings += gem.alpha < lastAlpha ? 1 : 0;
        lastAlpha = gem.alpha;
        veiledFrames += shield->overlayAlpha > 0 ? 1 : 0;
        slotAwayFrames += slot.position.x != slot.home.x || slot.position.y != slot.home.y ? 1 : 0;
        if (frame == kFramesPerSecond)
            Picture("07_shield_takes_the_artefact");
        if (frame == 3 * kFramesPerSecond)
            Picture("07b_shield_gem_under_its_ray");
    }
    EXPECT_EQ(dimmings, 0);
    EXPECT_EQ(gem.alpha, 255);
    EXPECT_EQ(veiledFrames, 0) << "no second veil over the gems";
    EXPECT_EQ(slotAwayFrames, 0);
    EXPECT_TRUE(shield->highlightEnabled);
    EXPECT_EQ(shield->takenSlot, 0) << "the artefact waits for the player's press";
    Click(400, 300);
    EXPECT_EQ(shield->takenSlot, -1);
    EXPECT_TRUE(slot.placed);
    Frames(kFramesPerSecond);
    Picture("07c_shield_artefact_set");

    // Back from the shield the player sets out for the country just opened:
    // the sail, its scene, then the map.
    ActivePlayer().stage = 2;
    ActivePlayer().level = 1;
    PostMessage(Message("ToMap", "press"));
    Frames(kFramesPerSecond * 2);
    EXPECT_EQ(TopLayer(), "Sail");
    Frames(kFramesPerSecond * 6);
    EXPECT_EQ(TopLayer(), "CountryScene");
    PostMessage(Message("Continue", "press"));
    Frames(kFramesPerSecond * 2);
    EXPECT_EQ(TopLayer(), "Map");
    Picture("08_map_in_the_new_country");

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}

} // namespace
