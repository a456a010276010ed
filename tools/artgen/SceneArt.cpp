#include "tools/artgen/SceneArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"
#include "tools/artgen/WidgetArt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

Box Whole(const Canvas& canvas)
{
    return {0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
}

} // namespace

void DrawCoast(Canvas& canvas, CoastLight light)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    const bool dusk = light == CoastLight::Dusk;
    const float horizon = h * 0.6f;
    const Vec2 sun{w * (dusk ? 0.36f : 0.3f), horizon - h * (dusk ? 0.07f : 0.3f)};

    // Sky.
    canvas.FillAll(LinearGradient({0, 0}, {0, horizon},
                                  dusk ? std::vector<ColourStop>{{0.0f, Rgb(0x141C48)}, {0.45f, Rgb(0x5A3C74)}, {0.8f, Rgb(0xD07A58)}, {1.0f, Rgb(0xF6C070)}}
                                       : std::vector<ColourStop>{{0.0f, Rgb(0x1E4C94)}, {0.55f, Rgb(0x5C92CC)}, {0.9f, Rgb(0xB8D4E4)}, {1.0f, Rgb(0xF0E2C0)}}));
    canvas.Fill(*Circle(sun, h * 0.5f), RadialGradient(sun, h * 0.5f,
                                                      {{0.0f, Rgb(0xFFF4D0, 0.85f)}, {0.25f, Rgb(0xFFD890, 0.35f)}, {1.0f, Rgb(0xFFD890, 0.0f)}}));
    canvas.Fill(*Circle(sun, h * 0.045f), Solid(Rgb(0xFFF8E0)));
    // Streaks of cloud.
    const ValueNoise clouds(101);
    const Colour cloud = dusk ? Rgb(0xF0A080) : Rgb(0xFFFFFF);
    canvas.Fill(*RoundedRect({0, 0, w, horizon}, 0.0f), [&](Vec2 p) {
        const float n = clouds.Fractal(p.x / 220.0f, p.y / 28.0f, 5);
        const float band = SmoothStep(0.0f, 0.25f, p.y / horizon) * (1.0f - SmoothStep(0.6f, 0.95f, p.y / horizon));
        return WithAlpha(cloud, SmoothStep(0.52f, 0.78f, n) * 0.75f * band);
    });
    // Far hills, hazy.
    const Colour haze = dusk ? Rgb(0x6A4C7A) : Rgb(0x7C96B4);
    canvas.Fill(*Ridge(0.0f, w * 0.62f, horizon + 1.0f, h * 0.07f, horizon + 2.0f, 202, 90.0f), Solid(haze));

    // Sea with a path of light under the sun.
    const ValueNoise waves(303);
    canvas.Fill(*RoundedRect({0, horizon, w, h}, 0.0f), [&](Vec2 p) {
        const float depth = (p.y - horizon) / (h - horizon);
        Colour c = dusk ? Mix(Rgb(0x8A5A70), Rgb(0x1A2446), std::sqrt(depth)) : Mix(Rgb(0x5C9CC4), Rgb(0x0E3A64), std::sqrt(depth));
        const float ripple = waves.Fractal(p.x / (60.0f + depth * 140.0f), p.y / (2.0f + depth * 10.0f), 4);
        c = Shade(c, 0.85f + 0.3f * ripple);
        const float path = std::exp(-std::pow((p.x - sun.x) / (40.0f + depth * 160.0f), 2.0f));
        const float glint = SmoothStep(0.55f, 0.75f, ripple) * path;
        return Mix(c, dusk ? Rgb(0xFFD08A) : Rgb(0xFFF6E0), Clamp01(glint * 0.9f + path * 0.15f));
    });

    // A ship under sail.
    const Vec2 ship{w * 0.2f, horizon + h * 0.09f};
    const Colour hull = dusk ? Rgb(0x2A1A20) : Rgb(0x4A2A18);
    canvas.Fill(*Polygon({{ship.x - 34.0f, ship.y - 6.0f}, {ship.x + 36.0f, ship.y - 8.0f}, {ship.x + 26.0f, ship.y + 4.0f},
                          {ship.x - 26.0f, ship.y + 4.0f}}),
                Solid(hull));
    canvas.Fill(*Polyline({{ship.x, ship.y - 6.0f}, {ship.x, ship.y - 52.0f}}, 2.0f), Solid(hull));
    canvas.Fill(*Polygon({{ship.x - 24.0f, ship.y - 48.0f}, {ship.x + 24.0f, ship.y - 48.0f}, {ship.x + 20.0f, ship.y - 14.0f},
                          {ship.x - 20.0f, ship.y - 14.0f}}),
                LinearGradient({ship.x - 24.0f, 0}, dusk ? Rgb(0xE8A080) : Rgb(0xF4E8D0), {ship.x + 24.0f, 0}, dusk ? Rgb(0x9A5050) : Rgb(0xC8A880)));
    for (int i = 0; i < 3; ++i)
        canvas.Fill(*Polyline({{ship.x - 22.0f, ship.y - 40.0f + static_cast<float>(i) * 9.0f},
                               {ship.x + 22.0f, ship.y - 40.0f + static_cast<float>(i) * 9.0f}},
                              2.5f),
                    Solid(WithAlpha(palette::kTerracotta, 0.8f)));

    // The headland on the right with the temple on it.
    const float cliffTop = horizon - h * 0.12f;
    std::vector<Vec2> cliff{{w * 0.52f, h + 20.0f}, {w * 0.55f, horizon + h * 0.2f}, {w * 0.6f, horizon + h * 0.05f},
                            {w * 0.64f, cliffTop + h * 0.02f}, {w * 0.68f, cliffTop}, {w + 20.0f, cliffTop - h * 0.01f}, {w + 20.0f, h + 20.0f}};
    const ShapePtr rock = Roughen(Polygon(cliff), 404, 26.0f, 7.0f);
    const Colour rockColour = dusk ? Rgb(0xB07C5C) : palette::kSandstone;
    canvas.Fill(*rock, Sandstone(rockColour, 404, 40.0f));
    // Layers of the rock, slightly bent.
    const ValueNoise strata(405);
    canvas.Fill(*rock, [&](Vec2 p) {
        const float n = strata.Fractal(p.x / 120.0f, p.y / 60.0f, 3);
        const float s = std::sin(p.y / 9.0f + n * 7.0f);
        return Colour{0.25f, 0.13f, 0.05f, 0.22f * SmoothStep(0.6f, 0.95f, s)};
    });
    canvas.Fill(*rock, LinearGradient({w * 0.52f, 0}, Rgb(0x3A2010, 0.45f), {w * 0.75f, 0}, Rgb(0x3A2010, 0.0f)));
    canvas.Bevel(*rock, 10.0f, 0.5f);
    // Grass and bushes along the top of the cliff.
    const Colour green = dusk ? Rgb(0x3A4024) : palette::kOlive;
    canvas.Fill(*Ridge(w * 0.63f, w, cliffTop + 4.0f, 7.0f, cliffTop + 10.0f, 505, 14.0f), Solid(green));
    const Box temple{w * 0.7f, cliffTop - h * 0.2f, w * 0.96f, cliffTop + 2.0f};
    DrawTemple(canvas, temple, 6, dusk ? Rgb(0xE8C0A0) : palette::kMarble);
    // Cypresses beside the temple.
    for (float x : {w * 0.665f, w * 0.985f}) {
        const ShapePtr tree = Ellipse({x, cliffTop - h * 0.07f}, 9.0f, h * 0.085f);
        canvas.Fill(*tree, Mottled(Solid(dusk ? Rgb(0x1A2418) : palette::kCypress), 606, 4.0f, 0.3f));
        canvas.Bevel(*tree, 5.0f, 0.4f);
    }
    // Foam where the sea meets the rock.
    canvas.Stroke(*rock, 2.0f, [&](Vec2 p) { return WithAlpha(Rgb(0xFFFFFF), p.y > horizon + 4.0f ? 0.5f : 0.0f); });
    Vignette(canvas, 0.35f);
}

void DrawTitleSplash(Canvas& canvas, TitleLetterer& serif, TitleLetterer& serifBold)
{
    DrawCoast(canvas, CoastLight::Dusk);
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    DrawMeanderBand(canvas, {0.0f, 0.0f, w, 26.0f}, palette::kGold, palette::kTerracottaDark);
    DrawMeanderBand(canvas, {0.0f, h - 26.0f, w, h}, palette::kGold, palette::kTerracottaDark);
    LetteringStyle title = GoldTitleLettering();
    const Box word = DrawLettering(canvas, serifBold, "Velmora", 96, 2, {w * 0.37f, 64.0f}, title);
    title.glowRadius = 8;
    DrawLettering(canvas, serifBold, "Ascendant", 60, 6, {w * 0.37f, word.bottom - 8.0f}, title);
    LetteringStyle small;
    small.fill = {{0.0f, Rgb(0xFFF2D8)}, {1.0f, Rgb(0xF0D8B0)}};
    small.shadow = Rgb(0x000000, 0.8f);
    small.shadowBlur = 2;
    small.shadowOffset = {1.0f, 2.0f};
    const Box line = DrawLettering(canvas, serif, "A tale of seven shores", 24, 2, {w * 0.37f, h - 70.0f}, small);
    const float mid = (line.top + line.bottom) * 0.5f;
    DrawLaurel(canvas, {line.left - 20.0f, mid - 150.0f}, 150.0f, kPi * 0.5f, kPi * 0.68f, 14.0f, palette::kGold);
    DrawLaurel(canvas, {line.right + 20.0f, mid - 150.0f}, 150.0f, kPi * 0.32f, kPi * 0.5f, 14.0f, palette::kGold);
}

void DrawPublisherSplash(Canvas& canvas, TitleLetterer& serif, TitleLetterer& serifBold)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillAll(Marble(Rgb(0x1A2A5A), Rgb(0x6A80B8), 701, 120.0f));
    canvas.FillAll(RadialGradient({w * 0.5f, h * 0.42f}, w * 0.6f, {{0.0f, Rgb(0xFFE8B0, 0.18f)}, {1.0f, Rgb(0xFFE8B0, 0.0f)}}));
    Vignette(canvas, 0.6f);
    // The mark and the name stand in the upper half: the lower half is
    // left to the text that zooms in over the picture.
    const Vec2 centre{w * 0.5f, 128.0f};
    const ShapePtr disc = Circle(centre, 92.0f);
    canvas.Shadow(*disc, {4.0f, 6.0f}, 8.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*disc, RadialGradient(centre - Vec2{35.0f, 35.0f}, 170.0f,
                                      {{0.0f, palette::kLapisLight}, {0.6f, palette::kLapis}, {1.0f, palette::kLapisDeep}}));
    canvas.Stroke(*disc, 9.0f, LinearGradient(centre - Vec2{92, 92}, palette::kGoldLight, centre + Vec2{92, 92}, palette::kGoldDark));
    canvas.Bevel(*Subtract(Inflate(disc, 5.0f), Inflate(disc, -5.0f)), 5.0f, 0.8f);
    DrawLaurel(canvas, centre, 67.0f, kPi * 0.55f, kPi * 1.45f, 22.0f, palette::kGold);
    DrawLaurel(canvas, centre, 67.0f, -kPi * 0.45f, kPi * 0.45f, 22.0f, palette::kGold);
    LetteringStyle mark;
    mark.fill = {{0.0f, palette::kGoldLight}, {1.0f, palette::kGoldDark}};
    mark.outline = palette::kInk;
    mark.outlineWidth = 2;
    mark.shadow = Rgb(0x000000, 0.6f);
    mark.shadowBlur = 3;
    mark.shadowOffset = {3.0f, 4.0f};
    DrawLettering(canvas, serifBold, "T", 100, 0, {centre.x, centre.y - 60.0f}, mark);
    LetteringStyle name = mark;
    name.glow = Rgb(0xFFD880, 0.25f);
    name.glowRadius = 8;
    DrawLettering(canvas, serifBold, "Tovarin", 58, 4, {w * 0.5f, 230.0f}, name);
    name.outlineWidth = 1;
    name.glowRadius = 0;
    DrawLettering(canvas, serif, "E N T E R T A I N M E N T", 22, 2, {w * 0.5f, 304.0f}, name);
    DrawMeanderBand(canvas, {w * 0.2f, h - 60.0f, w * 0.8f, h - 40.0f}, palette::kGold, Rgb(0x0E1E48, 0.0f));
}

void DrawPanelBackdrop(Canvas& canvas, const BackdropStyle& style)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    canvas.FillAll(Marble(style.stone, style.vein, style.seed, 110.0f));
    // Courses of the wall.
    for (float y = 60.0f; y < h; y += 60.0f)
        canvas.Fill(*RoundedRect({0, y - 1.0f, w, y + 1.0f}, 0.0f), Solid(WithAlpha(Shade(style.stone, 0.5f), 0.35f)));
    Vignette(canvas, 0.55f);
    DrawMeanderBand(canvas, {0.0f, 0.0f, w, 24.0f}, palette::kGold, palette::kTerracottaDark);
    DrawMeanderBand(canvas, {0.0f, h - 24.0f, w, h}, palette::kGold, palette::kTerracottaDark);
    for (float x : {22.0f, w - 82.0f})
        DrawColumn(canvas, {x, 24.0f, x + 60.0f, h - 24.0f}, palette::kMarble);
    // The papyrus field in the middle where the screen's widgets go.
    const Box sheet{120.0f, 70.0f, w - 120.0f, h - 60.0f};
    const ShapePtr sheetShape = RoundedRect(sheet, 6.0f);
    canvas.Shadow(*sheetShape, {5.0f, 7.0f}, 8.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*sheetShape, Papyrus(palette::kPapyrus, style.seed + 1));
    canvas.Fill(*sheetShape, [sheetShape](Vec2 p) {
        return Colour{0.45f, 0.28f, 0.1f, 0.4f * (1.0f - Clamp01(-sheetShape->Distance(p) / 30.0f))};
    });
    DrawBronzeFrame(canvas, sheet.Grown(10.0f), 12.0f, 10.0f, palette::kBronze);
    for (float x : {sheet.left - 4.0f, sheet.right + 4.0f})
        for (float y : {sheet.top - 4.0f, sheet.bottom + 4.0f})
            DrawRosette(canvas, {x, y}, 9.0f, palette::kBronzeLight);
}

void FillTilingWater(Canvas& canvas, const std::function<Colour(float body, float caustic)>& paint)
{
    const int size = canvas.Width();
    const int cells = 8;
    const float scale = static_cast<float>(size) / static_cast<float>(cells);
    const ValueNoise body(901, cells);
    const ValueNoise caustic(902, cells);
    canvas.FillAll([&](Vec2 p) {
        const float x = (p.x - 0.5f) / scale, y = (p.y - 0.5f) / scale;
        return paint(body.Fractal(x, y, 4), 1.0f - std::fabs(caustic.Fractal(x, y, 3) * 2.0f - 1.0f));
    });
}

void DrawWater(Canvas& canvas, const WaterTones& tones)
{
    FillTilingWater(canvas, [&tones](float n, float c) {
        const Colour colour = Mix(tones.deep, tones.light, n);
        return Mix(colour, tones.glint, std::pow(c, 8.0f) * tones.glintStrength);
    });
}

void DrawSceneFrame(Canvas& canvas)
{
    const Box whole{0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
    const float border = 12.0f;
    canvas.Shadow(*Subtract(RoundedRect(whole, 0.0f), RoundedRect(whole.Grown(-border), 6.0f)), {0.0f, 0.0f}, 8.0f,
                  Rgb(0x000000, 0.6f));
    DrawBronzeFrame(canvas, whole, border, 6.0f, palette::kBronze);
    for (float x : {border * 0.5f, whole.right - border * 0.5f})
        for (float y : {border * 0.5f, whole.bottom - border * 0.5f})
            DrawRosette(canvas, {x, y}, 7.0f, palette::kGold);
}

void DrawSceneShip(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width());
    const float h = static_cast<float>(canvas.Height());
    // Hull: a curved wooden body with a raised stern and a beak at the bow.
    const ShapePtr hull = Polygon({{w * 0.06f, h * 0.62f}, {w * 0.2f, h * 0.7f}, {w * 0.86f, h * 0.7f},
                                   {w * 0.98f, h * 0.6f}, {w * 0.84f, h * 0.92f}, {w * 0.2f, h * 0.92f}});
    canvas.Fill(*hull, LinearGradient({0.0f, h * 0.62f}, Rgb(0x8A5A30), {0.0f, h * 0.92f}, Rgb(0x4A2A12)));
    canvas.Bevel(*hull, 2.0f, 0.5f);
    canvas.Fill(*Polyline({{w * 0.18f, h * 0.76f}, {w * 0.86f, h * 0.76f}}, 2.0f), Solid(palette::kGold));
    // Oars along the side.
    for (int i = 0; i < 6; ++i) {
        const float x = w * (0.26f + 0.1f * static_cast<float>(i));
        canvas.Fill(*Polyline({{x, h * 0.8f}, {x - w * 0.05f, h * 0.98f}}, 1.5f), Solid(Rgb(0x3A2410)));
    }
    // Mast and a square sail with a red stripe.
    canvas.Fill(*Polyline({{w * 0.5f, h * 0.05f}, {w * 0.5f, h * 0.7f}}, 3.0f), Solid(Rgb(0x5A3A1A)));
    const ShapePtr sail = Polygon({{w * 0.26f, h * 0.1f}, {w * 0.74f, h * 0.1f}, {w * 0.78f, h * 0.56f},
                                   {w * 0.22f, h * 0.56f}});
    canvas.Fill(*sail, LinearGradient({w * 0.2f, 0.0f}, Rgb(0xF4EAD0), {w * 0.8f, 0.0f}, Rgb(0xC8B890)));
    canvas.Fill(*Intersect(Polygon({{w * 0.26f, h * 0.1f}, {w * 0.74f, h * 0.1f}, {w * 0.78f, h * 0.56f},
                                    {w * 0.22f, h * 0.56f}}),
                           RoundedRect(Box{0.0f, h * 0.28f, w, h * 0.38f}, 0.0f)),
                Solid(Rgb(0xB03A2A)));
    canvas.Stroke(*sail, 1.0f, Solid(Rgb(0x6A5A40)));
}
