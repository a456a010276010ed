#include "tools/artgen/ShieldArt.h"

#include "game/screens/ShieldGemPlaces.h"
#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
// The shield's centre and radius on the screen, y downward.
const Vec2 kShieldCentre{568.0f, 232.0f};
constexpr float kShieldRadius = 224.0f;

const Colour kGemColours[kShieldGemCount] = {Rgb(0xF2C040), Rgb(0x4A6AE8), Rgb(0xFFE060), Rgb(0x40E0E8),
                                             Rgb(0xC040D8), Rgb(0x48D850), Rgb(0xFF7A10)};

const ShieldGemPlace& Place(int gem)
{
    return kShieldGemPlaces[std::clamp(gem, 0, kShieldGemCount - 1)];
}

// The gem's outline on the screen, y downward.
std::vector<Vec2> ScreenOutline(int gem)
{
    const ShieldGemPlace& place = Place(gem);
    std::vector<Vec2> points;
    for (int i = 0; i < place.corners; ++i)
        points.push_back({static_cast<float>(place.outline[i][0]), 600.0f - static_cast<float>(place.outline[i][1])});
    return points;
}

Vec2 Centroid(const std::vector<Vec2>& points)
{
    Vec2 sum;
    for (const Vec2& p : points)
        sum = sum + p;
    return sum * (1.0f / static_cast<float>(points.size()));
}

Box Bounds(const std::vector<Vec2>& points)
{
    Box box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Vec2& p : points)
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    return box;
}

// The outline moved towards its centre by the share (0 keeps it).
std::vector<Vec2> Shrunk(const std::vector<Vec2>& points, float share)
{
    const Vec2 c = Centroid(points);
    std::vector<Vec2> out;
    for (const Vec2& p : points)
        out.push_back(c + (p - c) * (1.0f - share));
    return out;
}

// The gem's picture's lower-left corner on the screen, y upward.
int PictureLeft(int gem)
{
    return Place(gem).x;
}
int PictureBottom(int gem)
{
    return 599 - Place(gem).y;
}

} // namespace

int ShieldGemPictureWidth(int gem)
{
    const ShieldGemPlace& place = Place(gem);
    int right = 0;
    for (int i = 0; i < place.corners; ++i)
        right = std::max(right, place.outline[i][0]);
    return right - PictureLeft(gem) + 4;
}

int ShieldGemPictureHeight(int gem)
{
    const ShieldGemPlace& place = Place(gem);
    int top = 0;
    for (int i = 0; i < place.corners; ++i)
        top = std::max(top, place.outline[i][1]);
    return top - PictureBottom(gem) + 4;
}

void DrawShieldBack(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    // A dark wall of veined stone, lit from behind the shield.
    canvas.Clear(Rgb(0x0A0E1C));
    canvas.FillAll(Marble(Rgb(0x121A30), Rgb(0x2A3656), 2201, 180.0f));
    canvas.FillAll(RadialGradient(kShieldCentre, 520.0f,
                                  {{0.0f, Rgb(0x6A5A9A, 0.35f)}, {0.6f, Rgb(0x1A2040, 0.1f)}, {1.0f, Rgb(0x000000, 0.5f)}}));
    // A faint meander along the floor.
    DrawMeanderBand(canvas, {20.0f, h - 40.0f, w - 20.0f, h - 28.0f}, WithAlpha(palette::kGoldDark, 0.5f),
                    Rgb(0x000000, 0.0f));

    // The shield: a bronze round with a rim, a band of rivets, an inner
    // field and a boss, the gems in sockets around the boss.
    const ShapePtr round = Circle(kShieldCentre, kShieldRadius);
    canvas.Shadow(*round, {6.0f, 10.0f}, 14.0f, Rgb(0x000000, 0.75f));
    canvas.Fill(*round, RadialGradient(kShieldCentre - Vec2{60.0f, 70.0f}, kShieldRadius * 1.6f,
                                       {{0.0f, palette::kBronzeLight}, {0.5f, palette::kBronze}, {1.0f, palette::kBronzeDark}}));
    canvas.Fill(*round, Grain(2202, 3.0f, 3.0f, 0.18f));
    canvas.Bevel(*round, 10.0f, 0.9f);
    canvas.Stroke(*round, 2.0f, Solid(Rgb(0x2A1404)));
    const ShapePtr field = Circle(kShieldCentre, kShieldRadius - 26.0f);
    canvas.Fill(*field, RadialGradient(kShieldCentre - Vec2{40.0f, 50.0f}, kShieldRadius * 1.3f,
                                       {{0.0f, Rgb(0x6A4A2A)}, {0.6f, Rgb(0x3A2412)}, {1.0f, Rgb(0x1E1008)}}));
    canvas.Fill(*field, Grain(2203, 2.0f, 2.0f, 0.12f));
    canvas.Bevel(*field, 6.0f, -0.8f);
    canvas.Stroke(*field, 2.5f, Solid(WithAlpha(palette::kGold, 0.8f)));
    for (int i = 0; i < 28; ++i) {
        const float a = 2.0f * kPi * static_cast<float>(i) / 28.0f;
        const Vec2 at = kShieldCentre + Vec2{std::cos(a), std::sin(a)} * (kShieldRadius - 13.0f);
        DrawRosette(canvas, at, 4.5f, palette::kGoldLight);
    }
    // Engraved rays from the boss to the rim, between the sockets.
    for (int i = 0; i < 14; ++i) {
        const float a = 2.0f * kPi * (static_cast<float>(i) + 0.5f) / 14.0f;
        const Vec2 dir{std::cos(a), std::sin(a)};
        canvas.Fill(*Polyline({kShieldCentre + dir * 50.0f, kShieldCentre + dir * (kShieldRadius - 30.0f)}, 2.0f),
                    Solid(Rgb(0xC89A50, 0.35f)));
    }
    // The sockets, sunk into the field with a gold lip.
    for (int gem = 0; gem < kShieldGemCount; ++gem) {
        const ShapePtr socket = Polygon(ScreenOutline(gem));
        canvas.Glow(*socket, 6.0f, WithAlpha(Shade(kGemColours[gem], 0.5f), 0.35f));
        canvas.Fill(*Inflate(socket, 3.0f), Solid(palette::kGoldDark));
        canvas.Bevel(*Inflate(socket, 3.0f), 3.0f, 0.9f);
        canvas.Fill(*socket, RadialGradient(Centroid(ScreenOutline(gem)), 80.0f,
                                            {{0.0f, Shade(kGemColours[gem], 0.28f)}, {1.0f, Rgb(0x080404)}}));
        canvas.Bevel(*socket, 5.0f, -0.9f);
    }
    // The boss, under the rays that rise from it.
    const ShapePtr boss = Circle(kShieldCentre, 30.0f);
    canvas.Shadow(*boss, {2.0f, 3.0f}, 4.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*boss, RadialGradient(kShieldCentre - Vec2{9.0f, 10.0f}, 44.0f,
                                      {{0.0f, palette::kGoldLight}, {0.5f, palette::kGold}, {1.0f, palette::kGoldDark}}));
    canvas.Bevel(*boss, 6.0f, 0.9f);
    canvas.Fill(*Star(kShieldCentre, 8, 16.0f, 6.0f), Solid(WithAlpha(palette::kGoldDark, 0.8f)));
}

void DrawShieldGem(Canvas& canvas, int gem)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    const float height = static_cast<float>(canvas.Height());
    const float left = static_cast<float>(PictureLeft(gem));
    const float bottom = static_cast<float>(PictureBottom(gem));
    // The outline in the picture, y downward from its top.
    std::vector<Vec2> outline;
    const ShieldGemPlace& place = Place(gem);
    for (int i = 0; i < place.corners; ++i)
        outline.push_back({static_cast<float>(place.outline[i][0]) - left,
                           height - (static_cast<float>(place.outline[i][1]) - bottom)});
    const Colour c = kGemColours[gem];
    const Vec2 centre = Centroid(outline);
    const Box box = Bounds(outline);
    const float reach = std::max(box.Width(), box.Height());
    const ShapePtr body = Inflate(Polygon(outline), -0.5f);
    canvas.Fill(*body, RadialGradient(centre - Vec2{box.Width(), box.Height()} * 0.2f, reach,
                                      {{0.0f, Shade(c, 1.7f)}, {0.5f, c}, {1.0f, Shade(c, 0.35f)}}));
    // Facets between the rim and the table; those facing the light (upper
    // left) are brighter.
    const std::vector<Vec2> table = Shrunk(outline, 0.45f);
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 a = outline[i], b = outline[(i + 1) % n];
        const Vec2 mid = (a + b) * 0.5f - centre;
        const float facing = Dot(Normalised(mid), Normalised(Vec2{-1.0f, -1.0f}));
        canvas.Fill(*Polygon({a, b, table[(i + 1) % n], table[i]}),
                    Solid(WithAlpha(Shade(c, 1.0f + 0.55f * facing), 0.65f)));
        canvas.Fill(*Polyline({a, table[i]}, 1.0f), Solid(WithAlpha(Shade(c, 1.8f), 0.5f)));
    }
    const ShapePtr top = Polygon(table);
    canvas.Fill(*top, LinearGradient(Vec2{box.left, box.top}, Shade(c, 1.6f), Vec2{box.right, box.bottom}, Shade(c, 0.9f)));
    canvas.Stroke(*top, 1.0f, Solid(WithAlpha(Shade(c, 1.9f), 0.7f)));
    canvas.Stroke(*body, 1.5f, Solid(WithAlpha(Shade(c, 0.3f), 0.9f)));
    const Vec2 glint = table[0] + (centre - table[0]) * 0.3f;
    canvas.Fill(*Star(glint, 4, reach * 0.12f, reach * 0.025f), Solid(Rgb(0xFFFFFF, 0.9f)));
}

void DrawShieldGlow(Canvas& canvas, int gem)
{
    canvas.Clear(Rgb(0xFFFFFF, 0.0f));
    const std::vector<Vec2> screen = ScreenOutline(gem);
    const Box bounds = Bounds(screen).Grown(static_cast<float>(kShieldGlowMargin));
    const float sx = static_cast<float>(canvas.Width()) / bounds.Width();
    const float sy = static_cast<float>(canvas.Height()) / bounds.Height();
    std::vector<Vec2> outline;
    for (const Vec2& p : screen)
        outline.push_back({(p.x - bounds.left) * sx, (p.y - bounds.top) * sy});
    const ShapePtr shape = Polygon(outline);
    const float radius = static_cast<float>(kShieldGlowMargin) * std::min(sx, sy);
    canvas.Glow(*shape, radius, Rgb(0xFFFFFF, 0.8f));
    canvas.Fill(*shape, RadialGradient(Centroid(outline), static_cast<float>(canvas.Width()) * 0.45f,
                                       {{0.0f, Rgb(0xFFFFFF, 0.75f)}, {1.0f, Rgb(0xFFFFFF, 0.3f)}}));
}

void DrawPergament(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.Clear(Rgb(0x000000, 0.0f));
    const Box sheet{14.0f, 26.0f, w - 14.0f, h - 26.0f};
    const ShapePtr paper = Roughen(RoundedRect(sheet, 6.0f), 2301, 18.0f, 3.0f);
    canvas.Shadow(*paper, {5.0f, 7.0f}, 8.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*paper, Papyrus(Rgb(0xEAD6A8), 2302));
    canvas.Fill(*paper, RadialGradient({w * 0.5f, h * 0.5f}, w * 0.9f,
                                       {{0.0f, Rgb(0xFFF4D8, 0.25f)}, {0.7f, Rgb(0xB08850, 0.0f)}, {1.0f, Rgb(0x6A4420, 0.45f)}}));
    canvas.Stroke(*paper, 1.5f, Solid(Rgb(0x7A5830, 0.8f)));
    // The rolled ends, top and bottom.
    for (const float y : {22.0f, h - 22.0f}) {
        const ShapePtr roll = RoundedRect({6.0f, y - 16.0f, w - 6.0f, y + 16.0f}, 16.0f);
        canvas.Shadow(*roll, {2.0f, 4.0f}, 5.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*roll, LinearGradient({0.0f, y - 16.0f}, {0.0f, y + 16.0f},
                                          {{0.0f, Rgb(0xC8A878)}, {0.35f, Rgb(0xF4E4BE)}, {1.0f, Rgb(0x8A6A40)}}));
        canvas.Stroke(*roll, 1.5f, Solid(Rgb(0x6A4A24)));
        for (const float x : {6.0f, w - 6.0f})
            DrawRosette(canvas, {x, y}, 9.0f, palette::kBronzeLight);
    }
    // A thin ruled border inside the sheet.
    canvas.Stroke(*RoundedRect(sheet.Grown(-18.0f), 4.0f), 1.0f, Solid(Rgb(0x8A6030, 0.5f)));
}
