#include "game/board/effects/BonusMover.h"

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

const char* const kFlames[] = {"FlashBonusFlame", "TimeBonusFlame", "ReshuffleBonusFlame", "BombBonusFlame"};
// The bonus pictures follow the twelve chip cells of the atlas.
constexpr int kBonusFrames = 12;

} // namespace

BonusMover::BonusMover(float startX, float startY, float startZ, float endX, float endY, float endZ, int bonus,
                       float /*speed*/, GameField* field)
    : FlyingMover("BonusMover", 0.35f, field, Vector3(startX, startY, startZ), Vector3(endX, endY, endZ))
    , _bonus(bonus)
{
    if (!_field)
        return;
    gameInfo.ShowExitConfirmation();
    LevelInfo record = _field->CurrentLevelInfo();
    record.takedBonus[Index()] += 1;
    _field->StoreCurrentLevelInfo(record);
    g_sound.PlaySample("FallenVisBonus");

    const float x0 = startX;
    const float x1 = endX;
    const float low = x0 - 50.0f;
    const float high = x1 + 50.0f;
    const float r = std::trunc(static_cast<float>(RandomInt()) * ((high - low) - 0.001f) / 32767.0f + low);
    SetCurveKeys(_pathX, {x0, x0, r, x1, x1});
    SetCurveKeys(_pathY, {startY, startY - 60.0f, 0.4f * (r - x1) + endY, endY, endY});
    SetCurveKeys(_pathScale, {1.0f, 1.15f, 1.15f, 1.15f, 1.0f});
    StartFlame(kFlames[Index()], startX, startY);
}

BonusMover::~BonusMover()
{
    if (!_field)
        return;
    GameField* field = _field;
    HoverRect& button = field->_bonusButtons[Index()];
    button.count += 1;
    gameInfo.setBonusCount(Index(), button.count);
    field->ShowTip(5, Index());
    StopFlame();
    LeaveFlight();
    field->CheckCompleteLevel();
    field->_checkMovesPending = true;
}

void BonusMover::Update(float dt)
{
    FieldEffect::Update(dt);
    if (!_field)
        return;
    const float half = static_cast<float>(_field->_cellSize) / 2.0f;
    MoveFlame(PathX(_time) + half, PathY(_time) + half);
}

void BonusMover::Draw()
{
    if (!_field)
        return;
    const float t = _time;
    const float s = PathScale(t);
    const float clock = _field->_effectClock;
    const int picture = _field->_bonusButtons[Index()].picture;
    const float index = static_cast<float>(Index());

    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(PathX(t) + 20.0f, PathY(t) + 20.0f, 0.0f));

    // The shadow.
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(0.0f, -50.0f * (s - 1.0f), 0.0f));
    g_renderDevice.ScaleUniform(s);
    const int shadow = 128 - static_cast<int>(10.0f * (s - 1.0f));
    g_renderDevice.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(shadow)));
    if (_field->_squaresTexture)
        _field->_squaresTexture->BindAlphaOnly();
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(picture + kBonusFrames, u, v);
    g_renderDevice.DrawRectUV(Rect(-20, -20, 40, 40), u, u + kAtlasCell, v, v + kAtlasCell);
    g_renderDevice.PopMatrix();
    g_renderDevice.ResetColor();

    // The glow.
    g_renderDevice.PushMatrix();
    g_renderDevice.ScaleUniform(1.0f + 0.07f * std::sin(2.0f * index + 0.1f * clock + 2.0f) *
                                           std::sin(3.0f * clock + index));
    g_renderDevice.SetBlendMode(2);
    if (_field->_squaresTexture)
        _field->_squaresTexture->Bind();
    const float glowU = 0.25f * static_cast<float>(picture);
    g_renderDevice.DrawRectUV(Rect(-32, -32, 64, 64), glowU, glowU + 0.25f, 0.75f, 1.0f);
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.PopMatrix();

    // The bonus itself.
    g_renderDevice.ScaleUniform(s);
    DrawAtlasCell(*_field, picture + kBonusFrames, -20, -20, 40, 40);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
