// The board's effects started by its flows: the floating score and chain
// texts, the chips flying into the sun, and the bonuses (the charged sun,
// the bomb, the thunder, the time bonus and the flash), and the frame about
// two cells of a hint or a tip.

#include "game/board/GameField.h"

#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "game/board/FallingRunner.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/SquareLight.h"
#include "game/board/TimeBonus.h"
#include "game/board/WonderBonus.h"
#include "game/board/effects/ChipSunEnergy.h"
#include "game/board/effects/ComboText.h"
#include "game/board/effects/KillerSun.h"
#include "game/board/effects/ScoreLevitation.h"
#include "game/board/effects/SimpleFrame.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The chips the sun strikes besides those under bonuses and pieces.
constexpr int kSunRandomTargets = 10;
// Where the time bonus's sparkle shows: the middle of the timer bar.
constexpr float kTimerBarX = 537.0f;
constexpr float kTimerBarY = 18.0f;

bool InBombBlast(int dx, int dy)
{
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    return (ax <= 1 && ay <= 1) || (ax == 2 && ay == 0) || (ax == 0 && ay == 2);
}

} // namespace

// ------------------------------------------------------------------ texts

void GameField::ShowScoreText(const std::string& text, const Point& at, int chainLevel, bool silent)
{
    AddController(new ScoreLevitation(text, at, this, chainLevel, silent));
}

void GameField::ShowComboText(const std::string& pictureName, const Point& at, int width, int height)
{
    AddController(new ComboText("", at, this, g_resourceManager.GetTexture(pictureName), width, height));
}

void GameField::FlyChipToSun(const std::vector<Point>& cells)
{
    AddController(new ChipSunEnergy(cells, this));
}

// ---------------------------------------------------------------- bonuses

std::vector<Point> GameField::SunTargets()
{
    UpdateKindMap();
    std::vector<std::vector<bool>> flagged(static_cast<std::size_t>(std::max(_width, 0)),
                                           std::vector<bool>(static_cast<std::size_t>(std::max(_height, 0)), false));
    auto flag = [&flagged](int x, int y) { flagged[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = true; };
    auto isFlagged = [&flagged](int x, int y) {
        return flagged[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    };

    // The chips under bonuses and artefact pieces, and the musor.
    std::vector<Point> musor;
    for (int x = 0; x < _width; ++x) {
        int colourBelow = -1;
        for (int y = 0; y < _height; ++y) {
            const int kind = _kinds[x][y];
            if (kind == kKindMusor)
                musor.emplace_back(x, y);
            if (kind >= kKindBonus && kind < kKindIce && colourBelow >= 0)
                flag(x, colourBelow);
            if (IsSquareKind(kind))
                colourBelow = y;
        }
    }
    if (!musor.empty()) {
        const float count = static_cast<float>(musor.size());
        const auto index = static_cast<std::size_t>(static_cast<float>(RandomInt()) * (1.0f / 32767.0f) * (count - 0.001f));
        flag(musor[index].x, musor[index].y);
    }

    // Ten more colour squares at random, while any is left unflagged.
    auto unflaggedLeft = [&]() {
        for (int x = 0; x < _width; ++x)
            for (int y = 0; y < _height; ++y)
                if (IsSquareKind(_kinds[x][y]) && !isFlagged(x, y))
                    return true;
        return false;
    };
    for (int counted = 0; counted < kSunRandomTargets && unflaggedLeft();) {
        const int x = RandomInt() % _width;
        const int y = RandomInt() % _height;
        if (IsSquareKind(_kinds[x][y]) && !isFlagged(x, y)) {
            flag(x, y);
            ++counted;
        }
    }

    std::vector<Point> targets;
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            if (isFlagged(x, y))
                targets.emplace_back(x, y);
    return targets;
}

void GameField::DoSunBonus()
{
    _shineSound1 = false;
    _shineSound2 = false;
    _sunPulseEnd = std::trunc(_sunPulse) + 1.0f;
    StopController("SquareLight");
    StopController("SimpleFrame");
    g_sound.PlaySample("SunStart");
    if (ParticleEffect* shine = _shineEffect.Get())
        shine->Stop();
    _shineEffect = EffectHandle();
    SetBlocked(true, "GameField::DoSunBonus");
    AddController(new KillerSun(SunTargets(), this));
}

void GameField::DoBombBonus(int x, int y)
{
    gameInfo.ShowHint("BombBonusTip");
    StopController("SquareLight");
    StopController("SimpleFrame");
    kernel.Update(0.0f);
    effects.Add("BombExplode", static_cast<float>(_originX + _cellSize * x + 20),
                  static_cast<float>(_originY + _cellSize * y + 20));
    SetBlocked(true, "GameField::DoBombBonus");
    UpdateKindMap();

    std::vector<Point> blast;
    for (const std::unique_ptr<Square>& square : _squares)
        if (IsOnBoard(square->x, square->y) && _kinds[square->x][square->y] != kNoSquare &&
            InBombBlast(square->x - x, square->y - y))
            blast.emplace_back(square->x, square->y);
    std::sort(blast.begin(), blast.end(), [](const Point& a, const Point& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    blast.erase(std::unique(blast.begin(), blast.end()), blast.end());
    for (const Point& cell : blast)
        DestroySquare(cell.x, cell.y, 0.0f, kDestroyShatter, cell.x - x, cell.y - y);

    _isPlayerMove = false;
    RunFalling(200.0f, 0.005f, 0.001f);
    for (SwingPiece& ornament : _swingPieces)
        ornament.speed = (static_cast<float>(RandomInt()) * 20.0f / 32767.0f - 10.0f) / 3.0f;
    g_sound.PlaySample("Bomb");
}

void GameField::DoThunderBonus(int kind)
{
    const int colour = kind % 16;
    SetBlocked(true, "GameField::DoThunderBonus");
    std::vector<Point> struck;
    for (const std::unique_ptr<Square>& square : _squares) {
        const int k = square->kind;
        const bool takes = (k >= 0 && k < kKindStone) || (k >= kKindIce && k < kKindFixedLocked);
        if (takes && k % 16 == colour)
            struck.emplace_back(square->x, square->y);
    }
    std::sort(struck.begin(), struck.end(), [](const Point& a, const Point& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    for (const Point& cell : struck)
        DestroySquare(cell.x, cell.y, 0.0f, kDestroyThrow, 0, 0);
    _isPlayerMove = false;
    AddController(new FallingRunner(this, 5.0f, -80.0f));
}

void GameField::AddTimeBonus()
{
    if (_timeBonusRunning)
        return;
    g_sound.PlaySample("AddTime");
    AddController(new TimeBonus(0.3f * ActivePlayer().timeToLevel, _elapsed, this));
    _hurryShown = false;
    g_sound.FadeOutTrack("TimeOut", 2.0f);
    effects.Add("AddTimeBonus", kTimerBarX, kTimerBarY);
}

void GameField::StartWonderBonus(int x, int y)
{
    AddController(new WonderBonus(x, y, this));
}

void GameField::ShowFrame(int x1, int y1, int x2, int y2, float duration)
{
    const int left = _originX + std::min(x1, x2) * _cellSize;
    const int bottom = _originY + std::min(y1, y2) * _cellSize;
    const int width = _cellSize + std::abs(x2 - x1) * _cellSize;
    const int height = _cellSize + std::abs(y2 - y1) * _cellSize;
    AddController(new SimpleFrame(left - 4, bottom - 4, width + 8, height + 8, Color(255, 255, 255, 255), this, duration));
    for (const Point& cell : {Point(x1, y1), Point(x2, y2)})
        if (Square* square = FindSquare(cell.x, cell.y))
            AddController(new SquareLight(square, duration, this));
}
