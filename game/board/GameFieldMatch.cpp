// The match check and what it sets off: the runs of three or more found,
// scored and destroyed, the chain of passes of one move, the fruitless swap
// sent back; the destruction of one square, the score, the sun's energy and
// the ice.

#include "game/board/GameField.h"

#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/FallingRunner.h"
#include "game/board/LineRuns.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "game/board/effects/SquareDestroyerThrow.h"
#include "game/state/GameInfo.h"
#include "gui/StringTable.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The work grids of one pass: one cell more than the largest board each way.
constexpr int kWorkSide = LevelGrid::kSide + 1;

struct RunGrids {
    int colour[kWorkSide][kWorkSide];
    bool vertical[kWorkSide][kWorkSide];
    bool horizontal[kWorkSide][kWorkSide];
    float spread[kWorkSide][kWorkSide];

    RunGrids()
    {
        for (int x = 0; x < kWorkSide; ++x) {
            for (int y = 0; y < kWorkSide; ++y) {
                colour[x][y] = -1;
                vertical[x][y] = false;
                horizontal[x][y] = false;
                spread[x][y] = -1.0f;
            }
        }
    }
};

// The chain pictures of the fifth, ninth and twelfth pass.
struct ComboStep {
    int pass;
    const char* name;
    int size;
    int GameField::*sinceCounter;
};
const ComboStep kComboSteps[] = {{5, "Chain1", 80, &GameField::_movesSinceChain5},
                                 {9, "Chain2", 120, &GameField::_movesSinceChain9},
                                 {12, "Chain3", 200, &GameField::_movesSinceChain12}};

int Rounded(float value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

// The runs of one pass, the groups they form and the points of their texts.
struct GameField::MatchPass {
    RunGrids grids;
    int groups = 0;
    int sumX = 0;
    int sumY = 0;
    int highestY = 0;
    bool anyPoint = false;

    void AddPoint(const Point& p)
    {
        sumX += p.x;
        sumY += p.y;
        highestY = anyPoint ? std::max(highestY, p.y) : p.y;
        anyPoint = true;
    }
};

bool GameField::CheckMatch3(bool testOnly, bool keepKinds, bool eraseMatched)
{
    if (!_matchEnabled)
        return false;
    if (_isPlayerMove)
        _piecesThisMove = 0;
    if (!keepKinds)
        UpdateKindMap();

    MatchPass pass;
    RunGrids& g = pass.grids;
    bool found = false;
    // A help board's lessons leave the profile's counts alone.
    const auto countRun = [&found, testOnly, this]() {
        found = true;
        if (!testOnly && !_isHelpMode)
            ActivePlayer().numMatches += 1;
    };
    for (int x = 0; x < _width; ++x) {
        ForEachRun(_height, [this, x](int y) { return _kinds[x][y]; },
                   [&, x](int start, int n, int colour) {
                       countRun();
                       for (int y = start; y < start + n; ++y) {
                           g.colour[x][y] = colour;
                           g.vertical[x][y] = true;
                           g.spread[x][y] = 10.0f;
                       }
                   });
    }
    for (int y = 0; y < _height; ++y) {
        ForEachRun(_width, [this, y](int x) { return _kinds[x][y]; },
                   [&, y](int start, int n, int colour) {
                       countRun();
                       for (int i = 0; i < n; ++i) {
                           const int x = start + i;
                           g.colour[x][y] = colour;
                           g.horizontal[x][y] = true;
                           g.spread[x][y] = (static_cast<float>(i) - static_cast<float>(n) * 0.5f) + 10.5f;
                       }
                   });
    }

    if (testOnly) {
        if (eraseMatched)
            for (int x = 0; x < _width; ++x)
                for (int y = 0; y < _height; ++y)
                    if (g.vertical[x][y] || g.horizontal[x][y])
                        _kinds[x][y] = kNoSquare;
        return found;
    }
    if (!found) {
        EndMove();
        return false;
    }

    if (_isPlayerMove) {
        _movesSinceChain5 += 1;
        _movesSinceChain9 += 1;
        _movesSinceChain12 += 1;
    }
    StopController("SquareLight");
    StopController("SimpleFrame");
    _chainStep += 1;
    ResolveGroups(pass);
    ResolveRunsOfThree(pass);
    ShowChain(pass);
    g_sound.PlaySample("Match" + IntToString(std::min(_chainStep, 8)));

    if (_isPlayerMove)
        _moveCount += 1;
    _idleTime = 0.0f;
    CheckBonusOrArtefactDown(false);
    AddController(new FallingRunner(this, 5.0f, -80.0f));
    _isPlayerMove = false;
    return true;
}

void GameField::ResolveGroups(MatchPass& pass)
{
    RunGrids& g = pass.grids;
    // The flags are followed on copies; a cell is taken once.
    bool vertical[kWorkSide][kWorkSide];
    bool horizontal[kWorkSide][kWorkSide];
    bool taken[kWorkSide][kWorkSide] = {};
    std::copy(&g.vertical[0][0], &g.vertical[0][0] + kWorkSide * kWorkSide, &vertical[0][0]);
    std::copy(&g.horizontal[0][0], &g.horizontal[0][0] + kWorkSide * kWorkSide, &horizontal[0][0]);

    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            if (!vertical[x][y] && !horizontal[x][y])
                continue;
            std::vector<Point> group{Point(x, y)};
            taken[x][y] = true;
            // Each cell of the group brings in the runs through it.
            for (std::size_t k = 0; k < group.size(); ++k) {
                const Point c = group[k];
                for (int axis = 0; axis < 2; ++axis) {
                    bool (&flags)[kWorkSide][kWorkSide] = axis == 0 ? vertical : horizontal;
                    if (!flags[c.x][c.y])
                        continue;
                    const int dx = axis == 0 ? 0 : 1;
                    const int dy = axis == 0 ? 1 : 0;
                    const int colour = g.colour[c.x][c.y];
                    const auto inRun = [&](int cx, int cy) {
                        return cx >= 0 && cy >= 0 && cx < _width && cy < _height && flags[cx][cy] &&
                               g.colour[cx][cy] == colour;
                    };
                    int sx = c.x;
                    int sy = c.y;
                    while (inRun(sx - dx, sy - dy)) {
                        sx -= dx;
                        sy -= dy;
                    }
                    for (; inRun(sx, sy); sx += dx, sy += dy) {
                        flags[sx][sy] = false;
                        if (!taken[sx][sy]) {
                            taken[sx][sy] = true;
                            group.emplace_back(sx, sy);
                        }
                    }
                }
            }
            if (group.size() >= 4)
                DestroyGroup(pass, group);
        }
    }
}

void GameField::DestroyGroup(MatchPass& pass, const std::vector<Point>& group)
{
    RunGrids& g = pass.grids;
    const int n = static_cast<int>(group.size());
    pass.groups += 1;
    FlyChipToSun(group);
    g_sound.PlaySample("ChipToSun");
    int sumX = 0;
    int sumY = 0;
    const float cell = static_cast<float>(_cellSize);
    for (const Point& c : group) {
        AddScore(5 * n - 10);
        DestroySquare(c.x, c.y, 0.0f, kDestroyNone, 0, 0);
        RemoveSquare(c.x, c.y);
        sumX += Rounded((static_cast<float>(c.x) + 0.5f) * cell + static_cast<float>(_originX));
        sumY += Rounded((static_cast<float>(c.y) + 0.2f) * cell + static_cast<float>(_originY));
        g.vertical[c.x][c.y] = false;
        g.horizontal[c.x][c.y] = false;
    }
    if (_isHelpMode)
        return;
    const Point at(sumX / n, sumY / n + 30);
    ShowScoreText("+" + IntToString(5 * n * (n - 2)), at, 0, true);
    pass.AddPoint(at);
}

void GameField::ResolveRunsOfThree(MatchPass& pass)
{
    RunGrids& g = pass.grids;
    const float cell = static_cast<float>(_cellSize);
    const float ox = static_cast<float>(_originX);
    const float oy = static_cast<float>(_originY);
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            for (int axis = 0; axis < 2; ++axis) {
                const bool vertical = axis == 0;
                if (!(vertical ? g.vertical[x][y] : g.horizontal[x][y]))
                    continue;
                const int dx = vertical ? 0 : 1;
                const int dy = vertical ? 1 : 0;
                pass.groups += 1;
                AddScore(15);
                for (int k = 0; k < 3; ++k)
                    DestroySquare(x + k * dx, y + k * dy, g.spread[x + k * dx][y + k * dy] - 10.0f, kDestroyThrow,
                                  0, 0);
                if (!_isHelpMode) {
                    const float fx = static_cast<float>(x);
                    const float fy = static_cast<float>(y);
                    const Point at = vertical ? Point(Rounded((fx + 0.5f) * cell + ox), Rounded((fy + 1.5f) * cell + oy + 30.0f))
                                              : Point(Rounded((fx + 1.5f) * cell + ox), Rounded((fy + 1.0f) * cell + oy + 30.0f));
                    ShowScoreText("+15", at, 0, true);
                    pass.AddPoint(at);
                }
                for (int k = 0; k < 3; ++k) {
                    g.vertical[x + k * dx][y + k * dy] = false;
                    g.horizontal[x + k * dx][y + k * dy] = false;
                }
            }
        }
    }
}

void GameField::ShowChain(const MatchPass& pass)
{
    if (_chainStep == 1) {
        _chainTextX = pass.sumX / pass.groups;
        _chainTextY = pass.sumY / pass.groups;
    } else {
        _chainTextX = (_chainTextX + pass.sumX) / (pass.groups + 1);
        _chainTextY = (_chainTextY + pass.sumY) / (pass.groups + 1);
    }
    if (_chainStep <= 1)
        return;

    for (const ComboStep& combo : kComboSteps) {
        if (_chainStep != combo.pass)
            continue;
        this->*combo.sinceCounter = 0;
        const int offset = _chainTextY <= 350 ? 65 : -65;
        _chainTextX = std::min(_chainTextX, 800 - combo.size);
        _chainTextY = std::clamp(_chainTextY, combo.size * 2 / 3, 600 - combo.size * 2 / 3);
        ShowComboText("#" + std::string(combo.name) + "Tex", Point(_chainTextX, _chainTextY + offset), 256, 64);
        g_sound.PlaySample(combo.name);
        return;
    }
    // The floating chain count is a score text: none in help mode.
    if (_isHelpMode)
        return;
    const int y = pass.highestY < 500 ? pass.highestY + 48 : pass.highestY - 48;
    ShowScoreText("x" + IntToString(_chainStep), Point(_chainTextX, y), std::min(_chainStep, 7), false);
}

void GameField::EndMove()
{
    if (_piecesThisMove > 1) {
        _artefactTextPoint.y += 40;
        ShowLetterText(GetText("PiecesOfArtefact") + " x" + IntToString(_piecesThisMove), _artefactTextPoint, 0.5f);
    }
    _piecesThisMove = 0;

    if (_movesSinceChain12 >= _chain12Moves) {
        _forcedRefills = 12;
        _movesSinceChain5 = _movesSinceChain9 = _movesSinceChain12 = 0;
    } else if (_movesSinceChain9 >= _chain9Moves) {
        _forcedRefills = 9;
        _movesSinceChain9 = _movesSinceChain5 = 0;
    } else if (_movesSinceChain5 >= _chain5Moves) {
        _forcedRefills = 5;
        _movesSinceChain5 = 0;
    }
    _chainStep = 0;
    if (_levelStartMaxStage == 1 && ActivePlayer().cycle == 1)
        _forcedRefills = 0;

    // The player's swap made no line: it goes back, and the check after
    // that finds nothing and frees the board.
    if (_isPlayerMove && _swapFirst && _swapSecond) {
        ShowTip(3, 0);
        RunSwap(_swapFirst, _swapSecond);
        g_sound.PlaySample("ChipWrongMove");
        _isPlayerMove = false;
        return;
    }
    _isPlayerMove = false;

    SetBlocked(false, "GameField::CheckMatch3");
    if (_artInFly == 0) {
        CheckCompleteLevel();
        CheckNoMoves();
    }
    CheckBonusOrArtefactDown(true);
    for (int event : {9, 2, 1, 6, 4})
        ShowTip(event, 0);
}

void GameField::DestroySquare(int x, int y, float spread, int mode, int pushX, int pushY)
{
    Square* s = FindSquare(x, y);
    if (!s)
        return;
    if (!_isHelpMode)
        ActivePlayer().tiles += 1;

    // A cover opens: a square without it takes the cell, and the old square
    // keeps only the cover's picture.
    const auto uncover = [this, x, y](int kind) {
        auto square = std::make_unique<Square>(x, y, static_cast<float>(x * _cellSize),
                                               static_cast<float>(y * _cellSize), kind);
        square->alpha = 255.0f;
        AddSquare(std::move(square));
    };
    const bool shatterCover = mode != kDestroyNone && mode != kDestroyShatter;
    const auto shatter = [this, s](int push) { AddController(new SquareDestroyerShatter(s, this, 0, push)); };

    const int group = s->kind & 0xF0;
    if (s->kind >= kKindLocked && s->kind < kKindStone) {
        uncover(s->kind - 16);
        g_sound.PlaySample("ChipUnlock");
        AddEffect("ChipUnlock", s->position.x + static_cast<float>(_originX) + 20.0f,
                  s->position.y + static_cast<float>(_originY) + 20.0f);
    } else if (group == kKindIce) {
        uncover(KindColour(s->kind));
    } else if (group == kKindFixedLocked || group == kKindFixedDoubleLocked) {
        uncover(group == kKindFixedLocked ? KindColour(s->kind) : s->kind - 16);
        s->kind = group == kKindFixedLocked ? 10 : 11;
        g_sound.PlaySample("IceBreak");
        if (shatterCover) {
            // The shatter takes the old square: it is gone from here on.
            shatter(-2);
            return;
        }
    }
    const int cover = s->kind & 0xF0;
    if (s->kind >= 0 && (cover == kKindLocked || cover == kKindDoubleLocked)) {
        s->kind = cover == kKindLocked ? 12 : 13;
        if (shatterCover) {
            shatter(-1);
            return;
        }
    } else if (s->kind == kKindMusor && mode == kDestroyShatter) {
        s->kind = 14;
    }
    if (!IsSquareKind(s->kind))
        return;

    const float v = static_cast<float>(RandomInt() % 30) + spread * 30.0f - 15.0f;
    if (mode == kDestroyThrow) {
        const float fall = -600.0f - static_cast<float>(RandomInt() % 100);
        AddController(new SquareDestroyerThrow(s, v, 40.0f, fall, -2.5f * v, this));
    } else if (mode == kDestroyThrowHigh) {
        const float fall = -1100.0f - static_cast<float>(RandomInt() % 100);
        AddController(new SquareDestroyerThrowHigh(s, v + 20.0f, 40.0f, fall, -2.5f * v, this));
    } else if (mode == kDestroyShatter) {
        AddController(new SquareDestroyerShatter(s, this, pushX, pushY));
    }
}

void GameField::AddScore(int points)
{
    // Points per life of 0 or less give no life at all.
    const bool livesByScore = _pointsPerLife > 0;
    const int before = livesByScore ? _score / _pointsPerLife : 0;
    _score += points;
    // A help board scores for itself: the profile's score and lives stay.
    if (_isHelpMode)
        return;
    gameInfo.setScore(_score);
    if (livesByScore && _score / _pointsPerLife > before)
        AddLifeEffect();
}

void GameField::AddSunEnergy(int runLength)
{
    if (_sunComplete)
        return;
    // Groups larger than the table take its last entry.
    _sunEnergy += _sunInc[std::clamp(runLength, 0, 15)];
    if (_sunEnergy >= 1.0f) {
        _nextSunRingTime = _effectClock;
        _sunPulse = 0.0f;
        _sunEnergy = 1.0f;
        _sunComplete = true;
        // The burst stands on the sun's middle.
        AddEffect("CompleteSunMoment", static_cast<float>(_sunPosition.x + 50), static_cast<float>(_sunPosition.y + 50));
        g_sound.PlaySample("SunComplete");
    }
    if (!_isHelpMode)
        ActivePlayer().sunEnergy = _sunEnergy;
}

void GameField::RemoveSquare(int x, int y)
{
    if (Square* square = FindSquare(x, y))
        DeleteSquare(square);
}

bool GameField::SpreadIce()
{
    if (_isBlocked || _isShowMessage)
        return false;
    UpdateKindMap();
    std::vector<Point> candidates;
    const Point sides[] = {Point(-1, 0), Point(1, 0), Point(0, -1), Point(0, 1)};
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            if (_kinds[x][y] < 0 || (_kinds[x][y] & 0xF0) != kKindIce)
                continue;
            for (const Point& side : sides) {
                const Point c(x + side.x, y + side.y);
                if (!IsOnBoard(c.x, c.y) || _kinds[c.x][c.y] < 0 || _kinds[c.x][c.y] >= 16)
                    continue;
                if (std::find(candidates.begin(), candidates.end(), c) == candidates.end())
                    candidates.push_back(c);
            }
        }
    }
    if (!candidates.empty()) {
        const Point chosen = candidates[static_cast<std::size_t>(RandomInt()) % candidates.size()];
        if (Square* square = FindSquare(chosen.x, chosen.y))
            square->kind += kKindIce;
    }
    return true;
}

LevelInfo GameField::CurrentLevelInfo()
{
    if (_stage < 1 || _level < 1)
        return LevelInfo();
    return gameInfo.GetLevelInfo(_stage - 1, _level - 1);
}

void GameField::StoreCurrentLevelInfo(const LevelInfo& record)
{
    if (_stage >= 1 && _level >= 1)
        gameInfo.SetLevelInfo(_stage - 1, _level - 1, record);
}

// The chips' flight into the sun and the score and combo texts are in
// GameFieldEffects.cpp; the life and letter texts in GameFieldEndLevel.cpp.
