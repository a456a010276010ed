#include "engine/render/RenderDevice.h"

#include "engine/backend/Window.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/MainWindow.h"
#include "engine/render/Font.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/render/Sprite.h"
#include "engine/render/Texture.h"
#include "engine/render/VertexBatch.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kClearColor = 0xFF3C3C3Cu;
constexpr std::uint32_t kFogColor = 0xFF012F8Du;

// A plain flag rather than a member: it can be read after the device object
// itself has been destroyed at the end of the program.
bool g_contextLive = false;

} // namespace

RenderDevice::RenderDevice() : currentStack(&worldStack)
{
    worldStack.reserve(8);
    textureStack.reserve(8);
    projectionStack.reserve(8);
    // Room for 100 glyphs; longer strings grow it.
    glyphVertices.reserve(600);
}

RenderDevice::~RenderDevice() = default;

void RenderDevice::Init(backend::Window& mainWindow)
{
    window = &mainWindow;
    windowed = g_windowed;
    gl.Init(mainWindow.Handle());
    SetPicturesPaddedToPowerOfTwo(!gl.HasNonPowerOfTwoTextures());
    SetDefaultStates();
    world = view = projection = texture = Matrix4();
    gl.SetTransform(backend::TransformKind::World, world.Data());
    gl.SetTransform(backend::TransformKind::View, view.Data());
    gl.SetTransform(backend::TransformKind::Projection, projection.Data());
    gl.SetTransform(backend::TransformKind::Texture, texture.Data());
    SetFullViewport();
    lastTexture = 0;
    textureOn = false;
    initialized = true;
    g_contextLive = true;
    CreateParticleBuffer();
    CreateQuadBatch();
}

void RenderDevice::Release()
{
    if (!initialized)
        return;
    gl.Shutdown();
    // Fonts hold device textures: they go with the device.
    currentFont = nullptr;
    fonts.clear();
    ownedFonts.clear();
    reportedMissingFonts.clear();
    g_quadBatch.buffer = 0;
    g_particleBatch.buffer = 0;
    lastTexture = 0;
    textureOn = false;
    window = nullptr;
    initialized = false;
    g_contextLive = false;
}

bool RenderDevice::ContextLive()
{
    return g_contextLive;
}

void RenderDevice::SetDefaultStates()
{
    gl.EnableDepthTest(true);
    gl.SetDepthFuncLessEqual();
    gl.EnableDepthWrite(false);
    gl.EnableAlphaTestAlways(true);
    gl.EnableFog(false);
    fogOn = false;
    gl.SetLinearFog(0.0f, 1.0f, kFogColor);
    // Normal alpha blending is the standing state from the first frame on.
    gl.EnableBlend(true);
    blendOn = true;
    gl.SetBlendFunc(backend::BlendFactor::SrcAlpha, backend::BlendFactor::InvSrcAlpha);
    blendMode = 0;
}

void RenderDevice::Restore()
{
    if (!initialized)
        return;
    SetWindowed(windowed);
}

void RenderDevice::SetWindowed(int mode)
{
    windowed = mode;
    SetDefaultStates();
    SetTransformState(kWorld, Matrix4());
    SetTransformState(kProjection, Matrix4());
    SetTransformState(kTexture, Matrix4());
}

void RenderDevice::BeginFrame()
{
    gl.Clear(kClearColor, 1.0f);
}

void RenderDevice::EndFrame()
{
    gl.Flush();
}

void RenderDevice::LogAdapterInfo()
{
    std::string vendor, renderer, version;
    gl.AdapterStrings(vendor, renderer, version);
    g_log.WritePlain("D3D Driver: " + vendor);
    g_log.WritePlain("Description: " + renderer);
    g_log.WritePlain("Version: " + version);
}

int RenderDevice::IsWindowed() const
{
    return g_windowed;
}

void RenderDevice::SetBlendMode(int mode)
{
    if (mode == 0 || mode == 1) {
        gl.SetBlendFunc(backend::BlendFactor::SrcAlpha, backend::BlendFactor::InvSrcAlpha);
        blendMode = 0;
    } else if (mode == 2) {
        gl.SetBlendFunc(backend::BlendFactor::SrcAlpha, backend::BlendFactor::One);
        blendMode = 2;
    }
}

void RenderDevice::EnableAlphaBlend(bool on)
{
    gl.EnableBlend(on);
    blendOn = on;
}

void RenderDevice::EnableFog(bool on)
{
    gl.EnableFog(on);
    fogOn = on;
}

void RenderDevice::EnableTexture(bool on)
{
    gl.SetTexture(on ? lastTexture : 0);
    textureOn = on && lastTexture != 0;
}

void RenderDevice::SetColor(const Color& c)
{
    color = c.ToArgb();
}

void RenderDevice::SetAlpha(std::uint8_t a)
{
    color = (std::uint32_t(a) << 24) | 0xFFFFFFu;
}

void RenderDevice::CreateTexture(Texture& t)
{
    const ImageData& image = t.image;
    if (image.IsEmpty())
        return;
    if (!FitsImageBuffer(image.width, image.height)) {
        LogImageError("Can't create a texture of " + std::to_string(image.width) + " x " +
                      std::to_string(image.height) + ": it does not fit the image buffer.");
        return;
    }
    AllocateImageBuffers();
    if (t.deviceTexture)
        ReleaseTexture(t);
    t.deviceTexture = gl.CreateTexture(image.width, image.height, image.hasAlpha, g_pixelBuffer);
}

void RenderDevice::NoteUnloadedPicture(const Texture& t)
{
    if (t.deviceTexture != 0 || t.image.IsEmpty())
        return;
    ++unloadedPictureBinds;
    lastUnloadedPicture = &t;
}

void RenderDevice::BindTexture(const Texture& t)
{
    NoteUnloadedPicture(t);
    lastTexture = t.deviceTexture;
    gl.BindTexture(t.deviceTexture, t.addressMode, t.linearFilter, false);
    bound = BoundTexture{t.coverage, t.linearFilter, t.addressMode, false};
    textureOn = t.deviceTexture != 0;
}

void RenderDevice::BindTextureAlphaOnly(const Texture& t)
{
    NoteUnloadedPicture(t);
    lastTexture = t.deviceTexture;
    gl.BindTexture(t.deviceTexture, t.addressMode, t.linearFilter, true);
    bound = BoundTexture{t.coverage, t.linearFilter, t.addressMode, true};
    textureOn = t.deviceTexture != 0;
}

void RenderDevice::ReleaseTexture(Texture& t)
{
    if (!t.deviceTexture)
        return;
    if (lastTexture == t.deviceTexture) {
        lastTexture = 0;
        textureOn = false;
    }
    gl.DeleteTexture(t.deviceTexture);
    t.deviceTexture = 0;
}

void RenderDevice::CreateVertexBuffer(VertexBatch& batch, std::uint32_t n)
{
    if (batch.buffer)
        gl.DeleteVertexBuffer(batch.buffer);
    batch.buffer = gl.CreateVertexBuffer(n);
}

void RenderDevice::UploadVertexBuffer(VertexBatch& batch)
{
    const auto count = std::min<std::size_t>(batch.vertexCount, batch.vertices.size());
    gl.UploadVertexBuffer(batch.buffer, batch.vertices.data(), static_cast<unsigned>(count));
}

void RenderDevice::DrawVertexBuffer(const VertexBatch& batch)
{
    gl.DrawVertexBuffer(batch.buffer, batch.vertexCount / 3);
}

void RenderDevice::DrawStripZTest(const VertexBatch& batch)
{
    gl.EnableDepthTest(true);
    gl.SetDepthFuncLessEqual();
    // Never more triangles than the vertices in memory make.
    const std::size_t most = batch.vertices.size() >= 3 ? batch.vertices.size() - 2 : 0;
    const auto count = std::min<std::size_t>(batch.primitiveCount, most);
    gl.DrawTriangleStrip(batch.vertices.data(), static_cast<unsigned>(count));
}

void RenderDevice::ReleaseVertexBuffer(VertexBatch& batch)
{
    gl.DeleteVertexBuffer(batch.buffer);
    batch.buffer = 0;
}
