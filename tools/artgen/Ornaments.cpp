#include "tools/artgen/Ornaments.h"

#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

} // namespace

void DrawMeanderBand(Canvas& canvas, const Box& box, const Colour& line, const Colour& background)
{
    const bool across = box.Width() >= box.Height();
    const float length = across ? box.Width() : box.Height();
    const float thickness = across ? box.Height() : box.Width();
    const float unit = thickness / 5.0f;
    // Maps band coordinates (along, across) to the picture.
    auto place = [&](float along, float side) {
        return across ? Vec2{box.left + along, box.top + side} : Vec2{box.left + side, box.top + along};
    };
    canvas.Fill(*RoundedRect(box, 0.0f), Solid(background));
    const float lineWidth = unit * 0.55f;
    // Border lines along both edges.
    for (float side : {unit * 0.35f, thickness - unit * 0.35f})
        canvas.Fill(*Polyline({place(0.0f, side), place(length, side)}, lineWidth * 0.7f), Solid(line));
    // The key: one continuous line, period four units, three units high.
    static const Vec2 kKey[] = {{0, 3}, {0, 0}, {3, 0}, {3, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 3}};
    const int periods = std::max(1, static_cast<int>(std::floor(length / (unit * 4.0f))));
    const float period = length / static_cast<float>(periods);
    const float scale = period / 4.0f;
    std::vector<Vec2> points;
    for (int k = 0; k < periods; ++k)
        for (const Vec2& v : kKey)
            points.push_back(place((static_cast<float>(k) * 4.0f + v.x + 0.5f) * scale, unit + v.y * unit));
    points.push_back(place((static_cast<float>(periods) * 4.0f + 0.5f) * scale, unit * 4.0f));
    canvas.Fill(*Polyline(points, lineWidth), Solid(line));
}

// A leaf: the lens where two circles overlap, pointed at both ends, from
// its base along the direction.
ShapePtr Leaf(Vec2 base, Vec2 direction, float length, float width)
{
    const float half = length * 0.5f, w = width * 0.5f;
    const float radius = (half * half + w * w) / (2.0f * w);
    const Vec2 centre = base + direction * half;
    const Vec2 side{-direction.y, direction.x};
    return Intersect(Circle(centre + side * (radius - w), radius), Circle(centre - side * (radius - w), radius));
}

void DrawLaurel(Canvas& canvas, Vec2 centre, float radius, float from, float to, float leafSize, const Colour& colour)
{
    const Colour dark = Shade(colour, 0.55f);
    canvas.Fill(*Arc(centre, radius, std::max(1.0f, leafSize * 0.12f), from, to), Solid(dark));
    auto drawLeaf = [&](Vec2 base, Vec2 direction, float size) {
        const ShapePtr leaf = Leaf(base, direction, size, size * 0.42f);
        canvas.Shadow(*leaf, {0.8f, 1.2f}, 1.2f, Rgb(0x000000, 0.35f));
        const Vec2 mid = base + direction * (size * 0.5f);
        const Vec2 across{-direction.y * size * 0.3f, direction.x * size * 0.3f};
        canvas.Fill(*leaf, LinearGradient(mid - across, Shade(colour, 1.3f), mid + across, Shade(colour, 0.72f)));
        canvas.Fill(*Polyline({base + direction * (size * 0.1f), base + direction * (size * 0.8f)}, std::max(0.6f, size * 0.05f)),
                    Solid(WithAlpha(dark, 0.6f)));
    };
    // Pairs of leaves along the branch, pointing towards its tip, smaller
    // towards it, and one leaf at the tip.
    const float step = leafSize * 0.55f / radius;
    const int pairs = std::max(1, static_cast<int>((to - from) / step));
    for (int i = 0; i < pairs; ++i) {
        const float a = from + (static_cast<float>(i) + 0.3f) * step;
        const Vec2 onArc = centre + Vec2{std::cos(a), std::sin(a)} * radius;
        const Vec2 tangent{-std::sin(a), std::cos(a)};
        const float size = leafSize * (1.0f - 0.3f * static_cast<float>(i) / static_cast<float>(pairs));
        for (int side = -1; side <= 1; side += 2)
            drawLeaf(onArc, Rotated(tangent, static_cast<float>(side) * 0.65f), size);
    }
    const Vec2 tip = centre + Vec2{std::cos(to), std::sin(to)} * radius;
    drawLeaf(tip - Vec2{-std::sin(to), std::cos(to)} * (leafSize * 0.1f), Vec2{-std::sin(to), std::cos(to)}, leafSize * 0.7f);
}

void DrawColumn(Canvas& canvas, const Box& box, const Colour& stone)
{
    const float w = box.Width();
    const float capital = std::max(3.0f, w * 0.28f);
    const float base = std::max(2.0f, w * 0.2f);
    const Box shaft{box.left + w * 0.12f, box.top + capital, box.right - w * 0.12f, box.bottom - base};
    const int flutes = std::max(3, static_cast<int>(shaft.Width() / 4.0f));
    // The shaft lit from the left: a round profile with dark flutes.
    const Colour lit = Shade(stone, 1.15f), shade = Shade(stone, 0.55f);
    canvas.Fill(*RoundedRect(shaft, 0.0f), [&](Vec2 p) {
        const float t = Clamp01((p.x - shaft.left) / shaft.Width());
        const float round = std::sin(t * kPi);
        const float flute = 0.5f + 0.5f * std::cos(t * static_cast<float>(flutes) * 2.0f * kPi);
        Colour c = Mix(shade, lit, Clamp01(0.35f + 0.75f * round * (1.0f - 0.6f * t)));
        return Shade(c, 1.0f - 0.18f * flute * round);
    });
    const Box abacus{box.left, box.top, box.right, box.top + capital * 0.45f};
    const ShapePtr echinus = Ellipse({(box.left + box.right) * 0.5f, box.top + capital * 0.62f}, w * 0.42f, capital * 0.32f);
    canvas.Fill(*echinus, LinearGradient({box.left, 0}, lit, {box.right, 0}, shade));
    for (const Box& b : {abacus, Box{box.left, box.bottom - base, box.right, box.bottom},
                         Box{box.left + w * 0.06f, box.bottom - base * 1.6f, box.right - w * 0.06f, box.bottom - base * 0.9f}}) {
        const ShapePtr slab = RoundedRect(b, 1.0f);
        canvas.Fill(*slab, LinearGradient({b.left, b.top}, lit, {b.right, b.bottom}, Shade(stone, 0.7f)));
        canvas.Bevel(*slab, 2.0f, 0.5f);
    }
}

void DrawTemple(Canvas& canvas, const Box& box, int columns, const Colour& stone)
{
    const float w = box.Width(), h = box.Height();
    const float stepH = h * 0.05f;
    const float pedimentH = h * 0.22f;
    const float architraveH = h * 0.1f;
    const Colour lit = Shade(stone, 1.12f), dark = Shade(stone, 0.62f);
    // Steps, widest at the bottom.
    for (int i = 0; i < 3; ++i) {
        const float inset = static_cast<float>(i) * w * 0.02f;
        const Box step{box.left + inset, box.bottom - stepH * static_cast<float>(i + 1), box.right - inset,
                       box.bottom - stepH * static_cast<float>(i)};
        canvas.Fill(*RoundedRect(step, 0.0f), LinearGradient({0, step.top}, lit, {0, step.bottom}, dark));
    }
    const float colTop = box.top + pedimentH + architraveH;
    const float colBottom = box.bottom - stepH * 3.0f;
    const float inner = w * 0.06f;
    const float colW = (w - 2.0f * inner) / (static_cast<float>(columns) * 1.9f);
    const float gap = columns > 1 ? (w - 2.0f * inner - colW * static_cast<float>(columns)) / static_cast<float>(columns - 1) : 0.0f;
    // The dark inside of the porch behind the columns.
    canvas.Fill(*RoundedRect({box.left + inner + colW * 0.5f, colTop, box.right - inner - colW * 0.5f, colBottom}, 0.0f),
                LinearGradient({0, colTop}, Shade(stone, 0.3f), {0, colBottom}, Shade(stone, 0.45f)));
    for (int i = 0; i < columns; ++i) {
        const float x = box.left + inner + static_cast<float>(i) * (colW + gap);
        DrawColumn(canvas, {x, colTop, x + colW, colBottom}, stone);
    }
    const Box architrave{box.left + inner * 0.6f, box.top + pedimentH, box.right - inner * 0.6f, colTop};
    canvas.Fill(*RoundedRect(architrave, 0.0f), LinearGradient({0, architrave.top}, lit, {0, architrave.bottom}, Shade(stone, 0.8f)));
    // Triglyph marks along the frieze.
    const int marks = columns * 2;
    for (int i = 0; i < marks; ++i) {
        const float x = architrave.left + (static_cast<float>(i) + 0.5f) * architrave.Width() / static_cast<float>(marks);
        canvas.Fill(*RoundedRect({x - 1.5f, architrave.top + architraveH * 0.45f, x + 1.5f, architrave.bottom - 1.0f}, 0.0f),
                    Solid(WithAlpha(dark, 0.6f)));
    }
    const ShapePtr pediment = Polygon({{box.left, box.top + pedimentH}, {(box.left + box.right) * 0.5f, box.top},
                                       {box.right, box.top + pedimentH}});
    canvas.Fill(*pediment, LinearGradient({0, box.top}, lit, {0, box.top + pedimentH}, Shade(stone, 0.85f)));
    const ShapePtr tympanum = Inflate(pediment, -std::max(2.0f, pedimentH * 0.18f));
    canvas.Fill(*tympanum, Solid(WithAlpha(dark, 0.45f)));
    canvas.Stroke(*pediment, 1.0f, Solid(WithAlpha(dark, 0.5f)));
}

void DrawRosette(Canvas& canvas, Vec2 centre, float radius, const Colour& metal)
{
    const ShapePtr boss = Circle(centre, radius);
    canvas.Shadow(*boss, {1.0f, 1.5f}, 1.5f, Rgb(0x000000, 0.45f));
    canvas.Fill(*boss, RadialGradient(centre - Vec2{radius, radius} * 0.35f, radius * 1.6f,
                                      {{0.0f, Shade(metal, 1.45f)}, {0.6f, metal}, {1.0f, Shade(metal, 0.55f)}}));
    const ShapePtr star = Star(centre, 8, radius * 0.78f, radius * 0.38f);
    canvas.Fill(*star, Solid(WithAlpha(Shade(metal, 0.6f), 0.55f)));
    canvas.Bevel(*boss, radius * 0.35f, 0.6f);
    canvas.Fill(*Circle(centre, radius * 0.22f), Solid(Shade(metal, 1.35f)));
}

void DrawMetalPlate(Canvas& canvas, const Shape& shape, const Box& box, const Colour& metal, bool sunken)
{
    const Colour top = Shade(metal, sunken ? 0.7f : 1.35f);
    const Colour middle = metal;
    const Colour bottom = Shade(metal, sunken ? 1.05f : 0.6f);
    canvas.Fill(shape, LinearGradient({0, box.top}, {0, box.bottom},
                                      {{0.0f, top}, {0.45f, middle}, {0.55f, Shade(metal, 0.9f)}, {1.0f, bottom}}));
    canvas.Fill(shape, Grain(7, 30.0f, 0.7f, 0.16f));
    canvas.Fill(shape, Grain(8, 14.0f, 10.0f, 0.1f));
    canvas.Bevel(shape, std::min(6.0f, box.Height() * 0.2f), sunken ? -0.8f : 0.9f);
}

void DrawBronzeFrame(Canvas& canvas, const Box& box, float width, float radius, const Colour& metal)
{
    const ShapePtr outer = RoundedRect(box, radius);
    const ShapePtr frame = Subtract(outer, RoundedRect(box.Grown(-width), std::max(0.0f, radius - width * 0.5f)));
    canvas.Shadow(*frame, {2.0f, 3.0f}, 3.0f, Rgb(0x000000, 0.5f));
    DrawMetalPlate(canvas, *frame, box, metal, false);
    // An engraved line in the middle of the frame.
    canvas.Stroke(*RoundedRect(box.Grown(-width * 0.5f), std::max(0.0f, radius - width * 0.25f)), 1.2f,
                  Solid(WithAlpha(Shade(metal, 0.45f), 0.8f)));
    canvas.Stroke(*RoundedRect(box.Grown(-width * 0.5f + 1.2f), std::max(0.0f, radius - width * 0.25f)), 1.0f,
                  Solid(WithAlpha(Shade(metal, 1.5f), 0.5f)));
}

Box DrawLettering(Canvas& canvas, TitleLetterer& painter, const std::string& text, int pixelSize, int spacing,
                  Vec2 centreTop, const LetteringStyle& style)
{
    const int margin = std::max({style.outlineWidth, style.shadowBlur * 3 + 4, style.glowRadius * 3}) + 2;
    const Mask letters = painter.Render(text, pixelSize, spacing).Padded(margin);
    if (letters.Width() == 0)
        return {};
    const int left = static_cast<int>(std::lround(centreTop.x)) - letters.Width() / 2;
    const int top = static_cast<int>(std::lround(centreTop.y)) - margin;
    const Mask outlined = style.outlineWidth > 0 ? letters.Dilated(style.outlineWidth) : letters;
    if (style.glowRadius > 0)
        canvas.Fill(outlined.Blurred(style.glowRadius), left, top, Solid(style.glow));
    if (style.shadowBlur > 0 || style.shadowOffset.x != 0.0f || style.shadowOffset.y != 0.0f)
        canvas.Fill(outlined.Blurred(style.shadowBlur), left + static_cast<int>(style.shadowOffset.x),
                    top + static_cast<int>(style.shadowOffset.y), Solid(style.shadow));
    if (style.outlineWidth > 0)
        canvas.Fill(outlined, left, top, Solid(style.outline));
    const float textTop = static_cast<float>(top + margin);
    const float textBottom = static_cast<float>(top + letters.Height() - margin);
    canvas.Fill(letters, left, top, LinearGradient({0, textTop}, {0, textBottom}, style.fill));
    return {static_cast<float>(left + margin), textTop, static_cast<float>(left + letters.Width() - margin), textBottom};
}

LetteringStyle GoldTitleLettering()
{
    LetteringStyle title;
    title.fill = {{0.0f, palette::kGoldLight}, {0.45f, palette::kGold}, {0.55f, Rgb(0xD8A030)}, {1.0f, palette::kGoldDark}};
    title.outline = palette::kInk;
    title.outlineWidth = 3;
    title.shadow = Rgb(0x000000, 0.7f);
    title.shadowBlur = 4;
    title.shadowOffset = {4.0f, 5.0f};
    title.glow = Rgb(0xFFE0A0, 0.35f);
    title.glowRadius = 10;
    return title;
}

void Vignette(Canvas& canvas, float strength)
{
    const float cx = static_cast<float>(canvas.Width()) * 0.5f, cy = static_cast<float>(canvas.Height()) * 0.5f;
    canvas.Transform([&](Colour c, int x, int y) {
        const float dx = (static_cast<float>(x) - cx) / cx, dy = (static_cast<float>(y) - cy) / cy;
        const float k = 1.0f - strength * SmoothStep(0.5f, 1.5f, std::sqrt(dx * dx + dy * dy));
        return Shade(c, k);
    });
}

ShapePtr Ridge(float left, float right, float baseY, float height, float bottom, unsigned seed, float roughness)
{
    const ValueNoise noise(seed);
    std::vector<Vec2> points{{left, bottom}};
    for (float x = left; x <= right; x += 4.0f)
        points.push_back({x, baseY - height * noise.Fractal(x / roughness, 0.5f, 4)});
    points.push_back({right, bottom});
    return Polygon(std::move(points));
}
