#include "game/board/effects/ChipSunEnergy.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/ChipPicture.h"
#include "game/board/effects/Curves.h"

#include <algorithm>
#include <cmath>

namespace {

// The tip offered once the sun has taken a group.
constexpr int kSunTip = 8;
// Every covered kind known to the flight.
constexpr int kAllCovers = 5;
constexpr int kTrailCopies = 5;

} // namespace

ChipSunEnergy::ChipSunEnergy(const std::vector<Point>& cells, GameField* field)
    : FieldEffect("ChipSunEnergy", 0.6f, field)
    , _ball(g_resourceManager.GetTexture("#flash_ball"))
{
    if (!_field)
        return;
    const float targetX = static_cast<float>(_field->_sunPosition.x + 30);
    const float targetY = static_cast<float>(_field->_sunPosition.y + 30);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Square* square = _field->FindSquare(cells[i].x, cells[i].y);
        if (!square || !IsSquareKind(square->kind))
            continue;
        _chips.emplace_back();
        FlyingChip& chip = _chips.back();
        chip.kind = square->kind;
        if (ResourceEntry<SpriteAnimation>* entry =
                g_resourceManager.FindAnimation("ChipAnim" + IntToString(KindColour(square->kind)))) {
            if (entry->object)
                chip.anim = *entry->object;
        }
        chip.anim.Play(true);
        chip.spin = static_cast<float>(300 + RandomInt() % 300);
        chip.startX = static_cast<float>(_field->_originX) + square->position.x;
        chip.startY = static_cast<float>(_field->_originY) + square->position.y;
        chip.rate = 1.0f / (0.2f * static_cast<float>(i) + 0.4f + 0.199f * RandomUnit());
        SetCurveKeys(chip.pathX, {chip.startX, chip.startX, targetX});
        SetCurveKeys(chip.pathY, {chip.startY, chip.startY, targetY});
        SetCurveKeys(chip.scale, {1.0f, 1.0f, 0.8f, 0.8f, 0.8f, 0.5f});
    }
}

void ChipSunEnergy::Update(float dt)
{
    _glowSize = static_cast<int>(RandomFloatRange(_glow, 1.25f * _glow));
    for (std::size_t i = 0; i < _chips.size();) {
        FlyingChip& chip = _chips[i];
        chip.progress += dt * chip.rate;
        if (chip.progress < 1.0f) {
            ++i;
            continue;
        }
        if (_field) {
            if (_field->_shownSunEnergy < 1.0f)
                g_sound.PlaySamplePitched("SunAdd", 1.2f * _field->_shownSunEnergy + 0.5f);
            if (_firstArrival) {
                _firstArrival = false;
                _field->AddSunEnergy(static_cast<int>(_chips.size()));
            }
        }
        _chips.erase(_chips.begin() + static_cast<std::ptrdiff_t>(i));
        _arrived = true;
        _glow = 64.0f;
        _glowSize = static_cast<int>(RandomFloatRange(64.0f, 16.0f));
    }
    if (!_arrived)
        return;
    if (!_chips.empty()) {
        if (_glow < 70.0f)
            _glow += 1024.0f * dt;
    } else {
        _glow -= 256.0f * dt;
    }
}

bool ChipSunEnergy::IsFinished()
{
    if (_finished)
        return true;
    if (!_chips.empty() || !_arrived || _glow >= 0.0f)
        return false;
    if (_field)
        _field->ShowTip(kSunTip, 0);
    return true;
}

void ChipSunEnergy::DrawChip(FlyingChip& chip)
{
    const float half = static_cast<float>(_field->_cellSize) / 2.0f;
    for (int copy = 0; copy <= 2 * kTrailCopies; ++copy) {
        // -5 .. -1, 1 .. 5, and the chip itself (0) last, on top.
        int m = copy < kTrailCopies ? copy - kTrailCopies : copy - kTrailCopies + 1;
        if (copy == 2 * kTrailCopies)
            m = 0;
        const float p = std::clamp(chip.progress + 0.008f * static_cast<float>(m), 0.0f, 1.0f);
        const int frame = static_cast<int>(30.0f * p) % 36;
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(chip.pathX.getGlobalFrame(p) + 20.0f, chip.pathY.getGlobalFrame(p) + 20.0f, 0.0f));
        g_renderDevice.ScaleUniform(chip.scale.getGlobalFrame(p));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), chip.spin * p);
        g_renderDevice.SetColor(m == 0 ? Color(255) : Color(static_cast<std::uint8_t>(110 - 4 * m * m)));
        if (chip.kind >= 0 && chip.kind < 16) {
            chip.anim.SetFrame(frame);
            chip.anim.BindTexture();
            chip.anim.Draw(Point(-static_cast<int>(half), -static_cast<int>(half)));
        } else {
            g_renderDevice.Rotate(Vector3(0.0f, 1.0f, 0.0f), 10.0f * static_cast<float>(frame));
            const int cell = _field->_cellSize;
            DrawAtlasCell(*_field, ChipAtlasFrame(*_field, chip.kind, kAllCovers), -cell / 2, -cell / 2, cell, cell);
        }
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.ResetColor();
}

void ChipSunEnergy::Draw()
{
    if (!_field)
        return;
    for (FlyingChip& chip : _chips)
        DrawChip(chip);
    if (_arrived && _glow > 0.0f && _glowSize > 0 && _ball) {
        g_renderDevice.SetBlendMode(2);
        _ball->Bind();
        const int cx = _field->_sunPosition.x + 51;
        const int cy = _field->_sunPosition.y + 50;
        g_renderDevice.DrawRectUV(Rect(cx - _glowSize / 2, cy - _glowSize / 2, _glowSize, _glowSize), 0.0f, 1.0f,
                                  0.0f, 1.0f);
    }
    RestoreDrawState();
}
