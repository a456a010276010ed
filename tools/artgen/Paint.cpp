#include "tools/artgen/Paint.h"

#include "tools/artgen/ValueNoise.h"

#include <cmath>
#include <utility>

namespace {

Colour ColourAt(const std::vector<ColourStop>& stops, float t)
{
    if (stops.empty())
        return {};
    if (t <= stops.front().at)
        return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at) {
            const float span = stops[i].at - stops[i - 1].at;
            return Mix(stops[i - 1].colour, stops[i].colour, span > 0.0f ? (t - stops[i - 1].at) / span : 1.0f);
        }
    return stops.back().colour;
}

} // namespace

Paint Solid(Colour colour)
{
    return [colour](Vec2) { return colour; };
}

Paint LinearGradient(Vec2 from, Vec2 to, std::vector<ColourStop> stops)
{
    const Vec2 axis = to - from;
    const float len2 = Dot(axis, axis);
    return [from, axis, len2, stops = std::move(stops)](Vec2 p) {
        const float t = len2 > 0.0f ? Dot(p - from, axis) / len2 : 0.0f;
        return ColourAt(stops, t);
    };
}

Paint LinearGradient(Vec2 from, Colour fromColour, Vec2 to, Colour toColour)
{
    return LinearGradient(from, to, {{0.0f, fromColour}, {1.0f, toColour}});
}

Paint RadialGradient(Vec2 centre, float radius, std::vector<ColourStop> stops)
{
    return [centre, radius, stops = std::move(stops)](Vec2 p) { return ColourAt(stops, Length(p - centre) / radius); };
}

Paint Marble(Colour base, Colour vein, std::uint32_t seed, float scale)
{
    const ValueNoise noise(seed);
    return [=](Vec2 p) {
        // Veins: ridges where a diagonal sine, bent by smooth noise, crosses
        // zero; a faint wide cloud around each and a fine dark core.
        const float warp = noise.Fractal(p.x / (scale * 2.0f), p.y / (scale * 2.0f), 3);
        const float cloud = noise.Fractal(p.x / scale + 40.0f, p.y / scale, 5);
        const float s = std::sin((p.x * 0.8f + p.y * 0.5f) / scale * 1.4f + warp * 10.0f);
        const float near = 1.0f - std::fabs(s);
        const float ridge = 0.3f * std::pow(near, 4.0f) + 0.5f * std::pow(near, 40.0f) * SmoothStep(0.35f, 0.6f, cloud);
        const Colour c = Shade(base, 0.92f + 0.14f * cloud);
        return Mix(c, vein, Clamp01(ridge));
    };
}

Paint Papyrus(Colour base, std::uint32_t seed)
{
    const ValueNoise noise(seed);
    return [=](Vec2 p) {
        // Long fibres across and fewer down, as the strips of the sheet lie.
        const float across = noise.Fractal(p.x / 90.0f, p.y / 1.6f, 3);
        const float down = noise.Fractal(p.x / 2.0f + 500.0f, p.y / 120.0f, 2);
        const float blotch = noise.Fractal(p.x / 60.0f + 100.0f, p.y / 60.0f, 4);
        const float k = 0.86f + 0.12f * across + 0.06f * down + 0.1f * (blotch - 0.5f);
        return Shade(base, k);
    };
}

Paint Sandstone(Colour base, std::uint32_t seed, float scale)
{
    const ValueNoise noise(seed);
    return [=](Vec2 p) {
        const float n = noise.Fractal(p.x / scale, p.y / (scale * 0.45f), 5);
        const float grain = noise.At(p.x * 0.9f + 300.0f, p.y * 0.9f);
        return Shade(base, 0.82f + 0.28f * n + 0.08f * (grain - 0.5f));
    };
}

Paint Mottled(Paint paint, std::uint32_t seed, float scale, float amount)
{
    const ValueNoise noise(seed);
    return [=](Vec2 p) {
        const float n = noise.Fractal(p.x / scale, p.y / scale, 4);
        return Shade(paint(p), 1.0f + amount * (n - 0.5f) * 2.0f);
    };
}

Paint Grain(std::uint32_t seed, float scaleX, float scaleY, float alpha)
{
    const ValueNoise noise(seed);
    return [=](Vec2 p) {
        const float n = noise.Fractal(p.x / scaleX, p.y / scaleY, 3) - 0.5f;
        return n > 0.0f ? Colour{1.0f, 0.95f, 0.85f, Clamp01(n * 2.0f) * alpha} : Colour{0.1f, 0.05f, 0.0f, Clamp01(-n * 2.0f) * alpha};
    };
}
