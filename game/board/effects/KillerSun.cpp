#include "game/board/effects/KillerSun.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>

namespace {

constexpr int kRaySegments = 50;

} // namespace

void KillerSun::BendPoint(float sx, float sy, float x, float y, float b, float& mx, float& my)
{
    mx = (sx + x) / 2.0f;
    my = (sy + y) / 2.0f;
    if (x == sx) {
        mx += b;
        return;
    }
    const float k = (y - sy) / (x - sx);
    mx -= k * b;
    my += b;
}

KillerSun::KillerSun(const std::vector<Point>& targets, GameField* field)
    : FieldEffect("KillerSun", 0.1f, field)
    , _ball(g_resourceManager.GetTexture("#flash_ball"))
    , _energy(g_resourceManager.GetTexture("#Energy"))
    , _energy2(g_resourceManager.GetTexture("#Energy2"))
{
    _drawPass = 3;
    if (!_field)
        return;
    _field->_sunStrike = true;
    _field->_sunComplete = false;
    if (!targets.empty())
        _sharePerChip = 1.2f / static_cast<float>(targets.size());
    const float sx = static_cast<float>(_field->_sunPosition.x + 50);
    const float sy = static_cast<float>(_field->_sunPosition.y + 50);
    for (const Point& cell : targets) {
        _rays.emplace_back();
        Ray& ray = _rays.back();
        ray.cell = cell;
        ray.rate = 0.8f + 0.099f * RandomUnit();
        ray.delay = 2.999f * RandomUnit();
        const float b = 299.999f * RandomUnit() - 150.0f;
        const float x = static_cast<float>(_field->_originX + 40 * cell.x + 20);
        const float y = static_cast<float>(_field->_originY + 40 * cell.y + 20);
        float mx = 0.0f;
        float my = 0.0f;
        BendPoint(sx, sy, x, y, b, mx, my);
        ray.strip.AddPoint(sx, sy, 5.0f);
        ray.strip.AddPoint(mx, my, 25.0f);
        ray.strip.AddPoint(x, y, 5.0f);
        ray.strip.Build(kRaySegments);
    }
}

KillerSun::~KillerSun()
{
    if (!_field)
        return;
    _field->RunFalling(-80.0f, 0.02f, 0.02f);
    _field->_sunStrike = false;
}

void KillerSun::Strike(Ray& ray)
{
    ray.destroyed = true;
    g_sound.PlaySample("SunChipDestroy");
    _field->DestroySquare(ray.cell.x, ray.cell.y, 0.0f, GameField::kDestroyShatter, 0, 0);
    const float cell = static_cast<float>(_field->_cellSize);
    _field->effects.Add("SunExplode", static_cast<float>(_field->_originX) + cell * static_cast<float>(ray.cell.x) + 20.0f,
                          static_cast<float>(_field->_originY) + cell * static_cast<float>(ray.cell.y) + 20.0f);
    _field->_sunEnergy = std::max(0.0f, _field->_sunEnergy - _sharePerChip);
}

void KillerSun::Update(float dt)
{
    const float reach = 2.0f * _glow + 1.0f;
    for (auto it = _rays.begin(); it != _rays.end();) {
        Ray& ray = *it;
        if (ray.delay > 0.0f) {
            ray.delay -= dt;
            ++it;
            continue;
        }
        if (ray.soundPending) {
            g_sound.PlaySample("SunRay");
            ray.soundPending = false;
        }
        if (reach * ray.progress >= 1.8f || ray.destroyed)
            ray.brightness -= 150.0f * dt;
        ray.progress += dt * ray.rate;
        ray.strip.SetProgress(ray.progress);
        if (reach * ray.progress > 1.5f && !ray.destroyed && _field)
            Strike(ray);
        if (ray.progress >= 1.0f)
            it = _rays.erase(it);
        else
            ++it;
    }
}

void KillerSun::Draw()
{
    if (!_field)
        return;
    // A strip whose picture is missing is left out.
    g_renderDevice.SetBlendMode(1);
    if (_energy) {
        _energy->Bind();
        for (Ray& ray : _rays)
            ray.strip.Draw();
    }

    g_renderDevice.SetBlendMode(2);
    if (_energy2)
        _energy2->Bind();
    for (Ray& ray : _rays) {
        ray.strip.SetScroll(-1.5f);
        ray.strip.SetRepeat(2.0f);
        if (_energy2)
            ray.strip.Draw();
        ray.strip.SetScroll(2.0f);
        ray.strip.SetRepeat(1.5f);
    }

    if (!_ball) {
        RestoreDrawState();
        return;
    }
    _ball->Bind();
    g_renderDevice.ResetColor();
    const float reach = 2.0f * _glow + 1.0f;
    for (Ray& ray : _rays) {
        const RayHeadPoint head = ray.strip.GetHeadPoint();
        int side = 0;
        if (reach * ray.progress > 1.2f) {
            const int bright = static_cast<int>(std::max(0.0f, ray.brightness));
            side = bright + RandomInt() % (1 + bright / 3);
        } else {
            side = 25 + RandomInt() % 24;
        }
        if (side <= 0)
            continue;
        const int left = static_cast<int>(head.x - static_cast<float>(side) / 2.0f);
        const int bottom = static_cast<int>(head.y - static_cast<float>(side) / 2.0f);
        g_renderDevice.DrawRectUV(Rect(left, bottom, side, side), 0.0f, 1.0f, 0.0f, 1.0f);
    }
    RestoreDrawState();
}
