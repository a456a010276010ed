#include "engine/render/Fish.h"

#include "engine/render/FrameSequence.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/Vector3Path.h"

int Fish::Frame() const
{
    if (!frames || frames->frames.empty())
        return -1;
    const int count = static_cast<int>(frames->frames.size());
    const int frame = static_cast<int>(phase * static_cast<float>(count));
    return frame < 0 ? 0 : (frame > count - 1 ? count - 1 : frame);
}

bool Fish::Corners(float z, Vector3 corners[4], bool& headingLeft) const
{
    if (!path)
        return false;
    const Vector3 p = path->Position(sector, t);
    // A path that stands still points the sprite to the right.
    const Vector3 d = UnitOr(path->Tangent(sector, t), Vector3(1.0f, 0.0f, 0.0f));
    const Vector3 a = d * (256.0f * scale * sizeFactor);
    Vector3 b = UnitOr(Vector3(-a.y, a.x, 0.0f), Vector3()) * (128.0f * scale * sizeFactor);
    headingLeft = a.x < 0.0f;
    if (headingLeft)
        b = -b;
    corners[0] = p;
    corners[1] = p + a;
    corners[2] = p + b;
    corners[3] = p + a + b;
    for (int i = 0; i < 4; ++i)
        corners[i].z = z;
    return true;
}

bool Fish::DrawQuad(float z, bool& headingLeft, Vector3& place)
{
    const int frame = Frame();
    Vector3 corners[4];
    if (frame < 0 || !Corners(z, corners, headingLeft))
        return false;
    frames->frames[static_cast<std::size_t>(frame)]->Bind();
    place = path->Position(sector, t);
    g_renderDevice.SetColor(color);
    g_renderDevice.DrawQuadUV(corners[0], corners[1], corners[2], corners[3], 0.0f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.ResetColor();
    return true;
}

void Fish::Draw()
{
    bool headingLeft = false;
    Vector3 place;
    if (!DrawQuad(0.0f, headingLeft, place))
        return;
    if (hasAttached) {
        attachedX = headingLeft ? place.x - 130.0f : place.x + 130.0f;
        attachedY = place.y + 50.0f;
    }
}

void Fish::DrawEx(bool front)
{
    if ((scale >= 0.7f) != front)
        return;
    bool headingLeft = false;
    Vector3 place;
    DrawQuad(100.0f - 200.0f * scale, headingLeft, place);
}
