// The charged sun's shine: a sparkle jumping among ten points that circle the
// sun, light beams hopping from near its centre to those points, and the
// rays of light that run from a block of cells into the sun.

#include "game/board/GameField.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "game/state/Player.h"
#include "gui/effects/ParticleEffect.h"

#include <cmath>

namespace {

constexpr int kRingPoints = 10;
constexpr float kBeamPiece = 128.0f;

std::uint8_t ColourWave(float phase)
{
    return static_cast<std::uint8_t>(127.5f + 127.0f * std::sin(phase));
}

} // namespace

GameField::SunWonderFrame GameField::PlanSunWonder()
{
    SunWonderFrame frame;
    const float s = _effectClock - 180.0f * std::trunc(_effectClock / 180.0f);
    frame.sparkPoint = RandomIndex(10);

    const float cx = static_cast<float>(_sunPosition.x) + 50.0f;
    const float cy = static_cast<float>(_sunPosition.y) + 50.0f;
    const float radius = 45.0f * _sunScale;
    for (int i = 0; i < kRingPoints; ++i) {
        const float fi = static_cast<float>(i);
        const float a = s * (std::sin(0.022f * s + 3.0f * fi) + std::sin(0.003f * s + 2.0f + 5.0f * fi)) + 2.0f * fi;
        frame.pointX[i] = cx + radius * std::cos(a);
        frame.pointY[i] = cy + radius * std::sin(a);
    }

    frame.startX = cx + std::sin(2.0f * s);
    frame.startY = cy + std::sin(2.3f * s + 2.0f);
    const float rho = 40.0f + 25.0f * std::sin(s) * std::sin(1.5f * s + 2.0f);
    float x = frame.startX;
    float y = frame.startY;
    for (int i = 0; i < kRingPoints; ++i) {
        const float dx = frame.pointX[i] - x;
        const float dy = frame.pointY[i] - y;
        if (std::sqrt(dx * dx + dy * dy) >= rho)
            continue;
        ++frame.count;
        const bool hop = RandomIndex(100) < 90;
        if (hop && frame.chain.size() < 3) {
            frame.chain.push_back(i);
            x = frame.pointX[i];
            y = frame.pointY[i];
        }
    }
    return frame;
}

void GameField::PlaySunWonderSounds(int count)
{
    if (count > 0 && !_shineSound1) {
        _shineSound1 = true;
        g_sound.PlaySample("SunWonder");
    }
    if (count == 0) {
        _shineSound1 = false;
        _shineSound2 = false;
    } else if (count < 3) {
        _shineSound2 = false;
    } else if (!_shineSound2) {
        _shineSound2 = true;
        g_sound.PlaySample("SunWonder");
    }
}

void GameField::DrawSunWonder()
{
    if (!ActivePlayer().levelNotComp) {
        if (ParticleEffect* shine = _shineEffect.Get())
            shine->Stop();
        _shineEffect = EffectHandle();
        return;
    }
    // The shine starts on the sun's middle; the spark points are drawn
    // after it, so the random draws keep their order.
    if (!_shineEffect.Get())
        _shineEffect = effects.AddWithHandle("MapLight", static_cast<float>(_sunPosition.x + 50),
                                             static_cast<float>(_sunPosition.y + 50));
    const SunWonderFrame frame = PlanSunWonder();
    if (ParticleEffect* shine = _shineEffect.Get()) {
        shine->posX = frame.pointX[frame.sparkPoint];
        shine->posY = frame.pointY[frame.sparkPoint];
    }

    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
    float x = frame.startX;
    float y = frame.startY;
    for (int point : frame.chain) {
        DrawBeam(x, y, frame.pointX[point], frame.pointY[point]);
        x = frame.pointX[point];
        y = frame.pointY[point];
    }
    PlaySunWonderSounds(frame.count);
}

void GameField::DrawBeam(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f))
        return;
    const float degrees = std::atan2(dy, dx) * 57.29578f;
    const float clock = _effectClock;

    g_renderDevice.SetBlendMode(2);
    g_renderDevice.SetColor(Color(ColourWave(2.0f * clock), ColourWave(1.5f * clock + 1.0f),
                                  ColourWave(2.3f * clock + 3.0f), 255));
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(x1, y1, 0.0f));
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), degrees);
    if (_flashTexture) {
        _flashTexture->Bind();
        for (float start = 0.0f; start < length; start += kBeamPiece) {
            const float piece = std::fmin(kBeamPiece, length - start);
            const bool last = start + kBeamPiece >= length;
            const float half = last ? 8.0f : 22.0f;
            g_renderDevice.DrawQuadUV(Vector3(start, -half, 0.0f), Vector3(start + piece, -half, 0.0f),
                                      Vector3(start, half, 0.0f), Vector3(start + piece, half, 0.0f), 0.0f,
                                      piece / kBeamPiece, 0.0f, 1.0f);
        }
    }
    g_renderDevice.PopMatrix();

    if (_lightSprite) {
        _lightSprite->Bind();
        for (float scale : {(std::sin(clock * 89.0f) + 1.0f) * 0.05f, (std::sin(clock * 99.0f) + 1.0f) * 0.05f}) {
            g_renderDevice.PushMatrix();
            g_renderDevice.Translate(Vector3(x2, y2, 0.0f));
            g_renderDevice.ScaleUniform(scale);
            g_renderDevice.DrawRectUV(Rect(-32, -32, 64, 64), 0.0f, 1.0f, 0.0f, 1.0f);
            g_renderDevice.PopMatrix();
        }
    }
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}

void GameField::LaunchSunSparks(int x, int y, int w, int h)
{
    const float sunX = static_cast<float>(_sunPosition.x) + 50.0f;
    const float sunY = static_cast<float>(_sunPosition.y) + 50.0f;
    const float cell = static_cast<float>(_cellSize);
    for (int column = x; column < x + w; ++column) {
        for (int row = y; row < y + h; ++row) {
            SunRay& ray = _sunRays.emplace_back();
            float px = (static_cast<float>(column) + 0.5f) * cell + static_cast<float>(_originX);
            float py = (static_cast<float>(row) + 0.5f) * cell + static_cast<float>(_originY);
            ray.strip.AddPoint(px, py, 3.0f);
            for (int k = 0; k < 2; ++k) {
                px = 0.5f * (px + sunX) + static_cast<float>(RandomInt() % 300 - 150);
                py = 0.5f * (py + sunY) + static_cast<float>(RandomInt() % 300 - 150);
                ray.strip.AddPoint(px, py, 3.0f);
            }
            ray.strip.AddPoint(sunX, sunY, 20.0f);
            ray.strip.Build(50);
            ray.speed = 0.3f + static_cast<float>(RandomInt() % 100) * 0.005f;
        }
    }
}
