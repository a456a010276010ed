#include "engine/render/PathQuad.h"

#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "engine/util/Vector3Path.h"

namespace {

float RandomPhase()
{
    return static_cast<float>(RandomInt()) * 3.0182806e-5f;
}

} // namespace

float PathQuadSwing(float phase)
{
    if (phase < 0.5f)
        return 0.6f * ease(2.0f * phase, 0.3f, 0.7f) - 0.3f;
    return 0.3f - 0.6f * ease(2.0f * (phase - 0.5f), 0.3f, 0.7f);
}

bool PathQuad::Corners(Vector3 corners[4]) const
{
    if (!path)
        return false;
    const Vector3 p = path->Position(sector, t);
    // A path that stands still lays the strip to the right.
    const Vector3 a = UnitOr(path->Tangent(sector, t), Vector3(1.0f, 0.0f, 0.0f)) * (15.0f * scale);
    const Vector3 b = UnitOr(Vector3(-a.y, a.x, 0.0f), Vector3()) * (4.5f * scale);
    const Vector3 c = a + PathQuadSwing(phase) * b;
    corners[0] = p;
    corners[1] = p + c;
    corners[2] = p + b;
    corners[3] = p + c + b;
    return true;
}

void PathQuad::Draw(bool front) const
{
    Vector3 corners[4];
    if (!enabled || !Corners(corners))
        return;
    if ((corners[0].z >= -60.0f) != front)
        return;
    g_renderDevice.SetColor(color);
    g_renderDevice.DrawQuadUV(corners[0], corners[1], corners[2], corners[3], 0.0f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.ResetColor();
}

void InitRandomSpriteState(PathQuad& fish)
{
    const float r1 = RandomPhase();
    const float r2 = RandomPhase();
    fish.t = 1.0f - r1 * r2;
    fish.sector = 0;
    fish.scale = 0.7f + static_cast<float>(RandomInt()) * 9.125035e-6f;
    fish.phase = RandomPhase();
    fish.speed = 1.0f;
    fish.enabled = true;
    fish.color = RandomColorBetween(Color(220, 220, 220, 200), Color(255, 255, 255, 255));
}
