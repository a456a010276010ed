#include "engine/render/PathQuad.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Vector3Path.h"

float PathQuadSwing(float phase)
{
    if (phase < 0.5f)
        return 0.6f * ease(2.0f * phase, 0.3f, 0.7f) - 0.3f;
    return 0.3f - 0.6f * ease(2.0f * (phase - 0.5f), 0.3f, 0.7f);
}

void PathQuad::Draw(bool front) const
{
    if (!enabled || !path)
        return;
    const Vector3 p = path->Position(sector, t);
    if ((p.z >= -60.0f) != front)
        return;
    // A path that stands still lays the strip to the right.
    const Vector3 a = UnitOr(path->Tangent(sector, t), Vector3(1.0f, 0.0f, 0.0f)) * (15.0f * scale);
    const Vector3 b = UnitOr(Vector3(-a.y, a.x, 0.0f), Vector3()) * (4.5f * scale);
    const Vector3 c = a + PathQuadSwing(phase) * b;
    g_renderDevice.SetColor(color);
    g_renderDevice.DrawQuadUV(p, p + c, p + b, p + c + b, 0.0f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.ResetColor();
}
