#include "game/board/effects/LifeBonusDownMover.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "game/board/BoardMath.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/state/GameInfo.h"

#include <cmath>

namespace {

// The life bonus and its heart in the chip atlas.
constexpr int kLifeFrame = 28;
constexpr int kHeartFrame = 29;
// The life bonus's index among the level record's bonus letters.
constexpr int kLifeLetter = 4;

float Fraction(float x)
{
    return x - std::floor(x);
}

} // namespace

LifeBonusDownMover::LifeBonusDownMover(float startX, float startY, float startZ, GameField* field)
    : FlyingMover("BonusDownMover", 0.35f, field, Vector3(startX, startY, startZ), Vector3(43.0f, 237.0f, 0.0f))
{
    if (!_field)
        return;
    gameInfo.ShowExitConfirmation();
    g_sound.PlaySample("LifeBonusFly");
    StartFlame("LifeFlame", startX, startY);
    const float swingX = 93.0f + 50.0f * static_cast<float>(RandomInt()) / 32767.0f;
    const float swingY = 187.0f + 100.0f * static_cast<float>(RandomInt()) / 32767.0f;
    SetCurveKeys(_pathX, {startX, startX, swingX, 43.0f});
    SetCurveKeys(_pathY, {startY, startY - 80.0f, swingY, 237.0f});
    SetCurveKeys(_shrink, {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.4f});
    SetCurveKeys(_pathScale, {1.0f, 1.2f, 1.2f, 1.2f, 1.0f});
}

LifeBonusDownMover::~LifeBonusDownMover()
{
    if (!_field)
        return;
    GameField* field = _field;
    field->AddScore(200);
    LevelInfo record = field->CurrentLevelInfo();
    record.takedBonus[kLifeLetter] += 1;
    field->StoreCurrentLevelInfo(record);
    StopFlame();
    field->AddLifeEffect();
    LeaveFlight();
    field->CheckCompleteLevel();
    field->_checkMovesPending = true;
}

void LifeBonusDownMover::Update(float dt)
{
    _time += 0.35f * dt;
    if (_time > 0.8f)
        _climbing = false;
    MoveFlame(PathX(_time), PathY(_time));
}

void LifeBonusDownMover::Draw()
{
    if (!_field)
        return;
    const float t = _time;
    const float px = PathX(t);
    const float py = PathY(t);
    const float s = PathScale(t);
    const float k = _shrink.getGlobalFrame(t);
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(kLifeFrame, u, v);
    Sprite* atlas = _field->_squaresTexture;
    const Rect quad(-19, -19, 38, 38);
    const float inset = 0.00390625f;
    const float far = 0.15234375f;

    // The shadow.
    if (atlas)
        atlas->BindAlphaOnly();
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(px, py - 50.0f * (s - 1.0f), 0.0f));
    g_renderDevice.Scale(s * k, s * k, 1.0f);
    g_renderDevice.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(128 - static_cast<int>(10.0f * (s - 1.0f)))));
    g_renderDevice.DrawRectUV(quad, u + inset, u + far, v + inset, v + far);
    g_renderDevice.PopMatrix();
    g_renderDevice.ResetColor();

    // The life bonus.
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(px, py, 0.0f));
    g_renderDevice.Scale(s * k, s * k, 1.0f);
    if (atlas)
        atlas->Bind();
    g_renderDevice.DrawRectUV(quad, u + inset, u + far, v + inset, v + far);

    // Its heart, beating.
    const float clock = _field->_effectClock;
    const float beat = _field->_heartCurve.getGlobalFrame(Fraction(0.75f * clock));
    g_renderDevice.ScaleUniform(1.0f + 0.04f * std::sin(2.3561926f * clock) + 0.0625f * (beat - 1.0f));
    const int side = _field->_cellSize - 4;
    const int corner = 2 - _field->_cellSize / 2;
    const Rect heart(corner, corner, side, side);
    AtlasCellUV(kHeartFrame, u, v);
    const float edge = 1.0f / 128.0f;
    g_renderDevice.DrawRectUV(heart, u + edge, u + kAtlasCell - edge, v + edge, v + kAtlasCell - edge);
    g_renderDevice.SetBlendMode(2);
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(static_cast<int>(64.0f * beat))));
    g_renderDevice.DrawRectUV(heart, u + edge, u + kAtlasCell - edge, v + edge, v + kAtlasCell - edge);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
