#include "tools/artgen/ArtefactArt.h"

#include "tools/artgen/Palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
const Vec2 kCentre{128.0f, 128.0f};

// Each country's metal and enamel.
struct ArtefactLook {
    Colour metal;
    Colour enamel;
};

const ArtefactLook kLooks[kArtefactCount] = {
    {palette::kBronzeLight, Rgb(0x7A2A6A)}, // Phoenician purple
    {palette::kGold, palette::kLapis},
    {palette::kGold, Rgb(0x2E8A7A)},
    {palette::kBronze, Rgb(0x8A3A1C)},
    {palette::kGoldLight, Rgb(0x8A1A1A)},
    {palette::kMarble, Rgb(0x2A5A9A)},
    {palette::kBronzeLight, palette::kCypress},
};

// The emblems, drawn in a 256 x 256 space with y downward.
ShapePtr Ship()
{
    ShapePtr hull = Polygon({{62, 150}, {194, 150}, {176, 180}, {80, 180}});
    ShapePtr mast = RoundedRect({125, 72, 131, 152}, 2);
    ShapePtr sail = Polygon({{96, 80}, {160, 80}, {152, 136}, {104, 136}});
    return Unite(Unite(hull, mast), sail);
}

ShapePtr Ziggurat()
{
    ShapePtr shape = RoundedRect({64, 160, 192, 184}, 2);
    shape = Unite(shape, RoundedRect({80, 132, 176, 160}, 2));
    shape = Unite(shape, RoundedRect({96, 104, 160, 132}, 2));
    shape = Unite(shape, RoundedRect({112, 76, 144, 104}, 2));
    return Unite(shape, Polyline({{128, 184}, {128, 204}}, 10));
}

ShapePtr Eye()
{
    ShapePtr lid = Subtract(Ellipse({128, 124}, 64, 30), Ellipse({128, 124}, 52, 20));
    ShapePtr iris = Circle({128, 124}, 17);
    ShapePtr tear = Polyline({{112, 150}, {104, 182}, {86, 190}}, 8);
    return Unite(Unite(lid, iris), tear);
}

ShapePtr Tanit()
{
    ShapePtr body = Polygon({{128, 120}, {88, 196}, {168, 196}});
    ShapePtr arms = RoundedRect({78, 118, 178, 128}, 4);
    ShapePtr head = Circle({128, 96}, 18);
    ShapePtr moon = Subtract(Circle({128, 62}, 18), Circle({128, 52}, 16));
    return Unite(Unite(body, arms), Unite(head, moon));
}

ShapePtr Eagle()
{
    ShapePtr body = Ellipse({128, 132}, 18, 40);
    ShapePtr wings = Polygon({{60, 86}, {128, 118}, {196, 86}, {180, 130}, {128, 150}, {76, 130}});
    ShapePtr head = Circle({128, 86}, 14);
    ShapePtr tail = Polygon({{112, 166}, {144, 166}, {150, 196}, {106, 196}});
    return Unite(Unite(body, wings), Unite(head, tail));
}

ShapePtr Owl()
{
    ShapePtr body = Ellipse({128, 140}, 42, 54);
    ShapePtr ears = Unite(Polygon({{92, 86}, {104, 110}, {86, 110}}), Polygon({{164, 86}, {170, 110}, {152, 110}}));
    ShapePtr eyes = Unite(Circle({110, 124}, 13), Circle({146, 124}, 13));
    return Subtract(Unite(body, ears), eyes);
}

ShapePtr Horse()
{
    ShapePtr body = RoundedRect({84, 118, 176, 152}, 14);
    ShapePtr neck = Polygon({{150, 124}, {176, 70}, {196, 80}, {176, 130}});
    ShapePtr head = Ellipse({190, 86}, 18, 10, 0.5f);
    ShapePtr legs = Polyline({{92, 148}, {92, 196}}, 9);
    for (float x : {112.0f, 150.0f, 168.0f})
        legs = Unite(legs, Polyline({{x, 148}, {x, 196}}, 9));
    ShapePtr base = RoundedRect({70, 196, 190, 206}, 3);
    return Unite(Unite(Unite(body, neck), Unite(head, legs)), base);
}

ShapePtr Emblem(int artefact)
{
    switch (artefact) {
    case 0: return Ship();
    case 1: return Ziggurat();
    case 2: return Eye();
    case 3: return Tanit();
    case 4: return Eagle();
    case 5: return Owl();
    default: return Horse();
    }
}

} // namespace

void DrawArtefact(Canvas& canvas, int artefact)
{
    const ArtefactLook& look = kLooks[std::clamp(artefact, 0, kArtefactCount - 1)];
    ShapePtr disc = Circle(kCentre, 124.0f);
    canvas.Fill(*disc, RadialGradient({100, 96}, 170.0f, {{0.0f, Shade(look.metal, 1.2f)}, {1.0f, Shade(look.metal, 0.6f)}}));
    canvas.Bevel(*disc, 10.0f, 0.8f);
    ShapePtr field = Circle(kCentre, 100.0f);
    canvas.Fill(*field, Mottled(Solid(look.enamel), static_cast<std::uint32_t>(17 + artefact), 24.0f, 0.15f));
    canvas.Bevel(*field, 6.0f, -0.6f);
    // Beads around the rim.
    for (int i = 0; i < 24; ++i) {
        const float a = 2.0f * kPi * static_cast<float>(i) / 24.0f;
        const Vec2 at{kCentre.x + 112.0f * std::cos(a), kCentre.y + 112.0f * std::sin(a)};
        ShapePtr bead = Circle(at, 4.5f);
        canvas.Fill(*bead, Solid(Shade(look.metal, 1.25f)));
        canvas.Bevel(*bead, 2.0f, 0.7f);
    }
    ShapePtr emblem = Emblem(artefact);
    canvas.Shadow(*emblem, {3.0f, 4.0f}, 4.0f, Rgb(0x000000, 0.5f));
    canvas.Fill(*emblem, LinearGradient({128, 60}, Shade(look.metal, 1.3f), {128, 210}, Shade(look.metal, 0.75f)));
    canvas.Bevel(*emblem, 4.0f, 0.7f);
}

void DrawArtefactPiece(Canvas& canvas, int artefact, int piece)
{
    Canvas full(256, 256);
    DrawArtefact(full, artefact);
    // A piece's place (Artefact.xml) counts y upward from the picture's
    // bottom edge, as the screen does, while the canvas counts rows down
    // from its top: the piece at y holds the 64 rows that end 256 - y rows
    // below the top, so the pieces laid at their places make the picture.
    const int left = (piece % 4) * 64;
    const int top = 256 - 64 - (piece / 4) * 64;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            canvas.Set(x, y, full.At(left + x, top + y));
}
