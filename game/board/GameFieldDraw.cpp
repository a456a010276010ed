// The board's screen: backdrop and sun, cells and squares in two passes with
// their highlights, stage decorations, effects, the veil, the demo banner and
// what follows the pointer. The left-hand panel is GameFieldHud.cpp.

#include "game/board/GameField.h"

#include "engine/platform/Application.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardMath.h"
#include "game/board/BoardPictures.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/FontAccess.h"
#include "gui/StringTable.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/Tooltip.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const Vector3 kAxisX(1.0f, 0.0f, 0.0f);
const Vector3 kAxisY(0.0f, 1.0f, 0.0f);
const Vector3 kAxisZ(0.0f, 0.0f, 1.0f);

const char* const kCountryBackgrounds[7] = {"#PhoeniciaBG", "#BabylonBG", "#EgyptBG", "#CarthageBG",
                                            "#RomeBG",      "#GreeceBG",  "#TroyBG"};

std::uint8_t ToAlpha(int a)
{
    return static_cast<std::uint8_t>(std::clamp(a, 0, 255));
}

void SetWhite(int alpha)
{
    g_renderDevice.SetColor(Color(255, 255, 255, ToAlpha(alpha)));
}

// The colour kinds: plain, locked and double locked chips, ice and the
// not-falling locks.
bool IsColourKind(int kind)
{
    return (kind >= 0x00 && kind <= 0x2F) || (kind >= 0xA0 && kind <= 0xCF);
}

// A w x h quad centred on the current origin from one atlas cell.
void DrawAtlasCentred(int cell, int w, int h)
{
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(cell, u, v);
    g_renderDevice.DrawRectUV(Rect(-w / 2, -h / 2, w, h), u, u + kAtlasCell, v, v + kAtlasCell);
}

// A glow of the atlas's top row: glow k at u 0.25 k, v 0.75..1.
void DrawGlowCentred(int k, int size)
{
    const float u = 0.25f * static_cast<float>(k);
    g_renderDevice.DrawRectUV(Rect(-size / 2, -size / 2, size, size), u, u + 0.25f, 0.75f, 1.0f);
}

bool Bind(Sprite* picture)
{
    if (!picture)
        return false;
    picture->Bind();
    return true;
}

} // namespace

int GameField::BonusIconCell(int kind) const
{
    // The stock bonuses' icons in cells 12..15; the squares 0x48, 0x49,
    // 0x4A have icons of their own in cells 24..26.
    const int low = kind & 0xF;
    if (low >= 8 && low <= 10)
        return 24 + (low - 8);
    return 12 + _bonusButtons[BonusSquareButton(kind)].picture;
}

void GameField::SetHelpBackground(const std::string& pictureName)
{
    _helpBackground = pictureName.empty() ? nullptr : BoardPicture(pictureName);
}

void GameField::Draw()
{
    if (_isHelpMode && !_helpBoardVisible)
        return;
    const bool help = _isHelpMode;
    if (help) {
        if (Bind(_helpBackground)) {
            SetWhite(static_cast<int>(HelpAlpha() * 255.0f));
            g_renderDevice.DrawRectUV(Rect(0, 0, 800, 600), 0.0f, _helpBackground->RightU(), 0.0f,
                                      _helpBackground->TopV());
        }
        DrawHelpButtons();
    } else {
        DrawBackground();
        DrawTroyWheel();
        if (Bind(_timerEmpty)) {
            g_renderDevice.ResetColor();
            g_renderDevice.DrawRectUV(Rect(278, 8, 519, 22), 0.0f, _timerEmpty->RightU(), 0.0f, _timerEmpty->TopV());
        }
        DrawBoardFrame();
        DrawScoreTitleAndLives();
        DrawBonusButtons();
        DrawTimeBar();
    }
    DrawCells();
    DrawCellHighlights();
    DrawSun();
    if (!help)
        DrawStageDecorations();
    DrawBonusCounters();
    DrawSquares(1);
    DrawLockedHighlights();
    if (!help)
        DrawTipArrows();
    DrawSquares(2);
    g_renderDevice.ResetColor();
    DrawCursorsAndTip();
    DrawPointerExtras();
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}

void GameField::DrawEffects() {}

void GameField::DrawBackground()
{
    const int stage = PlayedStage();
    if (stage < 1 || stage > 7)
        return;
    if (!Bind(BoardPicture(kCountryBackgrounds[stage - 1])))
        return;
    g_renderDevice.ResetColor();
    const float cx = static_cast<float>(_sunPosition.x + 50);
    const float cy = static_cast<float>(_sunPosition.y + 50);
    constexpr int kGrid = 8;
    constexpr float kHalf = 75.0f;
    // The layer shows the whole backdrop; the square over the sun ripples.
    Vector3 grid[kGrid + 1][kGrid + 1];
    for (int i = 0; i <= kGrid; ++i) {
        for (int j = 0; j <= kGrid; ++j) {
            const float x = cx - kHalf + 2.0f * kHalf * static_cast<float>(i) / kGrid;
            const float y = cy - kHalf + 2.0f * kHalf * static_cast<float>(j) / kGrid;
            Vector3 p(x, y, 0.0f);
            const float dx = x - cx;
            const float dy = y - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d < kHalf && d > 0.0f) {
                const float push = (_sunScale - 1.0f) * 60.0f * std::cos(d * 0.0209439f);
                p.x += dx / d * push;
                p.y += dy / d * push;
            }
            grid[i][j] = p;
        }
    }
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            const float x0 = cx - kHalf + 2.0f * kHalf * static_cast<float>(i) / kGrid;
            const float y0 = cy - kHalf + 2.0f * kHalf * static_cast<float>(j) / kGrid;
            const float step = 2.0f * kHalf / kGrid;
            g_renderDevice.DrawQuadUV(grid[i][j], grid[i + 1][j], grid[i][j + 1], grid[i + 1][j + 1], x0 / 1024.0f,
                                      (x0 + step) / 1024.0f, y0 / 1024.0f, (y0 + step) / 1024.0f);
        }
    }
}

void GameField::DrawTroyWheel()
{
    if (PlayedStage() != 7 || !_troyWheel)
        return;
    g_renderDevice.BeginViewport2D(0, 0, 792, 593);
    struct Copy {
        float x, y;
        bool alphaOnly;
        Color colour;
    };
    const Copy copies[3] = {{745.5f, 63.5f, true, Color(255, 255, 200, 255)},
                            {749.5f, 60.5f, true, Color(0, 0, 0, 0x6E)},
                            {747.0f, 62.0f, false, Color(255, 255, 255, 255)}};
    for (const Copy& copy : copies) {
        if (copy.alphaOnly)
            g_renderDevice.BindTextureAlphaOnly(*_troyWheel);
        else
            _troyWheel->Bind();
        g_renderDevice.SetColor(copy.colour);
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(copy.x, copy.y, 0.0f));
        g_renderDevice.Rotate(kAxisZ, 2.0f * _boardClock);
        g_renderDevice.DrawRectUV(Rect(-124, -124, 252, 252), 0.984375f, 0.015625f, 0.0f, 1.0f);
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.SetFullViewport();
    g_renderDevice.ResetColor();
}

void GameField::DrawCells()
{
    if (!Bind(_background))
        return;
    const bool help = _isHelpMode;
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            if (_levelGrid.At(x, y) <= 0)
                continue;
            const int v = std::clamp(_cellFade[x][y], 0, 255);
            const float fv = static_cast<float>(v);
            int alpha = 255;
            int grow = 0;
            g_renderDevice.PushMatrix();
            g_renderDevice.Translate(Vector3(static_cast<float>(_originX + 40 * x + 20),
                                             static_cast<float>(_originY + 40 * y + 20), 0.0f));
            if (_isVanishing) {
                const float a = 270.0f - 1.0588235f * fv;
                g_renderDevice.Rotate(kAxisZ, a);
                g_renderDevice.Rotate(kAxisY, 10.0f * std::trunc(a * 0.1f));
                if (v < 100)
                    alpha = static_cast<int>(2.55f * fv);
            } else if (_reshuffleRunning) {
                const Square* square = FindSquare(x, y);
                const float a = square && IsColourKind(square->kind) ? 1.4117647f * fv : 0.0f;
                g_renderDevice.Rotate(kAxisZ, a);
                g_renderDevice.Rotate(kAxisY, 10.0f * std::trunc(a * 0.1f));
            } else {
                if (v < 50)
                    alpha = static_cast<int>(5.1f * fv);
                if (v > 0) {
                    g_renderDevice.Rotate(kAxisX, 90.0f - std::trunc(0.3529412f * fv));
                    g_renderDevice.Rotate(kAxisY, -170.0f + std::trunc(0.6666667f * fv));
                    g_renderDevice.Rotate(kAxisZ, -100.0f + std::trunc(0.3921569f * fv));
                } else {
                    g_renderDevice.Rotate(kAxisX, 90.0f);
                }
                grow = 20 - static_cast<int>(0.0784314f * fv);
            }
            if (help)
                alpha = static_cast<int>(HelpAlpha() * 255.0f);
            SetWhite(alpha);
            const int s = 40 + grow;
            const float u = static_cast<float>(x % 11) * 40.0f / 512.0f;
            const float tv = static_cast<float>(y % 11) * 40.0f / 512.0f;
            g_renderDevice.DrawRectUV(Rect(-s / 2, -s / 2, s, s), u, u + 0.078125f, tv, tv + 0.078125f);
            g_renderDevice.PopMatrix();
        }
    }
    g_renderDevice.ResetColor();
}

Sprite* GameField::WhitePicture()
{
    if (!_whiteLookedUp) {
        _whiteLookedUp = true;
        if (!_whiteTexture)
            _whiteTexture = BoardPicture("#White");
    }
    return _whiteTexture;
}

bool GameField::InBombArea(const Square& square) const
{
    return _highlightSquare &&
           std::abs(square.x - _highlightSquare->x) + std::abs(square.y - _highlightSquare->y) <= 2;
}

int GameField::HighlightAlpha(const Square& square, int pulse) const
{
    const Square* hovered = _highlightSquare;
    if (hovered && _selectedBonus == 0 && IsColourKind(hovered->kind) && IsColourKind(square.kind) &&
        (hovered->kind & 0xF) == (square.kind & 0xF))
        return pulse;
    if (hovered && _selectedBonus == 3 && InBombArea(square) &&
        (IsColourKind(square.kind) || square.kind == kKindMusor))
        return pulse;
    if (_isSelected && _selectedBonus == 2 && square.kind < 0x10 && &square == hovered)
        return pulse;
    if ((_isSelected || _isPressed) && FindSquare(_selectedCell.x, _selectedCell.y) == &square)
        return 32;
    return 0;
}

void GameField::DrawCellHighlights()
{
    if (!Bind(WhitePicture()))
        return;
    g_renderDevice.SetBlendMode(2);
    const int pulse = static_cast<int>(48.0f - 40.0f * std::cos(8.0f * (_effectClock - _highlightStart)));
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            if (_levelGrid.At(x, y) <= 0)
                continue;
            const Square* square = FindSquare(x, y);
            if (!square)
                continue;
            const int alpha = HighlightAlpha(*square, pulse);
            if (alpha <= 0)
                continue;
            SetWhite(alpha);
            g_renderDevice.DrawRect(_originX + 40 * x, _originY + 40 * y, 40, 40);
        }
    }
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}

void GameField::DrawSun()
{
    const bool help = _isHelpMode;
    const float a = help ? HelpAlpha() : 1.0f;
    const int full = static_cast<int>(255.0f * a);
    SetWhite(full);
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(_sunPosition.x + 51), static_cast<float>(_sunPosition.y + 50), 0.0f));
    g_renderDevice.Scale(_sunScale, _sunScale, 1.0f);
    const float e = ease(_shownSunEnergy, 0.0f, 0.2f);
    const int n = std::min(18, 1 + static_cast<int>(18.0f * e));
    for (int k = 1; k <= n; ++k) {
        if (!Bind(BoardPicture("#Sun_" + IntToString(k))))
            continue;
        if (k == n && e < 0.99f) {
            const float part = 18.0f * e - std::trunc(18.0f * e);
            SetWhite(static_cast<int>(255.0f * part * a));
        }
        g_renderDevice.DrawRectUV(Rect(-64, -64, 128, 128), 0.0f, 1.0f, 0.0f, 1.0f);
    }
    if (!_sunComplete && !_sunStrike && _sunEnergy > 0.05f) {
        g_renderDevice.Translate(Vector3(-0.5f, 0.5f, 0.0f));
        if (e > 0.3f && Bind(_sunBorder)) {
            const int alpha = e < 0.4f ? static_cast<int>(static_cast<float>(full) * (e - 0.3f) * 10.0f) : full;
            SetWhite(alpha);
            g_renderDevice.PushMatrix();
            g_renderDevice.ScaleUniform(0.15625f + 0.75f * e);
            g_renderDevice.DrawRectUV(Rect(-64, -64, 128, 128), 0.0f, 1.0f, 0.0f, 1.0f);
            g_renderDevice.PopMatrix();
        }
        if (e < 0.5f && Bind(_sunBorderSmall)) {
            const int alpha = e <= 0.4f ? full : static_cast<int>(static_cast<float>(full) * (0.5f - e) * 10.0f);
            SetWhite(alpha);
            g_renderDevice.PushMatrix();
            g_renderDevice.ScaleUniform(0.234375f + 1.8359375f * e);
            g_renderDevice.DrawRectUV(Rect(-64, -64, 128, 128), 0.0f, 1.0f, 0.0f, 1.0f);
            g_renderDevice.PopMatrix();
        }
    }
    g_renderDevice.PopMatrix();
    g_renderDevice.ResetColor();
}

void GameField::DrawStageDecorations()
{
    const int stage = PlayedStage();
    const float T = 1.5f * _effectClock;
    if (stage == 2) {
        _stageEffects.Draw();
        g_renderDevice.ResetColor();
        if (Bind(_babylonTorches)) {
            g_renderDevice.ResetColor();
            g_renderDevice.DrawRectUV(Rect(281, 24, 512, 64), 0.0f, 1.0f, 0.0f, 1.0f);
        }
        if (Bind(_babylonMask)) {
            g_renderDevice.SetBlendMode(2);
            SetWhite(60 + static_cast<int>(24.0f * std::sin(T) * std::sin(1.5f * T + 3.0f) +
                                           32.0f * std::sin(2.2f * T + 4.0f) * std::cos(2.6f * T)));
            g_renderDevice.DrawRectUV(Rect(281, 9, 256, 256), 0.0f, 1.0f, 0.0f, 1.0f);
            SetWhite(60 + static_cast<int>(24.0f * std::sin(T + 3.0f) * std::sin(1.3f * T + 4.0f) +
                                           32.0f * std::sin(2.5f * T + 78.0f) * std::cos(2.1f * (T + 3.0f))));
            g_renderDevice.DrawRectUV(Rect(536, 9, 256, 256), 1.0f, 0.0f, 0.0f, 1.0f);
            g_renderDevice.SetBlendMode(1);
        }
        DrawBabylonInnerCorners();
    } else if (stage == 4 && Bind(_frameTexture)) {
        g_renderDevice.ResetColor();
        for (const SwingPiece& piece : _swingPieces) {
            g_renderDevice.PushMatrix();
            g_renderDevice.Translate(Vector3(static_cast<float>(piece.x), static_cast<float>(piece.y), 0.0f));
            g_renderDevice.Rotate(kAxisZ, piece.angle);
            if (piece.kind == 1) {
                g_renderDevice.DrawRectUV(Rect(-18, -57, 39, 70), 0.6328125f, 0.9375f, 0.375f, 0.921875f);
            } else {
                g_renderDevice.Translate(Vector3(0.0f, -28.0f * (_sunScale - 1.0f), 0.0f));
                g_renderDevice.DrawRectUV(Rect(-19, -39, 39, 44), 0.6328125f, 0.9375f, 0.03125f, 0.375f);
            }
            g_renderDevice.PopMatrix();
        }
    } else if (stage == 5 && Bind(_romeOrnament)) {
        g_renderDevice.ResetColor();
        const float uMax = static_cast<float>(_romeOrnament->imageWidth) /
                           static_cast<float>(std::max(1, _romeOrnament->textureWidth));
        const float vMax = static_cast<float>(_romeOrnament->imageHeight) /
                           static_cast<float>(std::max(1, _romeOrnament->textureHeight));
        for (std::size_t i = 0; i < _footPoints.size(); ++i) {
            const bool mirrored = i < _footPointMirrored.size() && _footPointMirrored[i];
            const Rect r(_footPoints[i].x, _footPoints[i].y, _romeOrnament->imageWidth, _romeOrnament->imageHeight);
            g_renderDevice.DrawRectUV(r, mirrored ? uMax : 0.0f, mirrored ? 0.0f : uMax, 0.0f, vMax);
        }
    } else if (stage == 6) {
        DrawGreekBranches();
    }
    g_renderDevice.ResetColor();
}

void GameField::DrawBabylonInnerCorners()
{
    if (_framePieces.empty() || !Bind(_frameTexture))
        return;
    SetWhite(_framePieces.front().alpha);
    const auto empty = [this](int x, int y) { return !_levelGrid.IsCell(x, y); };
    for (int x = 0; x <= _width - 2; ++x) {
        for (int y = 0; y <= _height - 2; ++y) {
            // Each corner lies in its empty cell, pushed 5 and 4 points
            // outward; a flipped picture stays in the same cell.
            const int left = _originX + 40 * x - 5;
            const int right = _originX + 40 * (x + 1) + 5;
            const int low = _originY + 40 * y - 4;
            const int high = _originY + 40 * (y + 1) + 4;
            // The window u 0.625..0.9375, v 0.6875..1, flipped as the corner lies.
            const auto corner = [](int px, int py, bool flipX, bool flipY) {
                g_renderDevice.DrawRectUV(Rect(px, py, 40, 40), flipX ? 0.9375f : 0.625f, flipX ? 0.625f : 0.9375f,
                                          flipY ? 1.0f : 0.6875f, flipY ? 0.6875f : 1.0f);
            };
            if (empty(x, y) && !empty(x, y + 1) && !empty(x + 1, y) && empty(x - 1, y) && empty(x, y - 1))
                corner(left, low, false, false);
            if (empty(x + 1, y) && !empty(x, y) && !empty(x + 1, y + 1) && empty(x + 2, y) && empty(x + 1, y - 1))
                corner(right, low, true, false);
            if (empty(x, y + 1) && !empty(x, y) && !empty(x + 1, y + 1) && empty(x - 1, y + 1))
                corner(left, high, false, true);
            if (empty(x + 1, y + 1) && !empty(x + 1, y) && !empty(x, y + 1) && empty(x + 2, y + 1))
                corner(right, high, true, true);
        }
    }
    g_renderDevice.ResetColor();
}

void GameField::DrawGreekBranches()
{
    Sprite* branches = BoardPicture("#vetki_greece");
    if (!Bind(branches) || _framePieces.empty())
        return;
    SetWhite(_framePieces.front().alpha);
    int edgeCounter = _level;
    int hangCounter = _level;
    // The column right of the board is walked too: it holds the right edge.
    for (int x = 0; x <= _width; ++x) {
        bool hung = false;
        for (int y = 0; y < _height; ++y) {
            const int code = (_levelGrid.IsCell(x - 1, y) ? 1 : 0) | (_levelGrid.IsCell(x, y) ? 2 : 0) |
                             (_levelGrid.IsCell(x - 1, y + 1) ? 4 : 0) | (_levelGrid.IsCell(x, y + 1) ? 8 : 0);
            if (code == 10 || code == 5) {
                const int r = edgeCounter % 3;
                const float f = 1.0f - 0.3125f * static_cast<float>(r + 1);
                const int dx = code == 10 ? 16 : 21;
                g_renderDevice.DrawRectUV(Rect(_originX + 40 * x + dx, _originY + 40 * y, 40, 80), 0.0f, 0.15625f, f,
                                          f + 0.3125f);
                edgeCounter = r + 1;
                ++y; // the next row is part of this branch
                continue;
            }
            if (!hung && _levelGrid.IsCell(x - 1, y)) {
                hung = true;
                const int m = hangCounter % 8;
                if (m < 4) {
                    const float u = 0.15625f * static_cast<float>(m + 1);
                    g_renderDevice.DrawRectUV(Rect(_originX + 40 * x, _originY + 40 * y - 78, 40, 120), u, u + 0.15625f,
                                              0.53125f, 1.0f);
                }
                hangCounter = m + 3;
            }
        }
    }
    g_renderDevice.ResetColor();
}

void GameField::DrawLockedHighlights()
{
    if (!Bind(WhitePicture()))
        return;
    g_renderDevice.SetBlendMode(2);
    const int pulse = static_cast<int>(48.0f - 40.0f * std::cos(8.0f * (_effectClock - _highlightStart)));
    const Square* hovered = _highlightSquare;
    for (const std::unique_ptr<Square>& square : _squares) {
        if (square->kind < kKindFixedLocked || square->kind > 0xCF || !hovered)
            continue;
        const bool sameColour = _selectedBonus == 0 && IsColourKind(hovered->kind) &&
                                (hovered->kind & 0xF) == (square->kind & 0xF);
        const bool bombed = _selectedBonus == 3 && InBombArea(*square);
        if (!sameColour && !bombed)
            continue;
        g_renderDevice.SetColor(Color(255, 0, 0, ToAlpha(pulse)));
        g_renderDevice.DrawRect(static_cast<int>(static_cast<float>(_originX) + square->position.x),
                                static_cast<int>(static_cast<float>(_originY) + square->position.y), 40, 40);
    }
    g_renderDevice.SetBlendMode(1);
    if (_isHelpMode)
        SetWhite(static_cast<int>(HelpAlpha() * 255.0f));
    else
        g_renderDevice.ResetColor();
}

void GameField::DrawTipArrows()
{
    if (!_tipShown || !_tipWithPointer || !_arrowSmallTexture)
        return;
    const float T = 5.0f * _effectClock;
    for (int i = 0; i <= _pointerStep / 2; ++i) {
        const float fi = static_cast<float>(i);
        const float s = std::fabs(0.08f * std::sin(T + 0.7853975f - 0.2f * fi));
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(static_cast<float>(_tipPosition.x),
                                         static_cast<float>(_tipPosition.y) - 40.0f * fi + 22.0f +
                                             std::fabs(2.5f * std::sin(T - 0.2f * fi)),
                                         0.0f));
        g_renderDevice.Scale(1.1f + s, 1.0f - 0.9f * s, 1.0f);
        _arrowSmallTexture->Bind();
        g_renderDevice.ResetColor();
        g_renderDevice.DrawRectUV(Rect(-20, -4, 40, 40), 0.0f, 0.625f, 0.375f, 1.0f);
        int a = static_cast<int>(192.0f - std::fabs(192.0f * std::sin(T + 0.7853975f - 0.5f * fi)));
        if (a < 128)
            a = 0;
        g_renderDevice.SetBlendMode(2);
        SetWhite(a);
        g_renderDevice.DrawRectUV(Rect(-20, -4, 40, 40), 0.0f, 0.625f, 0.375f, 1.0f);
        g_renderDevice.SetBlendMode(1);
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.ResetColor();
}

void GameField::DrawSquares(int pass)
{
    if (!_squaresTexture)
        return;
    const bool help = _isHelpMode;
    // A square not yet down in its column (falling in from above) shows only
    // below the column's top edge, so that it comes out of the board rather
    // than down over its frame and the screen above it.
    int columnTop[LevelGrid::kSide] = {};
    for (int x = 0; x < _width && x < LevelGrid::kSide; ++x)
        for (int y = 0; y < LevelGrid::kSide; ++y)
            if (_levelGrid.At(x, y) != 0)
                columnTop[x] = (y + 1) * _cellSize;
    bool clipped = false;
    for (const std::unique_ptr<Square>& owned : _squares) {
        Square& square = *owned;
        const int kind = square.kind;
        const bool firstPass = kind < 0x40 || kind > 0x9F;
        if (firstPass != (pass == 1))
            continue;
        const int top = square.x >= 0 && square.x < _width ? columnTop[square.x] : _height * _cellSize;
        const bool above = !help && square.position.y + static_cast<float>(_cellSize) > static_cast<float>(top);
        if (above)
            g_renderDevice.ClipTo(Rect(0, 0, 800, _originY + top));
        else if (clipped)
            g_renderDevice.ClipOff();
        clipped = above;
        if (!help && !_reshuffleRunning)
            SetWhite(static_cast<int>(square.alpha));
        else if (help)
            SetWhite(static_cast<int>(HelpAlpha() * 255.0f));
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(std::trunc(static_cast<float>(_originX) + square.position.x) + 20.0f,
                                         std::trunc(static_cast<float>(_originY) + square.position.y) + 20.0f, 0.0f));
        if (IsColourKind(kind)) {
            DrawColourSquare(square);
        } else if (kind == kKindStone) {
            _squaresTexture->Bind();
            g_renderDevice.DrawRectUV(Rect(-20, -20, 40, 40), 0.78125f, 0.9375f, 0.375f, 0.53125f);
        } else if (kind == kKindMusor) {
            _squaresTexture->Bind();
            g_renderDevice.DrawRectUV(Rect(-20, -20, 40, 40), 0.625f, 0.78125f, 0.53125f, 0.6875f);
        } else if (kind >= kKindBonus && kind < kKindArtefact) {
            DrawBonusSquare(square);
        } else if (kind >= kKindArtefact && kind <= 0x9F && !_isVanishing) {
            DrawArtefactSquare(square);
        }
        g_renderDevice.PopMatrix();
    }
    if (clipped)
        g_renderDevice.ClipOff();
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}

void GameField::DrawColourSquare(Square& square)
{
    const int kind = square.kind;
    const bool turning = _isVanishing || _reshuffleRunning;
    // The cell's fade: the board vanishing, or the reshuffle's wave.
    const int v = std::clamp(_cellFade[std::clamp(square.x, 0, LevelGrid::kSide - 1)]
                                      [std::clamp(square.y, 0, LevelGrid::kSide - 1)], 0, 255);
    float a = 0.0f;
    if (_isVanishing)
        a = 270.0f - 1.0588236f * static_cast<float>(v);
    else if (_reshuffleRunning)
        a = std::trunc(1.4117647f * static_cast<float>(v));
    g_renderDevice.Rotate(kAxisZ, a);
    bool faceOn = a <= 90.0f || a >= 270.0f;
    int frame = -1;
    if (turning) {
        // The chip turns through its own frames; edge-on it is invisible,
        // so the reshuffle's change of colour is never seen as a pop.
        frame = static_cast<int>(a / 10.0f) % 36;
        g_renderDevice.Rotate(kAxisY, 10.0f * std::trunc(a / 10.0f));
        const float c = std::cos(static_cast<float>(frame) * 10.0f * 0.017453292f);
        int alpha = std::min(255, static_cast<int>(500.0f * c * c));
        if (alpha < 8)
            alpha = 0;
        if (_isHelpMode)
            alpha = static_cast<int>(HelpAlpha() * 255.0f);
        SetWhite(alpha);
        if (_reshuffleRunning)
            faceOn = true;
    }
    if (faceOn && square.anim.sprite) {
        square.anim.BindTexture();
        if (frame >= 0) {
            const int resting = square.anim.current;
            square.anim.SetFrame(frame);
            square.anim.Draw(Point(-20, -20));
            square.anim.SetFrame(resting);
        } else {
            square.anim.Draw(Point(-20, -20));
        }
    }
    const int group = kind & 0xF0;
    float u = -1.0f;
    switch (group) {
    case kKindLocked: u = 0.0f; break;
    case kKindDoubleLocked: u = 0.15625f; break;
    case kKindIce: u = 0.3125f; break;
    case kKindFixedLocked: u = 0.46875f; break;
    case kKindFixedDoubleLocked: u = 0.625f; break;
    default: break;
    }
    if (u >= 0.0f) {
        _squaresTexture->Bind();
        g_renderDevice.DrawRectUV(Rect(-20, -20, 40, 40), u, u + kAtlasCell, 0.0625f, 0.21875f);
    }
}

void GameField::DrawBonusSquare(const Square& square)
{
    const float t = _effectClock;
    const int kind = square.kind;
    const bool pointed = _tipShown && _bonusPointer;
    const float s = pointed ? 1.05f + 0.25f * std::sin(4.0f * t + square.phase)
                            : 1.0f + 0.07f * std::sin(3.0f * t + square.phase) *
                                         std::sin(0.1f * t + 2.0f * static_cast<float>(kind) + 2.0f);
    _squaresTexture->Bind();
    g_renderDevice.ScaleUniform(s);
    g_renderDevice.SetBlendMode(2);
    const bool life = kind == kKindLifeBonus;
    const int glow = life ? 2 : _bonusButtons[BonusSquareButton(kind)].picture;
    DrawGlowCentred(glow, 64);
    if (pointed)
        DrawGlowCentred(glow, 48);
    g_renderDevice.SetBlendMode(1);
    if (!life) {
        DrawAtlasCentred(BonusIconCell(kind), 40, 40);
        return;
    }
    DrawAtlasCentred(28, 40, 40);
    const float c = _heartCurve.getGlobalFrame(0.65f * t - std::floor(0.65f * t));
    const float beat = 1.0f + 0.0625f * (c - 1.0f) + 0.04f * std::sin(2.0420336f * t);
    g_renderDevice.ScaleUniform(beat);
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(29, u, v);
    const float inset = 1.0f / 128.0f;
    for (int blend : {1, 2}) {
        g_renderDevice.SetBlendMode(blend);
        g_renderDevice.DrawRectUV(Rect(-18, -18, 36, 36), u + inset, u + kAtlasCell - inset, v + inset,
                                  v + kAtlasCell - inset);
    }
    g_renderDevice.SetBlendMode(1);
}

void GameField::DrawArtefactSquare(const Square& square)
{
    Artefact* artefact = g_artefacts.Find(PlayedStage() - 1);
    if (!artefact)
        return;
    const int piece = square.kind - kKindArtefact;
    const float glow = _pieceGlow[piece];
    const std::uint32_t colour = g_renderDevice.CurrentColor();
    // The pieces are cut at the artefact's own scale, 64 points each; on the
    // board a piece fills its cell like a chip, and its rim only edges it.
    g_renderDevice.ScaleUniform(static_cast<float>(_cellSize) / 64.0f);
    if (glow > 0.0f) {
        // The piece's own shape as a warm rim behind it, swaying a little
        // and growing with its glow (a quarter larger at rest).
        const float t = _effectClock;
        const auto alpha = static_cast<std::uint8_t>(((colour >> 24) & 0xFF) * 3 / 8);
        g_renderDevice.PushMatrix();
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), 4.0f * std::sin(t) * std::sin(t / 3.0f + 2.0f));
        g_renderDevice.ScaleUniform(1.0f + 0.125f * glow);
        g_renderDevice.SetBlendMode(2);
        g_renderDevice.SetColor(Color(255, 214, 130, alpha));
        artefact->DrawElementHighlighted(piece, -32, -32);
        g_renderDevice.SetBlendMode(1);
        g_renderDevice.PopMatrix();
        g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                                      static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 24)));
    }
    // The piece itself centred on its cell, wherever its place in the
    // whole picture.
    artefact->DrawElement(piece, -32, -32);
}

void GameField::DrawCursorsAndTip()
{
    if (!_veilOn) {
        if (Artefact* artefact = g_artefacts.Find(PlayedStage() - 1))
            for (int piece : _artefactQueue)
                artefact->DrawElementAt(piece, _sunOffset);
    }
    effects.Draw();
    DrawEffectsByPass();
    if (Bind(_energyTexture) && !_sunRays.empty()) {
        g_renderDevice.SetBlendMode(2);
        for (SunRay& ray : _sunRays)
            ray.strip.Draw();
        g_renderDevice.SetBlendMode(1);
    }
    g_renderDevice.ResetColor();
    if (_isHelpMode && Bind(_cursorSprite.get())) {
        g_renderDevice.DrawRectUV(Rect(_originX + _helpCursor.x, _originY + _helpCursor.y - 64, 64, 64), 0.0f, 1.0f,
                                  0.0f, 1.0f);
    } else if (_isDemo && Bind(_cursorSprite.get())) {
        g_renderDevice.DrawRectUV(Rect(_demoCursor.x, _demoCursor.y - 45, 45, 45), 0.0f, 0.703125f, 0.0f, 0.703125f);
    }
    if (!_isHelpMode && _tipShown && !_tipWithPointer && Bind(_arrowTexture)) {
        const float T = 7.5f * _effectClock;
        const float s = std::fabs(0.1f * std::sin(T + 0.7853975f));
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(static_cast<float>(_tipPosition.x),
                                         static_cast<float>(_tipPosition.y) + std::fabs(8.0f * std::sin(T)), 0.0f));
        g_renderDevice.Scale(1.1f + s, 1.0f - 0.9f * s, 1.0f);
        g_renderDevice.DrawRectUV(Rect(-24, -4, 48, 44), 0.0f, 0.75f, 0.375f, 1.0f);
        g_renderDevice.PopMatrix();
    }
    if (_veilOn) {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0, 0, 0, ToAlpha(_veilAlpha)));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.EnableTexture(true);
        g_renderDevice.ResetColor();
        DrawGrowingArtefact();
    }
    if (_isDemo) {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0, 0, 0, ToAlpha(static_cast<int>(_bannerAlpha))));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.SetColor(Color(0, 0, 0, 0x80));
        g_renderDevice.DrawRect(10, 20, 780, 110);
        g_renderDevice.EnableTexture(true);
        g_renderDevice.ResetColor();
        // The banner's text block in its own fonts and colours.
        DrawTextRuns(Point(400, 110), _bannerText);
        g_renderDevice.ResetColor();
    }
}

void GameField::DrawPointerExtras()
{
    const Point p = _isDemo ? _demoCursor : _lastPointer;
    const bool customCursor = g_application && g_application->customCursorOption;
    const TextBlock* hover = _tipSlot._titleShown;
    if (!_isHelpMode && !_isDemo && hover && !hover->lines.empty()) {
        g_renderDevice.SelectFont("TitleLight");
        int widest = 0;
        for (const TextResourceLine& line : hover->lines)
            widest = std::max(widest, g_renderDevice.TextWidth(line.text));
        const RenderFont* font = g_renderDevice.CurrentFont();
        const int lineHeight = font ? font->height : 20;
        const int height = lineHeight * static_cast<int>(hover->lines.size()) / 2;
        int x = customCursor ? p.x + 40 : p.x + 8;
        int y = customCursor ? p.y - 35 : p.y - 24;
        x = std::min(x, 800 - static_cast<int>(0.75f * static_cast<float>(widest)));
        y = std::max(y, height / 2);
        SetWhite(static_cast<int>(_tipSlot._titleAlpha));
        for (const TextResourceLine& line : hover->lines) {
            g_renderDevice.DrawString(x, y, line.text, 0.7f, 0, false);
            y -= lineHeight / 2;
        }
        g_renderDevice.ResetColor();
    }
    if (!_isHelpMode && _selectedBonus >= 0 && _selectedBonus < kBonusButtons && Bind(_squaresTexture)) {
        const float uStart[kBonusButtons] = {0.0f, 0.46875f, 0.3125f, 0.15625f};
        const float u = uStart[_selectedBonus];
        g_renderDevice.ResetColor();
        const Rect icon = customCursor ? Rect(p.x + 15, p.y, 20, 20) : Rect(p.x + 10, p.y - 10, 20, 20);
        g_renderDevice.DrawRectUV(icon, u, u + kAtlasCell, 0.53125f, 0.6875f);
    }
    if (_sunComplete) {
        DrawSunWonder();
    } else {
        if (ParticleEffect* shine = _shineEffect.Get()) {
            shine->Stop();
            _shineEffect = EffectHandle();
        }
    }
    if (_isHelpMode || _isDemo || hover || _sunGlow < 1.0f)
        return;
    const int x = p.x + (customCursor ? 100 : 60);
    const int y = p.y - 40;
    const std::string text = IntToString(static_cast<int>(_sunEnergy * 100.0f)) + "% " + GetText("charged");
    // The parchment box grows when the line would reach its ornaments; the
    // line is written in dark ink on it.
    SetWhite(static_cast<int>(_sunGlow));
    DrawTooltipFrame(TooltipFrameAround(x + 10, y, 130, 40, g_renderDevice.TextWidthInFont(text, "text")));
    g_renderDevice.SelectFont("text");
    g_renderDevice.SetColor(Color(0x3A, 0x24, 0x10, static_cast<std::uint8_t>(std::clamp(static_cast<int>(_sunGlow), 0, 255))));
    g_renderDevice.DrawString(x + 10, y, text, 1.0f, 2, true);
    g_renderDevice.ResetColor();
}

void GameField::DrawGrowingArtefact()
{
    // Over the veil the won artefact grows from the point its pieces flew
    // to, up to its full size in the middle of the screen.
    const float progress = std::clamp(_artefactProgress, 0.0f, 1.0f);
    Artefact* artefact = g_artefacts.Find(_stageIndex);
    if (progress <= 0.0f || !artefact)
        return;
    const float x = static_cast<float>(_sunOffset.x) + (400.0f - static_cast<float>(_sunOffset.x)) * progress;
    const float y = static_cast<float>(_sunOffset.y) + (300.0f - static_cast<float>(_sunOffset.y)) * progress;
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(x, y, 0.0f));
    g_renderDevice.Scale(progress, progress, 1.0f);
    artefact->DrawFull(Point(-128, -128));
    g_renderDevice.PopMatrix();
}
