// The matrix side of the render device: pure arithmetic, no GL needed.

#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"

#include <gtest/gtest.h>

namespace {

Vector3 ToClip(const Vector3& p)
{
    const Matrix4 all = g_renderDevice.GetTransform(RenderDevice::kWorld) * g_renderDevice.GetTransform(0) *
                        g_renderDevice.GetTransform(RenderDevice::kProjection);
    return TransformCoord(p, all);
}

// u' and v' of the texture matrix for (u, v).
std::pair<float, float> TextureUV(float u, float v)
{
    const Matrix4& t = g_renderDevice.GetTransform(RenderDevice::kTexture);
    return {u * t.m[0][0] + v * t.m[1][0] + t.m[2][0], u * t.m[0][1] + v * t.m[1][1] + t.m[2][1]};
}

} // namespace

TEST(RenderDeviceView, Begin2DPutsTheOriginBottomLeftWithYUp)
{
    g_renderDevice.Begin2D();
    const Vector3 centre = ToClip(Vector3(400.5f, 300.5f, 0.0f));
    EXPECT_FLOAT_EQ(centre.x, 0.0f);
    EXPECT_FLOAT_EQ(centre.y, 0.0f);
    EXPECT_FLOAT_EQ(centre.z, 0.5f);
    const Vector3 corner = ToClip(Vector3(0.5f, 600.5f, 0.0f));
    EXPECT_FLOAT_EQ(corner.x, -1.0f);
    EXPECT_FLOAT_EQ(corner.y, 1.0f);
    EXPECT_EQ(g_renderDevice.GetMatrixMode(), RenderDevice::kWorld);
    g_renderDevice.End2D();
}

TEST(RenderDeviceView, End2DRestoresWhatWasBefore)
{
    g_renderDevice.SetMatrixMode(RenderDevice::kProjection);
    g_renderDevice.ScaleUniform(3.0f);
    const Matrix4 projection = g_renderDevice.GetTransform(RenderDevice::kProjection);
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.Translate(Vector3(1, 2, 3));
    const Matrix4 world = g_renderDevice.GetTransform(RenderDevice::kWorld);
    g_renderDevice.Begin2D();
    g_renderDevice.SetMatrixMode(RenderDevice::kProjection);
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.End2D();
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kProjection), projection);
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kWorld), world);
    EXPECT_EQ(g_renderDevice.GetMatrixMode(), RenderDevice::kWorld);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kProjection);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
}

TEST(RenderDeviceView, PushPopAndTheOrderOfProducts)
{
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.LoadIdentity();
    g_renderDevice.PopMatrix(); // nothing pushed: unchanged
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kWorld), Matrix4());
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(10, 0, 0));
    g_renderDevice.Rotate(Vector3(0, 0, 1), 90.0f);
    // The turn, applied last, acts first: (1, 0) turns to (0, 1), then moves.
    const Vector3 p = TransformCoord(Vector3(1, 0, 0), g_renderDevice.GetTransform(RenderDevice::kWorld));
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_NEAR(p.y, 1.0f, 1e-5f);
    g_renderDevice.PopMatrix();
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kWorld), Matrix4());
}

TEST(RenderDeviceView, TextureModeTranslateReplacesAndScaleUniformKeepsTheShift)
{
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    g_renderDevice.Translate(Vector3(0.5f, 0.1f, 0));
    g_renderDevice.Translate(Vector3(0.25f, 0.0f, 0));
    auto uv = TextureUV(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(uv.first, 0.25f);
    EXPECT_FLOAT_EQ(uv.second, 0.0f);
    g_renderDevice.ScaleUniform(2.0f);
    uv = TextureUV(0.5f, 0.5f);
    EXPECT_FLOAT_EQ(uv.first, 1.25f);
    EXPECT_FLOAT_EQ(uv.second, 1.0f);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
}

TEST(RenderDeviceView, OtherModesChangeNothing)
{
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(7);
    g_renderDevice.Translate(Vector3(5, 5, 5));
    g_renderDevice.Scale(2, 2, 2);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kWorld), Matrix4());
    EXPECT_EQ(RenderDevice::ToScreenPoint(Point(10, 100)), Point(10, 500));
}

TEST(RenderDeviceView, PerspectiveOffCenterMapsTheNearPlane)
{
    g_renderDevice.SetPerspectiveOffCenter(-4, 4, -3, 3, 4, 1000);
    const Matrix4& p = g_renderDevice.GetTransform(RenderDevice::kProjection);
    const Vector3 nearCorner = TransformCoord(Vector3(4, 3, -4), p);
    EXPECT_NEAR(nearCorner.x, 1.0f, 1e-5f);
    EXPECT_NEAR(nearCorner.y, 1.0f, 1e-5f);
    EXPECT_NEAR(nearCorner.z, 0.0f, 1e-5f);
    EXPECT_NEAR(TransformCoord(Vector3(0, 0, -1000), p).z, 1.0f, 1e-4f);
    g_renderDevice.SetMatrixMode(RenderDevice::kProjection);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
}

TEST(DrawRoutines, PowersOfTwoAndRandomColours)
{
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {{0, 0}, {1, 1}, {3, 4}, {600, 1024}, {1024, 1024}};
    for (const auto& c : cases)
        EXPECT_EQ(NextPowerOfTwo(c.first), c.second) << c.first;
    const Color grey(80, 90, 100, 110);
    EXPECT_EQ(RandomColorBetween(grey, grey), grey);
    for (int i = 0; i < 200; ++i) {
        const Color c = RandomColorBetween(Color(220, 220, 220, 200), Color(255, 255, 255, 255));
        ASSERT_GE(c.r, 220);
        ASSERT_GE(c.a, 200);
        const Vector3 p = RandomPointBetween(Vector3(0, 1, 2), Vector3(10, 1, 4));
        ASSERT_GE(p.x, 0.0f);
        ASSERT_LT(p.x, 10.0f);
        ASSERT_LT(p.z, 4.0f);
    }
    EXPECT_FLOAT_EQ(Lerp(2.0f, 4.0f, 0.25f), 2.5f);
}
