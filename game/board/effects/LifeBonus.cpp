#include "game/board/effects/LifeBonus.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/state/Player.h"
#include "gui/StringTable.h"

#include <cmath>

namespace {
// Up to this many lives the panel draws each icon.
constexpr int kIconsShown = 4;
// Where the word of a new life rises: over the lives row, clear of the
// panel's left edge.
constexpr int kWordX = 110;
constexpr int kWordY = 262;
} // namespace

LifeBonus::LifeBonus(GameField* field)
    : FieldEffect("AddLife", 0.5f, field)
{
    _time = -1.0f;
    if (!_field)
        return;
    _field->effects.Add("LifeBonus", 43.0f, 237.0f);
    _field->_shownLives += 1;
    ActivePlayer().lives = _field->_shownLives;
    g_sound.PlaySample("AddLife");
    // The word goes with the sparks at the lives: the player sees why the
    // count went up.
    _field->ShowScoreText(GetText("ExtraLife"), Point(kWordX, kWordY), 0, true);
}

void LifeBonus::Update(float dt)
{
    _time += _time < 0.0f ? dt : dt * _speed;
}

float LifeBonus::Beat(float t)
{
    return 1.1f - std::fabs(0.1f * std::cos(9.42477f * t));
}

void LifeBonus::Draw()
{
    const float t = _time;
    if (t < 0.0f || !_field || !_field->_livesTexture)
        return;
    const float k = Beat(t);
    g_renderDevice.SetBlendMode(2);
    g_renderDevice.PushMatrix();
    g_renderDevice.SetColor(Color(255, 255, 255, static_cast<std::uint8_t>((k - 1.0f) * 1920.0f)));
    const Sprite& heart = *_field->_livesTexture;
    heart.Bind();
    const int lives = _field->_shownLives;
    if (lives < kIconsShown) {
        g_renderDevice.Translate(Vector3(46.0f, 238.0f, 0.0f));
        g_renderDevice.Scale(k, k, 1.0f);
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), 8.0f * std::sin(18.84954f * t));
        for (int i = 0; i < lives; ++i)
            g_renderDevice.DrawRectUV(Rect(-22 + 15 * i, -7, 14, 14), 0.0f, heart.RightU(), 0.0f, heart.TopV());
    } else {
        g_renderDevice.Translate(Vector3(44.0f, 238.0f, 0.0f));
        g_renderDevice.Scale(k, k, 1.0f);
        g_renderDevice.DrawRectUV(Rect(-20, -7, 14, 14), 0.0f, heart.RightU(), 0.0f, heart.TopV());
        g_renderDevice.SelectFont("bonus");
        g_renderDevice.DrawString(-5, -15, "x" + IntToString(lives), 1.0f, 0, false);
    }
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
