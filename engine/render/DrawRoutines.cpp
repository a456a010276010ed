#include "engine/render/DrawRoutines.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/MathFunctions.h"

namespace {

std::uint8_t RandomByteBetween(std::uint8_t a, std::uint8_t b)
{
    return static_cast<std::uint8_t>(RandomIntRange(a, b));
}

} // namespace

void DrawScrollingBand(float offset, float speed, float repeat, float halfHeight, float length)
{
    RenderDevice& device = g_renderDevice;
    device.SetMatrixMode(RenderDevice::kTexture);
    device.Translate(Vector3(offset * speed, 0.0f, 0.0f));
    device.Scale(repeat, 1.0f, 1.0f);
    device.SetMatrixMode(RenderDevice::kWorld);
    device.DrawRectInset(0.0f, -halfHeight, length, 2.0f * halfHeight, 0.0f);
    device.SetMatrixMode(RenderDevice::kTexture);
    device.LoadIdentity();
    device.SetMatrixMode(RenderDevice::kWorld);
}

void DrawCrossFade(const Sprite& a, const Sprite& b, const Point& p, float t, float alpha)
{
    RenderDevice& device = g_renderDevice;
    device.SetAlpha(static_cast<std::uint8_t>(static_cast<int>(alpha * 255.0f)));
    b.Bind();
    device.DrawRect(p.x, p.y, b.textureWidth, b.textureHeight);
    device.SetAlpha(static_cast<std::uint8_t>(static_cast<int>(static_cast<float>(static_cast<int>(t * 255.0f)) * alpha)));
    a.Bind();
    device.DrawRect(p.x, p.y, a.textureWidth, a.textureHeight);
    device.ResetColor();
}

Color RandomColorBetween(const Color& a, const Color& b)
{
    Color c;
    c.r = RandomByteBetween(a.r, b.r);
    c.g = RandomByteBetween(a.g, b.g);
    c.b = RandomByteBetween(a.b, b.b);
    c.a = RandomByteBetween(a.a, b.a);
    return c;
}

Vector3 RandomPointBetween(const Vector3& a, const Vector3& b)
{
    const float x = RandomFloatRange(a.x, b.x);
    const float y = RandomFloatRange(a.y, b.y);
    const float z = RandomFloatRange(a.z, b.z);
    return Vector3(x, y, z);
}

float Lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

std::uint32_t NextPowerOfTwo(std::uint32_t n)
{
    --n;
    n |= n >> 1;
    n |= n >> 2;
    n |= n >> 4;
    n |= n >> 8;
    n |= n >> 16;
    return n + 1;
}
