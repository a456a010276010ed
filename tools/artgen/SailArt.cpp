#include "tools/artgen/SailArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <cmath>

namespace {

// The canvas row of a row counted from the bottom.
float FromBottom(const Canvas& canvas, float row)
{
    return static_cast<float>(canvas.Height()) - row;
}

Box BottomBox(const Canvas& canvas, float left, float bottom, float right, float top)
{
    return {left, FromBottom(canvas, top), right, FromBottom(canvas, bottom)};
}

void DrawFitting(Canvas& canvas, const Box& cell, bool ring)
{
    const Vec2 c{(cell.left + cell.right) * 0.5f, (cell.top + cell.bottom) * 0.5f};
    if (ring) {
        canvas.Fill(*Arc(c, 9.0f, 4.0f, 0.0f, 6.2831853f), LinearGradient(c - Vec2{9, 9}, palette::kBronzeLight, c + Vec2{9, 9}, palette::kBronzeDark));
    } else {
        const ShapePtr block = RoundedRect(cell.Grown(-7.0f), 4.0f);
        canvas.Fill(*block, LinearGradient({0, cell.top}, Rgb(0x9A6A3A), {0, cell.bottom}, Rgb(0x4A2A12)));
        canvas.Bevel(*block, 2.0f, 0.5f);
        canvas.Fill(*Circle(c, 3.0f), Solid(palette::kBronzeDark));
    }
}

} // namespace

void DrawSailAtlas(Canvas& canvas)
{
    const Box sail = BottomBox(canvas, 0.0f, 0.0f, 452.0f, 502.0f);
    const ValueNoise weave(1501);
    canvas.Fill(*RoundedRect(sail, 0.0f), [&](Vec2 p) {
        Colour c = Mix(Rgb(0xF6EDD6), Rgb(0xD8C8A4), SmoothStep(0.0f, 1.0f, (p.x - sail.left) / sail.Width()));
        c = Shade(c, 0.93f + 0.1f * weave.Fractal(p.x / 6.0f, p.y / 90.0f, 3));
        return c;
    });
    // Two red stripes across and the seams of the cloth.
    for (float row : {150.0f, 330.0f})
        canvas.Fill(*RoundedRect(BottomBox(canvas, 0.0f, row, 452.0f, row + 40.0f), 0.0f), Solid(Rgb(0xA83424, 0.92f)));
    for (float x = 56.5f; x < 452.0f; x += 56.5f)
        canvas.Fill(*RoundedRect({x - 0.8f, sail.top, x + 0.8f, sail.bottom}, 0.0f), Solid(Rgb(0x8A7A5A, 0.5f)));
    // A bronze sun in the middle.
    const Vec2 sun{226.0f, FromBottom(canvas, 251.0f)};
    canvas.Fill(*Star(sun, 12, 58.0f, 40.0f), Solid(Rgb(0xC88A2A, 0.85f)));
    canvas.Fill(*Circle(sun, 36.0f), RadialGradient(sun - Vec2{8, 8}, 44.0f, {{0.0f, palette::kGoldLight}, {1.0f, palette::kGoldDark}}));
    // Roped hems along the edges.
    canvas.Stroke(*RoundedRect(sail.Grown(-3.0f), 0.0f), 4.0f, Solid(Rgb(0x8A6A3A)));
    // The fittings in the right column.
    DrawFitting(canvas, BottomBox(canvas, 480.0f, 448.0f, 512.0f, 480.0f), true);
    DrawFitting(canvas, BottomBox(canvas, 480.0f, 480.0f, 512.0f, 512.0f), false);
    DrawFitting(canvas, BottomBox(canvas, 480.0f, 416.0f, 512.0f, 448.0f), true);
}

void DrawRigging(Canvas& canvas)
{
    const ValueNoise twist(1511);
    for (int bundle = 0; bundle < 2; ++bundle) {
        const float left = bundle == 0 ? 0.0f : 144.0f;
        const Box column = BottomBox(canvas, left, 0.0f, left + 144.0f, 600.0f);
        for (int k = 0; k < 3; ++k) {
            const float x = left + 36.0f + 36.0f * static_cast<float>(k);
            const float width = 10.0f - 2.0f * static_cast<float>(k);
            const ShapePtr rope = RoundedRect({x - width * 0.5f, column.top, x + width * 0.5f, column.bottom}, 0.0f);
            canvas.Fill(*rope, [&, x, width](Vec2 p) {
                const float strand = std::sin((p.y + (p.x - x) * 2.2f) / 3.0f);
                Colour c = Mix(Rgb(0xB08A58), Rgb(0x6A4A28), 0.5f + 0.5f * strand);
                return Shade(c, 0.9f + 0.2f * twist.At(p.x / 4.0f, p.y / 30.0f) - std::fabs(p.x - x) / width * 0.3f);
            });
        }
    }
}

void DrawMastBands(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width());
    // The rail: a plank with posts, the sea showing between them.
    const Box rail = BottomBox(canvas, 0.0f, 0.0f, w, 108.0f);
    const Colour wood = Rgb(0x7A4A22);
    canvas.Fill(*RoundedRect({rail.left, rail.top, rail.right, rail.top + 18.0f}, 0.0f),
                LinearGradient({0, rail.top}, Shade(wood, 1.3f), {0, rail.top + 18.0f}, Shade(wood, 0.7f)));
    canvas.Fill(*RoundedRect({rail.left, rail.bottom - 26.0f, rail.right, rail.bottom}, 0.0f),
                LinearGradient({0, rail.bottom - 26.0f}, Shade(wood, 1.1f), {0, rail.bottom}, Shade(wood, 0.5f)));
    for (float x = 16.0f; x < w; x += 48.0f)
        canvas.Fill(*RoundedRect({x, rail.top + 18.0f, x + 12.0f, rail.bottom - 26.0f}, 2.0f),
                    LinearGradient({x, 0}, Shade(wood, 1.2f), {x + 12.0f, 0}, Shade(wood, 0.6f)));
    DrawMeanderBand(canvas, {rail.left, rail.bottom - 22.0f, rail.right, rail.bottom - 6.0f}, palette::kGold, Rgb(0x3A1A0A));
    // The yard: a round spar with the sail's top lashed to it.
    const Box yard = BottomBox(canvas, 0.0f, 108.0f, w, 204.0f);
    const float mid = (yard.top + yard.bottom) * 0.5f;
    canvas.Fill(*RoundedRect({yard.left, mid - 14.0f, yard.right, mid + 14.0f}, 0.0f),
                LinearGradient({0, mid - 14.0f}, Rgb(0xB07A42), {0, mid + 14.0f}, Rgb(0x4A2A10)));
    for (float x = 30.0f; x < w; x += 56.0f)
        canvas.Fill(*RoundedRect({x, mid - 16.0f, x + 6.0f, mid + 16.0f}, 2.0f), Solid(Rgb(0xD8C8A0)));
}

void DrawCloud(Canvas& canvas)
{
    const float base = FromBottom(canvas, 4.0f);
    const ShapePtr cloud = Unite(Unite(Circle({22.0f, base - 16.0f}, 13.0f), Circle({38.0f, base - 24.0f}, 16.0f)),
                                 Unite(Circle({50.0f, base - 14.0f}, 10.0f), RoundedRect({10.0f, base - 16.0f, 58.0f, base - 2.0f}, 7.0f)));
    canvas.Fill(*cloud, LinearGradient({0, base - 40.0f}, Rgb(0xFFFFFF, 0.95f), {0, base}, Rgb(0xC8D4E8, 0.85f)));
}

void DrawSailBack(Canvas& canvas)
{
    const float h = static_cast<float>(canvas.Height());
    canvas.FillAll(LinearGradient({0, 0}, {0, h}, {{0.0f, Rgb(0x2E6AB4)}, {0.6f, Rgb(0x8AB8E4)}, {1.0f, Rgb(0xE6EEF0)}}));
    // The papyrus panel on the left, where the destination is written.
    const Box sheet{18.0f, 40.0f, 262.0f, h - 40.0f};
    const ShapePtr sheetShape = RoundedRect(sheet, 6.0f);
    canvas.Shadow(*sheetShape, {4.0f, 6.0f}, 8.0f, Rgb(0x000000, 0.5f));
    canvas.Fill(*sheetShape, Papyrus(palette::kPapyrus, 1521));
    DrawBronzeFrame(canvas, sheet.Grown(8.0f), 10.0f, 8.0f, palette::kBronze);
    // A compass rose under the destination.
    const Vec2 rose{140.0f, 430.0f};
    canvas.Fill(*Star(rose, 4, 46.0f, 9.0f), LinearGradient(rose - Vec2{46, 46}, palette::kGoldLight, rose + Vec2{46, 46}, palette::kGoldDark));
    canvas.Fill(*Star(rose, 4, 28.0f, 6.0f, 3.14159265f / 4.0f), Solid(palette::kBronze));
    canvas.Stroke(*Circle(rose, 32.0f), 1.5f, Solid(palette::kBronzeDark));
}
