#include "tools/artgen/EffectArt.h"

#include "tools/artgen/Geometry.h"
#include "tools/artgen/Ornaments.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;

// A small repeatable hash noise, -1 to 1.
float Hash(std::uint32_t n)
{
    n = (n << 13u) ^ n;
    n = n * (n * n * 15731u + 789221u) + 1376312589u;
    return 1.0f - static_cast<float>(n & 0x7fffffffu) / 1073741824.0f;
}

// The chip colours the shards take, by colour index.
const std::uint32_t kChipColours[12] = {0xD0202C, 0x2A58C8, 0x20A050, 0xF0A020, 0x9440C8, 0x20B8B4,
                                        0xE4E2EC, 0xD86A2C, 0xC8C040, 0x60C8F0, 0xF070B0, 0x808890};

// One jagged shard filling most of the box, lit from the upper left.
void DrawShard(Canvas& canvas, const Box& box, const Colour& colour, std::uint32_t seed)
{
    const Vec2 c{(box.left + box.right) * 0.5f, (box.top + box.bottom) * 0.5f};
    const float rx = (box.right - box.left) * 0.45f;
    const float ry = (box.bottom - box.top) * 0.45f;
    std::vector<Vec2> points;
    const int corners = 5 + static_cast<int>(seed % 3u);
    for (int i = 0; i < corners; ++i) {
        const float a = 2.0f * kPi * (static_cast<float>(i) + 0.3f * Hash(seed * 7u + static_cast<std::uint32_t>(i))) /
                        static_cast<float>(corners);
        const float r = 0.65f + 0.35f * std::fabs(Hash(seed * 13u + static_cast<std::uint32_t>(i)));
        points.push_back({c.x + rx * r * std::cos(a), c.y + ry * r * std::sin(a)});
    }
    const ShapePtr shard = Polygon(points);
    canvas.Fill(*shard, LinearGradient({box.left, box.top}, Mix(colour, Rgb(0xFFFFFF), 0.45f), {box.right, box.bottom},
                                       Shade(colour, 0.6f)));
    canvas.Bevel(*shard, 2.0f, 0.6f);
}

} // namespace

void DrawLightningStrip(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width());
    const float h = static_cast<float>(canvas.Height());
    // A path that starts and ends in the middle, so strips join.
    const int steps = 16;
    std::vector<Vec2> path;
    for (int i = 0; i <= steps; ++i) {
        const float x = w * static_cast<float>(i) / static_cast<float>(steps);
        const float jag = (i == 0 || i == steps) ? 0.0f : Hash(91u + static_cast<std::uint32_t>(i)) * h * 0.3f;
        path.push_back({x, h * 0.5f + jag});
    }
    canvas.Glow(*Polyline(path, 2.0f), h * 0.45f, Rgb(0x6080FF, 0.8f));
    canvas.Fill(*Polyline(path, 4.0f), Solid(Rgb(0xB0C8FF)));
    canvas.Fill(*Polyline(path, 1.6f), Solid(Rgb(0xFFFFFF)));
}

void DrawFlashBall(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const Vec2 c{s * 0.5f, s * 0.5f};
    canvas.FillAll([&](Vec2 p) {
        const float d = Length(p - c) / (s * 0.5f);
        const float core = std::exp(-d * d * 9.0f);
        const float halo = std::exp(-d * d * 3.0f);
        return Colour{1.0f, 0.95f + 0.05f * core, 0.8f + 0.2f * core, Clamp01(0.8f * halo + 0.4f * core - 0.03f)};
    });
}

void DrawEnergyStreaks(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width());
    const float h = static_cast<float>(canvas.Height());
    canvas.FillAll([&](Vec2 p) {
        const float across = std::fabs(p.y - h * 0.5f) / (h * 0.5f);
        const float wave = 0.5f + 0.5f * std::sin(2.0f * kPi * (3.0f * p.x / w) + 2.0f * std::sin(2.0f * kPi * p.x / w));
        const float a = Clamp01((1.0f - across * across) * (0.35f + 0.65f * wave));
        return Colour{1.0f, 0.85f + 0.15f * wave, 0.45f + 0.4f * wave, a};
    });
}

void DrawFramePiece(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const Vec2 c{s * 0.5f, s * 0.5f};
    canvas.Glow(*Circle(c, s * 0.1f), s * 0.4f, Rgb(0xFFFFFF, 0.7f));
    canvas.Fill(*Star(c, 4, s * 0.48f, s * 0.12f), Solid(Rgb(0xFFFFFF)));
}

void DrawChipShards(Canvas& canvas)
{
    const int side = 20;
    for (int colour = 0; colour < 12; ++colour) {
        // Colour 0 is the top row of the picture (the picture's v runs from
        // its bottom row up).
        const float top = static_cast<float>(colour * side);
        for (int i = 0; i < 8; ++i) {
            const float left = static_cast<float>(i * side);
            DrawShard(canvas, Box{left, top, left + side, top + side}, Rgb(kChipColours[colour]),
                      static_cast<std::uint32_t>(colour * 8 + i + 1));
        }
    }
}

void DrawCoverShards(Canvas& canvas)
{
    const int band = 80;
    const int side = 20;
    // Lock (bronze), double lock (dark bronze), ice (pale blue).
    const std::uint32_t covers[3] = {0xB08040, 0x805830, 0xC8E8FF};
    for (int cover = 0; cover < 3; ++cover) {
        const float top = static_cast<float>(cover * band);
        for (int i = 0; i < 8; ++i) {
            const float left = static_cast<float>(i * side);
            DrawShard(canvas, Box{left, top, left + side, top + band}, Rgb(covers[cover], cover == 2 ? 0.8f : 1.0f),
                      static_cast<std::uint32_t>(200 + cover * 8 + i));
        }
    }
    // The two halves of a life icon: a red heart split down the middle.
    const float top = 0.0f;
    for (int half = 0; half < 2; ++half) {
        const float left = 200.0f + 20.0f * static_cast<float>(half);
        const Vec2 c{half == 0 ? left + 20.0f : left, top + band * 0.5f};
        const ShapePtr heart = Intersect(Circle(c, 9.0f), RoundedRect(Box{left, top, left + 20.0f, top + band}, 0.0f));
        canvas.Fill(*heart, RadialGradient({c.x - 3.0f, c.y - 3.0f}, 10.0f,
                                           {{0.0f, Rgb(0xFF8080)}, {1.0f, Rgb(0xB01020)}}));
    }
}

void DrawChainWord(Canvas& canvas, TitleLetterer& serifBold, const std::string& word)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    DrawLettering(canvas, serifBold, word, 40, 1, {static_cast<float>(canvas.Width()) * 0.5f, 8.0f}, GoldTitleLettering());
}
