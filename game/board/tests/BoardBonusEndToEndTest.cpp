// The bonuses and the sun played in the real program's library: a bonus
// square at the bottom of the board flies to its button, a match floats its
// score, and every stock bonus and the charged sun are fired with the mouse. Pictures of the board
// are saved mid-effect for a look.

#include "BoardSession.h"

#include "app/GameFrameServices.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/Random.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/BonusMover.h"
#include "game/board/effects/FieldEffect.h"
#include "game/board/effects/KillerSun.h"
#include "game/board/effects/ScoreLevitation.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "tests/support/GlTestContext.h"

#include <algorithm>
#include <cstdlib>

using namespace testing_support;

namespace {

// The game folder of the board's session, with the effects' pictures, the
// particle effects and a level whose bottom row holds a bomb bonus.
void PrepareBonusGame(EndToEndGame& game)
{
    PrepareBoardGame(game);
    WriteBoardLevel(game, {"111111AA", "11111111", "11111111", "11111111", "11111111", "11111111", "11111111",
                           "11B11111"});

    const std::string data = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data/";
    std::filesystem::create_directories(game.File("textures/effects"));
    std::string pictures;
    const struct {
        const char* id;
        const char* file;
    } kPictures[] = {{"flash", "effects/flash.png"},           {"flash_ball", "effects/flash_ball.png"},
                     {"Energy2", "effects/energy2.png"},       {"FramePiece", "effects/frame_piece.png"},
                     {"squarePieces", "effects/chip_shards.png"}, {"squarePieces2", "effects/cover_shards.png"},
                     {"particle", "particle.png"},             {"spark", "spark.png"}};
    for (const auto& picture : kPictures) {
        std::filesystem::copy_file(data + "textures/" + picture.file, game.File(std::string("textures/") + picture.file));
        pictures += std::string("<texture2D id='") + picture.id + "' path='textures\\" + picture.file + "'/>";
    }
    // The board screen's pictures and fonts ("scores" among them) come from
    // the board's own resource list; these are the effects' own.
    WriteTextFile(game.File("resources.xml"), "<Resources><Textures2D>" + pictures + "</Textures2D></Resources>");
    for (const char* file : {"particles.xml", "effects.xml"})
        WriteTextFile(game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
    WriteTextFile(game.File("start.lua"), "LoadResource('board_resources.xml')\n"
                                          "LoadResource('resources.xml')\n"
                                          "LoadParticles('particles.xml')\n"
                                          "LoadEffects('effects.xml')\n"
                                          "gameInfo:LoadLevelMap()\n"
                                          "GUI:LoadLayers(\"Board.xml\")\n"
                                          "Screen:pushLayer(GUI:getLayer(\"Board\"))\n"
                                          "StartBoard()\n"
                                          "ShowWindowIfNoSplashes()\n");
}

// The board's effects drawn over the screen, saved as the test's picture.
void SavePictureOf(GameField& board, const std::string& suffix)
{
    GameFrameServices services;
    services.BeginFrame();
    services.DrawScreen(false);
    board.DrawEffectsByPass();
    SaveScreenPicture(TestPicturePath(suffix));
}

template <typename T>
int EffectsOf(const GameField& board)
{
    return static_cast<int>(std::count_if(board._fieldEffects.begin(), board._fieldEffects.end(),
                                          [](FieldEffect* effect) { return dynamic_cast<T*>(effect) != nullptr; }));
}

Point ButtonCentre(const GameField& board, int button)
{
    const HoverRect& rect = board._bonusButtons[button];
    return Point(static_cast<int>(rect.left) + 20, static_cast<int>(rect.top) + 20);
}

TEST(BoardBonusEndToEnd, AMatchFloatsItsScoreABonusFliesToItsButtonAndEveryBonusAndTheSunAreFired)
{
    FixedSeed seed(19);
    EndToEndGame game("Board");
    PrepareBonusGame(game);
    ASSERT_TRUE(game.Start());
    BoardSession session(game);
    ASSERT_TRUE(session.Begin());
    GameField& board = *session.board;

    // The level starts; the bomb square reaches the bottom and flies to its
    // button.
    bool flew = false;
    for (int i = 0; i < 12 * 60 && !flew; ++i) {
        session.Frames(1);
        flew = EffectsOf<BonusMover>(board) > 0;
    }
    ASSERT_TRUE(board.HasLevel());
    ASSERT_TRUE(flew);
    session.Frames(30);
    SavePictureOf(board, "_bonus_flies");
    ASSERT_TRUE(session.Settle());
    EXPECT_EQ(board._bonusButtons[3].count, 1);

    // A move breaks its chips and floats its score.
    const std::list<MoveRecord> moves = board.FindMoves();
    ASSERT_FALSE(moves.empty());
    const int score = board._score;
    session.Click(BoardSession::CellCentre(board, moves.front().x1, moves.front().y1));
    session.Click(BoardSession::CellCentre(board, moves.front().x2, moves.front().y2));
    bool floated = false;
    for (int i = 0; i < 60 && !floated; ++i) {
        session.Frames(1);
        floated = EffectsOf<ScoreLevitation>(board) > 0;
    }
    EXPECT_TRUE(floated);
    session.Frames(10);
    SavePictureOf(board, "_match");
    ASSERT_TRUE(session.Settle());
    EXPECT_GT(board._score, score);

    // The bomb: its button, then a cell.
    session.Click(ButtonCentre(board, 3));
    session.Click(BoardSession::CellCentre(board, 3, 3));
    EXPECT_TRUE(board._isBlocked);
    EXPECT_EQ(EffectsOf<SquareDestroyerShatter>(board), 13);
    session.Frames(8);
    SavePictureOf(board, "_bomb");
    ASSERT_TRUE(session.Settle());
    EXPECT_EQ(board._bonusButtons[3].count, 0);

    // The flash on a chip.
    board._bonusButtons[0].count = 1;
    session.Click(ButtonCentre(board, 0));
    session.Click(BoardSession::CellCentre(board, 4, 4));
    session.Frames(20);
    SavePictureOf(board, "_flash");
    ASSERT_TRUE(session.Settle());
    EXPECT_EQ(board._bonusButtons[0].count, 0);

    // The time bonus fires on the release over its button.
    board._bonusButtons[1].count = 1;
    board._elapsed = 50.0f;
    session.Click(ButtonCentre(board, 1));
    EXPECT_TRUE(board._timeBonusRunning);
    session.Frames(5 * 60);
    EXPECT_FALSE(board._timeBonusRunning);
    EXPECT_LT(board._elapsed, 50.0f);
    EXPECT_EQ(board._bonusButtons[1].count, 0);

    // The charged sun, pressed and released.
    board._sunComplete = true;
    board._sunEnergy = 1.0f;
    session.Click(Point(board._sunPosition.x + 50, board._sunPosition.y + 50));
    EXPECT_EQ(EffectsOf<KillerSun>(board), 1);
    session.Frames(90);
    SavePictureOf(board, "_sun");
    ASSERT_TRUE(session.Settle());
    EXPECT_FALSE(board._sunStrike);
    EXPECT_EQ(EffectsOf<KillerSun>(board), 0);

    const std::string log = ReadTextFile(game.File("log.htm"));
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << log;
}

} // namespace
