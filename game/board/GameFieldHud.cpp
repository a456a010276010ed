// The board's left-hand panel: the score, the level title, the lives, the
// four bonus buttons with their stock, and the time bar along the bottom.

#include "game/board/GameField.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardMath.h"
#include "game/state/Player.h"

#include <algorithm>
#include <cmath>

namespace {

// The title plate at the head of the side panel: a title centred on x 140
// stays within 22..258, clear of the board's frame.
constexpr int kTitleWidth = 236;

void DrawGlow(int k, const Rect& r)
{
    const float u = 0.25f * static_cast<float>(k);
    g_renderDevice.DrawRectUV(r, u, u + 0.25f, 0.75f, 1.0f);
}

void DrawAtlasCell(int cell, const Rect& r)
{
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(cell, u, v);
    g_renderDevice.DrawRectUV(r, u, u + kAtlasCell, v, v + kAtlasCell);
}

} // namespace

void GameField::StepShownScore()
{
    const int gap = _score - _shownScore;
    if (gap == 0)
        return;
    const int size = std::abs(gap);
    const int step = size > 10 ? size / 10 : 1;
    _shownScore += gap > 0 ? step : -step;
}

void GameField::DrawHelpButtons()
{
    if (!_squaresTexture)
        return;
    const int alpha = static_cast<int>(HelpAlpha() * 255.0f);
    const float t = _effectClock;
    _squaresTexture->Bind();
    for (int i = 0; i < kBonusButtons; ++i) {
        const int k = _bonusButtons[i].picture;
        const float fi = static_cast<float>(i);
        g_renderDevice.SetColor(Color(255, 255, 255, static_cast<std::uint8_t>(std::clamp(alpha, 0, 255))));
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(530.0f + 50.0f * fi, 540.0f, 0.0f));
        g_renderDevice.PushMatrix();
        g_renderDevice.ScaleUniform(1.0f + 0.15f * std::sin(3.0f * t + fi) * std::sin(0.1f * t + 2.0f * fi + 2.0f));
        g_renderDevice.SetBlendMode(2);
        DrawGlow(k, Rect(-32, -32, 64, 64));
        g_renderDevice.SetBlendMode(1);
        g_renderDevice.PopMatrix();
        DrawAtlasCell(12 + k, Rect(-20, -20, 40, 40));
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.ResetColor();
}

void GameField::DrawScoreTitleAndLives()
{
    g_renderDevice.ResetColor();
    g_renderDevice.SelectFont("BigScores");
    g_renderDevice.DrawString(230, 235, IntToString(_shownScore), 1.0f, 1, true);
    g_renderDevice.SelectFont("Title");
    const std::string title = _isDemo ? _title.substr(0, _title.find(' ')) : _title;
    // A long title shrinks to stay on the panel.
    const int width = g_renderDevice.TextWidth(title);
    const float scale = width > kTitleWidth ? static_cast<float>(kTitleWidth) / static_cast<float>(width) : 1.0f;
    g_renderDevice.DrawString(140, 559, title, scale, 2, true);

    if (!_livesTexture)
        return;
    _livesTexture->Bind();
    const int shown = _shownLives < 4 ? std::max(0, _shownLives) : 1;
    for (int i = 0; i < shown; ++i)
        g_renderDevice.DrawRectUV(Rect(24 + 15 * i, 231, 14, 14), 0.0f, _livesTexture->RightU(), 0.0f,
                                  _livesTexture->TopV());
    if (_shownLives >= 4) {
        g_renderDevice.SelectFont("bonus");
        g_renderDevice.DrawString(39, 223, "x" + IntToString(_shownLives), 1.0f, 0, false);
    }
}

void GameField::DrawBonusButtons()
{
    if (!_squaresTexture)
        return;
    for (const HoverRect& button : _bonusButtons) {
        if (button.count <= 0)
            continue;
        const int x = static_cast<int>(button.left);
        const int y = static_cast<int>(button.top);
        const int k = button.picture;
        _squaresTexture->Bind();
        g_renderDevice.ResetColor();
        if (button.state == HoverRect::kHovered) {
            g_renderDevice.SetBlendMode(2);
            DrawGlow(k, Rect(x - 12, y - 12, 64, 64));
            g_renderDevice.SetBlendMode(1);
        } else if (button.state == HoverRect::kChosen) {
            const int p = static_cast<int>(128.0f + 127.0f * std::cos(5.0f * (_effectClock - _bonusChosenTime) + 3.14159f));
            g_renderDevice.PushMatrix();
            g_renderDevice.Translate(Vector3(static_cast<float>(x + 20), static_cast<float>(y + 20), 0.0f));
            g_renderDevice.ScaleUniform(1.0f + 0.3f * static_cast<float>(p) / 256.0f);
            g_renderDevice.SetBlendMode(2);
            DrawGlow(k, Rect(-32, -32, 64, 64));
            g_renderDevice.SetBlendMode(1);
            g_renderDevice.PopMatrix();
        }
        DrawAtlasCell(12 + k, Rect(x, y, 40, 40));
    }
}

void GameField::DrawTimeBar()
{
    // A level without time shows no fill.
    if (!_timerVisible || !_timerTexture || _levelTime <= 0.0f)
        return;
    const float f = (_levelTime - _elapsed) / _levelTime;
    if (f < 0.0f || f > 1.0f)
        return;
    // Two rows: the fill on top, its blink below.
    const float tenth = _boardClock - std::floor(_boardClock);
    const bool blink = f < 0.1f && ActivePlayer().levelNotComp && tenth >= 0.6f;
    const float vBottom = blink ? 0.0f : 0.5f;
    const int width = static_cast<int>(473.0f * f);
    _timerTexture->Bind();
    g_renderDevice.ResetColor();
    g_renderDevice.DrawRectUV(Rect(301, 12, width, 13), (473.0f - 473.0f * f) / 512.0f, 473.0f / 512.0f, vBottom,
                              vBottom + 0.40625f);
}

void GameField::DrawBonusCounters()
{
    const int offsets[kBonusButtons] = {-31, -34, -33, -30};
    g_renderDevice.SelectFont("bonus");
    if (_isHelpMode)
        g_renderDevice.SetColor(Color(255, 255, 255, static_cast<std::uint8_t>(std::clamp(static_cast<int>(HelpAlpha() * 255.0f), 0, 255))));
    else
        g_renderDevice.ResetColor();
    for (int k = 0; k < kBonusButtons; ++k) {
        const HoverRect& button = _bonusButtons[k];
        const int uses = ShownBonusUses(k);
        if (uses <= 0)
            continue;
        g_renderDevice.DrawString(static_cast<int>(button.left) + _cellSize - 22,
                                  static_cast<int>(button.top) + _cellSize / 2 + offsets[k], "x" + IntToString(uses),
                                  1.0f, 2, false);
    }
    g_renderDevice.ResetColor();
}

int GameField::ShownBonusUses(int k) const
{
    if (k < 0 || k >= kBonusButtons)
        return 0;
    const int count = _bonusButtons[k].count;
    return k == kTimeButton && _timeBonusRunning ? count - 1 : count;
}
