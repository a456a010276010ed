#include "tools/artgen/WidgetArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"

#include <algorithm>
#include <cmath>

namespace {

Box Whole(const Canvas& canvas)
{
    return {0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
}

Colour MetalOf(WidgetState state)
{
    switch (state) {
    case WidgetState::Active:
        return Mix(palette::kBronze, palette::kGold, 0.55f);
    case WidgetState::Pressed:
        return Shade(palette::kBronze, 0.8f);
    case WidgetState::Disabled:
        return Greyed(palette::kBronze, 0.8f);
    case WidgetState::Normal:
        break;
    }
    return palette::kBronze;
}

// A sunken field: dark rim inside, light lip outside.
void DrawInset(Canvas& canvas, const ShapePtr& shape, const Box& box, const Paint& fill)
{
    canvas.Fill(*shape, fill);
    canvas.Bevel(*shape, std::min(5.0f, box.Height() * 0.3f), -0.9f);
}

} // namespace

void DrawButtonPlate(Canvas& canvas, WidgetState state)
{
    const Box whole = Whole(canvas);
    const Box plate = Box{whole.left + 2.0f, whole.top + 2.0f, whole.right - 3.0f, whole.bottom - 4.0f}.Moved(
        state == WidgetState::Pressed ? Vec2{1.0f, 1.5f} : Vec2{0.0f, 0.0f});
    const float radius = std::min(plate.Height() * 0.35f, 12.0f);
    const ShapePtr shape = RoundedRect(plate, radius);
    const Colour metal = MetalOf(state);
    if (state == WidgetState::Active)
        canvas.Glow(*shape, 2.5f, WithAlpha(palette::kGoldLight, 0.8f));
    canvas.Shadow(*shape, state == WidgetState::Pressed ? Vec2{0.5f, 0.5f} : Vec2{1.0f, 2.0f}, 1.5f, Rgb(0x000000, 0.55f));
    DrawMetalPlate(canvas, *shape, plate, metal, state == WidgetState::Pressed);
    // A field for the caption, framed by an engraved line with studs at the ends.
    const float inset = std::min(6.0f, plate.Height() * 0.16f);
    const ShapePtr field = RoundedRect(plate.Grown(-inset), std::max(1.0f, radius - inset));
    canvas.Stroke(*field, 1.2f, Solid(WithAlpha(Shade(metal, 0.45f), 0.85f)));
    canvas.Stroke(*Translate(field, {0.8f, 0.8f}), 0.8f, Solid(WithAlpha(Shade(metal, 1.6f), 0.45f)));
    if (plate.Width() > plate.Height() * 2.0f) {
        const float cy = (plate.top + plate.bottom) * 0.5f;
        for (float cx : {plate.left + inset + 8.0f, plate.right - inset - 8.0f})
            DrawRosette(canvas, {cx, cy}, std::min(5.0f, plate.Height() * 0.12f), Shade(metal, 1.1f));
    }
    if (state == WidgetState::Disabled)
        canvas.Transform([](Colour c, int, int) { return WithAlpha(Greyed(c, 0.6f), c.a * 0.85f); });
}

void DrawCheckbox(Canvas& canvas, bool on)
{
    const Box whole = Whole(canvas);
    const Box outer = whole.Grown(-2.0f);
    const ShapePtr rim = RoundedRect(outer, 5.0f);
    canvas.Shadow(*rim, {1.0f, 1.5f}, 1.5f, Rgb(0x000000, 0.5f));
    DrawMetalPlate(canvas, *rim, outer, palette::kBronze, false);
    const Box inner = outer.Grown(-5.0f);
    DrawInset(canvas, RoundedRect(inner, 3.0f), inner, Papyrus(Shade(palette::kPapyrus, 0.9f), 11));
    if (on) {
        const float s = inner.Width();
        const ShapePtr tick = Polyline({{inner.left + s * 0.18f, inner.top + s * 0.52f},
                                        {inner.left + s * 0.42f, inner.top + s * 0.78f},
                                        {inner.left + s * 0.86f, inner.top + s * 0.12f}},
                                       s * 0.2f);
        canvas.Shadow(*tick, {1.0f, 1.0f}, 1.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*tick, LinearGradient({0, inner.top}, palette::kLapisLight, {0, inner.bottom}, palette::kLapisDeep));
        canvas.Bevel(*tick, 2.0f, 0.5f);
    }
}

void DrawSliderTrack(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const Box groove{whole.left + 1.0f, whole.top + 3.0f, whole.right - 1.0f, whole.bottom - 3.0f};
    const ShapePtr shape = RoundedRect(groove, groove.Height() * 0.5f);
    canvas.Glow(*shape, 2.0f, WithAlpha(palette::kGoldLight, 0.35f));
    DrawInset(canvas, shape, groove, LinearGradient({0, groove.top}, palette::kBronzeDark, {0, groove.bottom}, palette::kBronze));
    for (int i = 1; i < 10; ++i) {
        const float x = groove.left + groove.Width() * static_cast<float>(i) / 10.0f;
        canvas.Fill(*RoundedRect({x - 0.5f, groove.top + 3.0f, x + 0.5f, groove.bottom - 3.0f}, 0.0f),
                    Solid(WithAlpha(palette::kGold, 0.5f)));
    }
}

void DrawSliderThumb(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    // A shield shape: straight sides and a point at the bottom.
    const ShapePtr shape = Inflate(Polygon({{3.0f, 3.0f}, {w - 4.0f, 3.0f}, {w - 4.0f, h * 0.68f}, {w * 0.5f - 0.5f, h - 4.0f},
                                            {3.0f, h * 0.68f}}), 1.0f);
    canvas.Shadow(*shape, {1.0f, 1.5f}, 1.5f, Rgb(0x000000, 0.55f));
    DrawMetalPlate(canvas, *shape, whole, Mix(palette::kBronze, palette::kGold, 0.4f), false);
    for (int i = 0; i < 3; ++i) {
        const float y = h * 0.25f + static_cast<float>(i) * 4.0f;
        canvas.Fill(*Polyline({{w * 0.3f, y}, {w * 0.7f - 1.0f, y}}, 1.0f), Solid(WithAlpha(palette::kBronzeDark, 0.8f)));
        canvas.Fill(*Polyline({{w * 0.3f, y + 1.0f}, {w * 0.7f - 1.0f, y + 1.0f}}, 0.8f), Solid(WithAlpha(palette::kGoldLight, 0.5f)));
    }
}

void DrawEditBox(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const Box outer = whole.Grown(-1.5f);
    const ShapePtr rim = RoundedRect(outer, 6.0f);
    DrawMetalPlate(canvas, *rim, outer, palette::kBronze, false);
    const Box field = outer.Grown(-4.0f);
    DrawInset(canvas, RoundedRect(field, 3.0f), field, Papyrus(palette::kPapyrus, 21));
}

void DrawPapyrusPanel(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const Box outer = whole.Grown(-1.5f);
    const ShapePtr rim = RoundedRect(outer, 7.0f);
    DrawMetalPlate(canvas, *rim, outer, palette::kBronze, false);
    const Box sheet = outer.Grown(-5.0f);
    const ShapePtr sheetShape = RoundedRect(sheet, 3.0f);
    canvas.Fill(*sheetShape, Papyrus(palette::kPapyrus, 31));
    // Darker, worn edges of the sheet.
    canvas.Fill(*sheetShape, [sheetShape](Vec2 p) {
        const float d = -sheetShape->Distance(p);
        return Colour{0.45f, 0.3f, 0.12f, 0.35f * (1.0f - Clamp01(d / 14.0f))};
    });
    canvas.Bevel(*sheetShape, 4.0f, -0.7f);
}

void DrawFramedPanel(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const Box outer{whole.left + 2.0f, whole.top + 2.0f, whole.right - 4.0f, whole.bottom - 5.0f};
    const ShapePtr body = RoundedRect(outer, 12.0f);
    canvas.Shadow(*body, {2.0f, 3.0f}, 2.5f, Rgb(0x000000, 0.55f));
    canvas.Fill(*body, Marble(palette::kMarble, palette::kMarbleVein, 41, 60.0f));
    const float frame = 12.0f;
    DrawBronzeFrame(canvas, outer, frame, 12.0f, palette::kBronze);
    const Box band{outer.left + frame + 6.0f, outer.top + frame + 6.0f, outer.right - frame - 6.0f, outer.top + frame + 24.0f};
    DrawMeanderBand(canvas, band, palette::kGold, palette::kTerracottaDark);
    canvas.Bevel(*RoundedRect(band, 0.0f), 2.0f, -0.6f);
    for (float x : {outer.left + frame * 0.5f, outer.right - frame * 0.5f})
        for (float y : {outer.top + frame * 0.5f, outer.bottom - frame * 0.5f})
            DrawRosette(canvas, {x, y}, 7.0f, palette::kBronzeLight);
}

void DrawFramedPanelWithWindow(Canvas& canvas, const Box& window)
{
    DrawFramedPanel(canvas);
    // A dark recess a little larger than the picture, in a bronze rim, so
    // the picture sits in the panel like a painting in its frame.
    const ShapePtr recess = RoundedRect(window.Grown(3.0f), 3.0f);
    canvas.Shadow(*recess, {1.0f, 2.0f}, 4.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*recess, Solid(Rgb(0x1A120A)));
    DrawBronzeFrame(canvas, window.Grown(11.0f), 8.0f, 6.0f, palette::kBronze);
    for (float x : {window.left - 7.0f, window.right + 7.0f})
        for (float y : {window.top - 7.0f, window.bottom + 7.0f})
            DrawRosette(canvas, {x, y}, 5.0f, palette::kGold);
}

void DrawTooltipAtlas(Canvas& canvas)
{
    // The frame as it shows on screen: 36 by 36 at the bottom-left.
    const float top = static_cast<float>(canvas.Height()) - 36.0f;
    const Box frame{0.5f, top + 0.5f, 35.5f, top + 35.5f};
    const ShapePtr body = RoundedRect(frame, 7.0f);
    canvas.Fill(*body, Papyrus(Shade(palette::kPapyrus, 1.02f), 51));
    canvas.Stroke(*RoundedRect(frame.Grown(-1.5f), 6.0f), 3.0f, LinearGradient({0, frame.top}, palette::kBronzeLight, {0, frame.bottom}, palette::kBronzeDark));
    canvas.Stroke(*RoundedRect(frame.Grown(-5.0f), 3.0f), 1.0f, Solid(WithAlpha(palette::kBronze, 0.7f)));
    // Ornaments: laurel sprigs turned to sit on the lower-left and upper-right corners.
    for (int k = 0; k < 2; ++k) {
        Canvas sprig(32, 28);
        const Vec2 corner = k == 0 ? Vec2{4.0f, 24.0f} : Vec2{28.0f, 4.0f};
        const float start = k == 0 ? -1.75f : 1.4f;
        DrawLaurel(sprig, corner, 16.0f, start, start + 1.9f, 8.0f, palette::kGold);
        DrawRosette(sprig, corner, 4.0f, palette::kBronzeLight);
        canvas.Draw(sprig, k * 32, 0);
    }
}

void DrawTooltipArrow(Canvas& canvas)
{
    const float half = static_cast<float>(canvas.Width()) * 0.5f;
    const float h = static_cast<float>(canvas.Height());
    const float cx = half * 0.5f, tipY = h - 6.0f;
    const ShapePtr arrow = Inflate(Polygon({{cx, tipY}, {cx - 18.0f, tipY - 22.0f}, {cx - 7.0f, tipY - 22.0f}, {cx - 7.0f, 8.0f},
                                            {cx + 7.0f, 8.0f}, {cx + 7.0f, tipY - 22.0f}, {cx + 18.0f, tipY - 22.0f}}),
                                   1.5f);
    canvas.Fill(*arrow, LinearGradient({cx - 18.0f, 0}, palette::kGoldLight, {cx + 18.0f, 0}, palette::kBronze));
    canvas.Bevel(*arrow, 4.0f, 0.8f);
    canvas.Stroke(*arrow, 1.5f, Solid(palette::kBronzeDark));
    canvas.Shadow(*arrow, {half, 0.0f}, 3.0f, Rgb(0x000000, 0.45f));
}

void DrawTooltipPiece(Canvas& canvas, TipPiece piece)
{
    const float s = static_cast<float>(canvas.Width());
    const Paint paper = Papyrus(Shade(palette::kPapyrus, 1.02f), 51);
    const Paint rim = LinearGradient({0, 0}, palette::kBronzeLight, {0, s}, palette::kBronzeDark);
    switch (piece) {
    case TipPiece::Corner: {
        // The upper-left corner; the others are this one mirrored.
        const ShapePtr body = RoundedRect({0.5f, 0.5f, s * 2.0f, s * 2.0f}, 8.0f);
        canvas.Fill(*body, paper);
        canvas.Stroke(*RoundedRect({2.0f, 2.0f, s * 2.0f, s * 2.0f}, 7.0f), 3.0f, rim);
        break;
    }
    case TipPiece::Edge:
        // The top edge; the others are this one turned.
        canvas.Fill(*RoundedRect({0.0f, 0.5f, s, s}, 0.0f), paper);
        canvas.Fill(*RoundedRect({0.0f, 0.5f, s, 3.5f}, 0.0f), rim);
        break;
    case TipPiece::Fill:
        canvas.FillAll(paper);
        break;
    case TipPiece::Arrow: {
        const ShapePtr arrow = Polygon({{s * 0.5f, s - 1.0f}, {1.0f, 2.0f}, {s - 1.0f, 2.0f}});
        canvas.Fill(*arrow, paper);
        canvas.Stroke(*arrow, 1.5f, rim);
        break;
    }
    }
}

void DrawCursor(Canvas& canvas, WidgetState state)
{
    const Vec2 shift = state == WidgetState::Pressed ? Vec2{1.0f, 1.0f} : Vec2{0.0f, 0.0f};
    const ShapePtr arrow = Translate(Polygon({{1.5f, 1.5f}, {1.5f, 21.5f}, {6.0f, 17.0f}, {9.5f, 25.0f}, {13.0f, 23.5f},
                                              {9.5f, 16.0f}, {15.5f, 16.0f}}),
                                     shift);
    Colour light = palette::kGoldLight, dark = palette::kBronze;
    if (state == WidgetState::Active) {
        light = Rgb(0xFFFFE0);
        dark = palette::kGold;
    } else if (state == WidgetState::Pressed) {
        light = palette::kGold;
        dark = palette::kBronzeDark;
    }
    if (state == WidgetState::Active)
        canvas.Glow(*arrow, 3.5f, WithAlpha(palette::kGoldLight, 0.7f));
    else
        canvas.Shadow(*arrow, {1.5f, 1.5f}, 1.2f, Rgb(0x000000, 0.5f));
    canvas.Fill(*arrow, LinearGradient({0, 2}, light, {14, 26}, dark));
    canvas.Bevel(*arrow, 2.0f, 0.35f);
    canvas.Stroke(*arrow, 1.2f, Solid(palette::kInk));
}

void DrawLogo(Canvas& canvas, TitleLetterer& serifBold)
{
    const float h = static_cast<float>(canvas.Height());
    const float r = h * 0.4f;
    const Vec2 centre{r + 2.0f, h * 0.5f};
    const ShapePtr disc = Circle(centre, r);
    canvas.Shadow(*disc, {1.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.5f));
    canvas.Fill(*disc, RadialGradient(centre - Vec2{r, r} * 0.3f, r * 1.5f,
                                      {{0.0f, palette::kLapisLight}, {0.7f, palette::kLapis}, {1.0f, palette::kLapisDeep}}));
    canvas.Stroke(*disc, 3.0f, LinearGradient(centre - Vec2{r, r}, palette::kGoldLight, centre + Vec2{r, r}, palette::kGoldDark));
    DrawLaurel(canvas, centre, r * 0.72f, 1.9f, 4.2f, r * 0.36f, palette::kGold);
    DrawLaurel(canvas, centre, r * 0.72f, -1.1f, 1.25f, r * 0.36f, palette::kGold);
    LetteringStyle mark;
    mark.fill = {{0.0f, palette::kGoldLight}, {1.0f, palette::kGold}};
    mark.outline = palette::kInk;
    mark.outlineWidth = 1;
    DrawLettering(canvas, serifBold, "T", static_cast<int>(r * 1.05f), 0, {centre.x, centre.y - r * 0.62f}, mark);
    LetteringStyle name;
    name.fill = {{0.0f, palette::kGoldLight}, {0.55f, palette::kGold}, {1.0f, palette::kBronze}};
    name.outline = palette::kInk;
    name.outlineWidth = 1;
    name.shadow = Rgb(0x000000, 0.6f);
    name.shadowBlur = 1;
    name.shadowOffset = {1.0f, 1.0f};
    // The name as large as fits beside the disc.
    const float textLeft = centre.x + r + 3.0f;
    const float room = static_cast<float>(canvas.Width()) - textLeft - 3.0f;
    const float textCentre = textLeft + room * 0.5f;
    auto fitting = [&](const std::string& text, int largest) {
        int size = largest;
        while (size > 6 && static_cast<float>(serifBold.Render(text, size).Width()) > room)
            --size;
        return size;
    };
    DrawLettering(canvas, serifBold, "Tovarin", fitting("Tovarin", static_cast<int>(h * 0.34f)), 0, {textCentre, h * 0.2f}, name);
    LetteringStyle small = name;
    small.outlineWidth = 0;
    small.fill = {{0.0f, palette::kGold}, {1.0f, palette::kGold}};
    DrawLettering(canvas, serifBold, "ENTERTAINMENT", fitting("ENTERTAINMENT", static_cast<int>(h * 0.14f)), 0,
                  {textCentre, h * 0.6f}, small);
}
