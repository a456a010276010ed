#include "engine/render/Fish.h"

#include "engine/render/FrameSequence.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/Vector3Path.h"

bool Fish::DrawQuad(float z, bool& headingLeft, float& px, float& py)
{
    if (!path || !frames || frames->frames.empty())
        return false;
    const int count = static_cast<int>(frames->frames.size());
    int frame = static_cast<int>(phase * static_cast<float>(count));
    if (frame > count - 1)
        frame = count - 1;
    if (frame < 0)
        frame = 0;
    frames->frames[static_cast<std::size_t>(frame)]->Bind();

    Vector3 p = path->Position(sector, t);
    // A path that stands still points the sprite to the right.
    const Vector3 d = UnitOr(path->Tangent(sector, t), Vector3(1.0f, 0.0f, 0.0f));
    const Vector3 a = d * (256.0f * scale);
    Vector3 b = UnitOr(Vector3(-a.y, a.x, 0.0f), Vector3()) * (128.0f * scale);
    headingLeft = a.x < 0.0f;
    if (headingLeft)
        b = -b;
    px = p.x;
    py = p.y;

    Vector3 corners[4] = {p, p + a, p + b, p + a + b};
    for (Vector3& corner : corners)
            corner.z = z;
    g_renderDevice.SetColor(color);
    g_renderDevice.DrawQuadUV(corners[0], corners[1], corners[2], corners[3], 0.0f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.ResetColor();
    return true;
}

void Fish::Draw()
{
    bool headingLeft = false;
    float px = 0.0f, py = 0.0f;
    if (!DrawQuad(0.0f, headingLeft, px, py))
        return;
    if (hasAttached) {
        attachedX = headingLeft ? px - 130.0f : px + 130.0f;
        attachedY = py + 50.0f;
    }
}

void Fish::DrawEx(bool front)
{
    if ((scale >= 0.7f) != front)
        return;
    bool headingLeft = false;
    float px = 0.0f, py = 0.0f;
    DrawQuad(100.0f - 200.0f * scale, headingLeft, px, py);
}
