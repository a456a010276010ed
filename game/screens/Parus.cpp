#include "game/screens/Parus.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "game/screens/ParusController.h"
#include "gui/ResourceAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

#include <cmath>

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;

// The view of the water, clouds and rigging: its corner from the top-left
// of the screen, and its size.
const int kViewX = 282;
const int kViewY = 8;
const int kViewWidth = 510;
const int kViewHeight = 566;
const float kBandHeight = 58.0f;

Sprite* Picture(const char* name, int addressMode)
{
    Sprite* picture = GuiResources::FindTexture(name);
    if (picture)
        picture->SetAddressMode(addressMode);
    return picture;
}

bool Bind(const Sprite* picture)
{
    if (!picture || picture->deviceTexture == 0)
        return false;
    picture->Bind();
    return true;
}

void NewCloud(Parus::Cloud& cloud)
{
    cloud.y = static_cast<float>(RandomInt() % 400 + 150);
    cloud.speed = static_cast<float>(RandomInt() % 100) * 0.00025f + 0.01f;
}

// A curve from v through 30 to 49 random keys back to v, each -0.3 to 0.3.
void BuildSway(SplinePath<float>& curve)
{
    const float first = RandomTimes(0.0000182806f) - 0.3f;
    curve.addKey(first);
    const int count = 30 + RandomIndex(20);
    for (int i = 0; i < count; ++i)
        curve.addKey(RandomTimes(0.0000182806f) - 0.3f);
    curve.addKey(first);
    curve.CalculateGradient(false);
}

// One layer of the water: the band 510 x 58 at the view's bottom, tiled at
// the size and scrolled by the offsets. The picture repeats, so the tiles
// are one quad whose texture window spans the band.
void DrawWaterLayer(float size, float a, float b)
{
    const float uStart = a / 4.0f - std::floor(a / 4.0f);
    const float vStart = b - std::floor(b);
    g_renderDevice.DrawQuadUV(Vector3(0.0f, 0.0f, 0.0f), Vector3(static_cast<float>(kViewWidth), 0.0f, 0.0f),
                              Vector3(0.0f, kBandHeight, 0.0f),
                              Vector3(static_cast<float>(kViewWidth), kBandHeight, 0.0f), uStart,
                              uStart + static_cast<float>(kViewWidth) / size, vStart, vStart + kBandHeight / size);
}

Vector3 At(float x, float y)
{
    return Vector3(x, y, 0.0f);
}

} // namespace

Parus::Parus(const std::string& widgetName, const TiXmlElement*)
    : Widget(widgetName)
    , windA({0.0f, 0.0f, -1.5f, 0.5f, 0.5f, -1.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f}, -1.5f)
    , windB({0.0f, 0.0f, -0.5f, 1.8f, 1.6f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f}, -0.5f)
{
    _sail = Picture("#ParusTex", 2);
    _ropes = Picture("#Verevki", 1);
    _bands = Picture("#Machta", 1);
    _cloud = Picture("#Cloud", 1);
    _water = Picture("#Water", 1);
    kernel.AddController(new ParusController(this));

    clouds.resize(kClouds);
    for (Cloud& cloud : clouds) {
        cloud.x = static_cast<float>(RandomInt() % 700 - 100);
        NewCloud(cloud);
    }
    for (SplinePath<float>& curve : sway)
        BuildSway(curve);
}

Parus::~Parus()
{
    kernel.StopControllersOf(this);
}

void Parus::Update(float dt)
{
    windA.Advance(dt);
    windB.Advance(dt);
    for (Cloud& cloud : clouds) {
        cloud.x += cloud.speed * kCloudPace * dt;
        if (cloud.x > 650.0f) {
            cloud.x = -100.0f;
            NewCloud(cloud);
        }
    }
}

Parus::SailPoint Parus::GridPoint(int i, int j) const
{
    const float fi = static_cast<float>(i);
    const float fj = static_cast<float>(j);
    const float wave = 0.5f * (fi + fj) + t;
    const float d = std::sin(wave) * (std::sin(0.125f * 3.14f * fi) + std::sin(0.125f * 3.14f * fj));
    SailPoint point;
    point.x = 312.0f + 56.5f * fi + d;
    point.y = 63.0f + 62.75f * fj + d;
    point.u = 0.1103515625f * fi;
    point.v = 0.12255859375f * fj;
    const auto grey = static_cast<std::uint8_t>(static_cast<int>(235.0f + 20.0f * std::sin(wave - 0.1f)));
    point.colour = Color(grey, grey, grey, 255);
    return point;
}

void Parus::DrawWater()
{
    RenderDevice& device = g_renderDevice;
    if (!Bind(_water))
        return;
    float T = t / 3000.0f;
    T -= std::floor(T);
    float c[kSwayCurves];
    for (int k = 0; k < kSwayCurves; ++k)
        c[k] = sway[k].getGlobalFrame(T);
    const float c0End = sway[0].getGlobalFrame(5.0f);

    device.SetBlendMode(kBlendNormal);
    DrawWaterLayer(256.0f + 2.0f * std::sin(0.2f * t), c[0] + 0.25f, c[1] + 0.52f);
    device.SetBlendMode(kBlendAdditive);
    DrawWaterLayer(247.0f + std::sin(0.25f * t), c[2] + 0.5f - c[4] / 3.0f, c[3] + 0.3f - c0End / 3.0f);
    DrawWaterLayer(250.0f + 2.0f * std::sin(t / 6.0f), c[4] + 0.75f - c[0] / 2.0f, c[5] + 0.2f - c[1] / 2.0f);
    DrawWaterLayer(251.0f, c[5], c[4] + 0.24f);
    device.SetBlendMode(kBlendNormal);
}

void Parus::DrawClouds()
{
    if (!Bind(_cloud))
        return;
    for (const Cloud& cloud : clouds) {
        const float w = 64.0f * (0.8f + 20.0f * cloud.speed);
        const float h = 0.75f * w;
        g_renderDevice.DrawQuadUV(At(cloud.x, cloud.y), At(cloud.x + w, cloud.y), At(cloud.x, cloud.y + h),
                                  At(cloud.x + w, cloud.y + h), 0.0f, 1.0f, 0.0f, 0.75f);
    }
}

void Parus::DrawRopes()
{
    RenderDevice& device = g_renderDevice;
    if (Bind(_ropes)) {
        const float top = 0.5859375f;
        // The left group.
        device.PushMatrix();
        device.Translate(Vector3(35.0f, 541.0f, 0.0f));
        const float l1 = 200.0f + 50.0f * std::sin(0.1f * t);
        const float k1 = 5.0f * windA.At(2.0f * windA.phase);
        const float q1 = (600.0f - l1) / 1024.0f;
        const Vector3 knee1L = At(k1 + 3.0f * std::sin(1.1f * t) - 70.0f, -l1);
        const Vector3 knee1R = At(k1 + std::sin(1.13f * t + 1.0f) + 2.0f, -l1);
        device.DrawQuadUV(knee1L, knee1R, At(-70.0f, std::cos(1.11f * t - 1.0f)), At(2.0f, 0.0f), 0.0f, 0.28125f,
                          q1, top);
        device.DrawQuadUV(At(3.0f * std::sin(1.1f * t) - 70.0f, -600.0f), At(std::sin(1.13f * t + 1.0f) + 2.0f, -600.0f),
                          knee1L, knee1R, 0.0f, 0.28125f, 0.0f, q1);
        device.PopMatrix();
        // The right group.
        device.PushMatrix();
        device.Translate(Vector3(477.0f, 541.0f, 0.0f));
        const float l2 = 200.0f + 50.0f * std::sin(t / 9.0f + 1.0f);
        const float k2 = 5.0f * windB.At(2.0f * windB.phase);
        const float q2 = (600.0f - l2) / 1024.0f;
        const Vector3 knee2L = At(k2 + 2.0f * std::sin(1.1f * t) - 24.0f, -l2);
        const Vector3 knee2R = At(k2 + std::sin(1.1f * t) + 48.0f, -l2);
        device.DrawQuadUV(knee2L, knee2R, At(-24.0f, 0.0f), At(48.0f, 0.0f), 0.28125f, 0.5625f, q2, top);
        device.DrawQuadUV(At(-24.0f, -600.0f), At(48.0f, -600.0f), knee2L, knee2R, 0.28125f, 0.5625f, 0.0f, q2);
        device.PopMatrix();
    }
    if (Bind(_bands)) {
        device.DrawRectUV(Rect(-2, 478, 512, 96), 0.0f, 1.0f, 0.421875f, 0.796875f);
        device.DrawRectUV(Rect(-2, -6, 512, 108), 0.0f, 1.0f, 0.0f, 0.421875f);
    }
}

void Parus::DrawSail()
{
    RenderDevice& device = g_renderDevice;
    if (!Bind(_sail))
        return;
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            const SailPoint bl = GridPoint(i, j);
            const SailPoint br = GridPoint(i + 1, j);
            const SailPoint tl = GridPoint(i, j + 1);
            const SailPoint tr = GridPoint(i + 1, j + 1);
            device.DrawQuadColored(At(bl.x, bl.y), At(br.x, br.y), At(tl.x, tl.y), At(tr.x, tr.y), bl.colour,
                                   br.colour, tl.colour, tr.colour, bl.u, br.u, bl.v, tl.v);
        }
    }
    // The fittings at the sail's corners, from the atlas's right column.
    device.DrawRectUV(Rect(312, 47, 32, 32), 0.9375f, 1.0f, 0.875f, 0.9375f);
    device.DrawRectUV(Rect(307, 548, 32, 32), 0.9375f, 1.0f, 0.9375f, 1.0f);
    device.DrawRectUV(Rect(759, 45, 32, 32), 0.9375f, 1.0f, 0.8125f, 0.875f);
}

void Parus::Draw()
{
    RenderDevice& device = g_renderDevice;
    device.ResetColor();
    device.BeginViewport2D(kViewX, kViewY, kViewWidth, kViewHeight);
    DrawWater();
    DrawClouds();
    DrawRopes();
    device.SetFullViewport();
    device.End2D();
    DrawSail();
    device.ResetColor();
}

Widget* CreateParus(const TiXmlElement* element)
{
    return CreateWidgetOfKind<Parus>(element);
}
