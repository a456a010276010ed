#include "engine/backend/GlDevice.h"

#include <SDL2/SDL.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace backend {

namespace {

// Quads batched before a draw call goes out regardless.
constexpr std::size_t kBatchVertexLimit = 6 * 16384;

GLenum ToGl(BlendFactor f)
{
    switch (f) {
    case BlendFactor::Zero:
        return GL_ZERO;
    case BlendFactor::One:
        return GL_ONE;
    case BlendFactor::SrcAlpha:
        return GL_SRC_ALPHA;
    case BlendFactor::InvSrcAlpha:
        return GL_ONE_MINUS_SRC_ALPHA;
    }
    return GL_ONE;
}

GLint GlWrap(TextureAddress address)
{
    switch (address) {
    case TextureAddress::Mirror:
        return GL_MIRRORED_REPEAT;
    case TextureAddress::Clamp:
        return GL_CLAMP_TO_EDGE;
    case TextureAddress::Wrap:
        break;
    }
    return GL_REPEAT;
}

void SetIdentity(float* m)
{
    std::memset(m, 0, 16 * sizeof(float));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

// a x b for row-major row-vector matrices.
void Multiply(const float* a, const float* b, float* out)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out[i * 4 + j] = a[i * 4 + 0] * b[0 * 4 + j] + a[i * 4 + 1] * b[1 * 4 + j] + a[i * 4 + 2] * b[2 * 4 + j] +
                             a[i * 4 + 3] * b[3 * 4 + j];
}

void SetFlag(GLenum cap, bool on)
{
    if (on)
        glEnable(cap);
    else
        glDisable(cap);
}

} // namespace

void GlDevice::Init(SDL_Window* window)
{
    _window = window;
    for (auto& m : _matrices)
        SetIdentity(m);
    _matricesDirty = true;
    _depthTest = _depthWrite = _alphaTest = _blend = _fog = -1;
    _depthFuncSet = _blendFuncSet = false;
    _combine = -1;
    _arrayBase = ~std::uintptr_t(0);
    _arrayBuffer = 0;
    _boundTexture = 0;
    _boundParams = nullptr;
    _textureEnabled = false;
    _batch.clear();
    _batch.reserve(kBatchVertexLimit);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogi(GL_FOG_COORD_SRC, GL_FOG_COORD);
    ApplyViewport();
}

void GlDevice::AdapterStrings(std::string& vendor, std::string& renderer, std::string& version) const
{
    auto text = [](GLenum name) {
        const GLubyte* s = glGetString(name);
        return s ? std::string(reinterpret_cast<const char*>(s)) : std::string();
    };
    vendor = _window ? text(GL_VENDOR) : std::string();
    renderer = _window ? text(GL_RENDERER) : std::string();
    version = _window ? text(GL_VERSION) : std::string();
}

bool GlDevice::HasNonPowerOfTwoTextures() const
{
    if (!_window)
        return false;
    const GLubyte* version = glGetString(GL_VERSION);
    if (version && version[0] >= '2' && version[0] <= '9')
        return true;
    const GLubyte* extensions = glGetString(GL_EXTENSIONS);
    return extensions &&
           std::strstr(reinterpret_cast<const char*>(extensions), "GL_ARB_texture_non_power_of_two") != nullptr;
}

void GlDevice::EnableDepthTest(bool on)
{
    if (!_window || _depthTest == int(on))
        return;
    Flush();
    _depthTest = on;
    SetFlag(GL_DEPTH_TEST, on);
}

void GlDevice::SetDepthFuncLessEqual()
{
    if (!_window || _depthFuncSet)
        return;
    Flush();
    _depthFuncSet = true;
    glDepthFunc(GL_LEQUAL);
}

void GlDevice::EnableDepthWrite(bool on)
{
    if (!_window || _depthWrite == int(on))
        return;
    Flush();
    _depthWrite = on;
    glDepthMask(on ? GL_TRUE : GL_FALSE);
}

void GlDevice::EnableAlphaTestAlways(bool on)
{
    if (!_window || _alphaTest == int(on))
        return;
    Flush();
    _alphaTest = on;
    // The test passes every fragment: the same as no test.
    glAlphaFunc(GL_ALWAYS, 0.0f);
    SetFlag(GL_ALPHA_TEST, on);
}

void GlDevice::EnableBlend(bool on)
{
    if (!_window || _blend == int(on))
        return;
    Flush();
    _blend = on;
    SetFlag(GL_BLEND, on);
}

void GlDevice::SetBlendFunc(BlendFactor source, BlendFactor destination)
{
    if (!_window || (_blendFuncSet && _blendSrc == source && _blendDst == destination))
        return;
    Flush();
    _blendFuncSet = true;
    _blendSrc = source;
    _blendDst = destination;
    glBlendFunc(ToGl(source), ToGl(destination));
}

void GlDevice::EnableFog(bool on)
{
    if (!_window || _fog == int(on))
        return;
    Flush();
    _fog = on;
    SetFlag(GL_FOG, on);
}

void GlDevice::SetLinearFog(float start, float end, std::uint32_t argb)
{
    if (!_window)
        return;
    Flush();
    _fogStart = start;
    _fogEnd = end;
    const float colour[4] = {((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                             ((argb >> 24) & 0xFF) / 255.0f};
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
    glFogfv(GL_FOG_COLOR, colour);
}

void GlDevice::SetTransform(TransformKind kind, const float* matrix)
{
    float* target = _matrices[static_cast<int>(kind)];
    if (!_window || std::memcmp(target, matrix, 16 * sizeof(float)) == 0)
        return;
    Flush();
    std::memcpy(target, matrix, 16 * sizeof(float));
    _matricesDirty = true;
}

void GlDevice::SetViewport(int x, int y, int w, int h, float minZ, float maxZ)
{
    if (!_window)
        return;
    if (x == _vpX && y == _vpY && w == _vpW && h == _vpH && minZ == _vpMinZ && maxZ == _vpMaxZ)
        return;
    Flush();
    _vpX = x;
    _vpY = y;
    _vpW = w;
    _vpH = h;
    _vpMinZ = minZ;
    _vpMaxZ = maxZ;
    ApplyViewport();
}

void GlDevice::SetClip(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        w = h = 0;
    if (x == _clipX && y == _clipY && w == _clipW && h == _clipH)
        return;
    if (!_window)
        return;
    Flush();
    _clipX = x;
    _clipY = y;
    _clipW = w;
    _clipH = h;
    ApplyClip();
}

void GlDevice::ApplyClip()
{
    if (_clipW <= 0) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    int sx, sy, sw, sh;
    ScreenRect(sx, sy, sw, sh);
    const double kx = sw / 800.0, ky = sh / 600.0;
    const int left = sx + static_cast<int>(_clipX * kx + 0.5);
    const int bottom = sy + static_cast<int>((600 - _clipY - _clipH) * ky + 0.5);
    glScissor(left, bottom, static_cast<int>(_clipW * kx + 0.5), static_cast<int>(_clipH * ky + 0.5));
    glEnable(GL_SCISSOR_TEST);
}

void GlDevice::ScreenRect(int& x, int& y, int& w, int& h) const
{
    int dw = 800, dh = 600;
    if (_window)
        SDL_GL_GetDrawableSize(_window, &dw, &dh);
    if (dw == 800 && dh == 600) {
        x = y = 0;
        w = 800;
        h = 600;
        return;
    }
    const double scale = std::min(dw / 800.0, dh / 600.0);
    w = static_cast<int>(800.0 * scale + 0.5);
    h = static_cast<int>(600.0 * scale + 0.5);
    x = (dw - w) / 2;
    y = (dh - h) / 2;
}

void GlDevice::ApplyViewport()
{
    int sx, sy, sw, sh;
    ScreenRect(sx, sy, sw, sh);
    const double kx = sw / 800.0, ky = sh / 600.0;
    const int left = sx + static_cast<int>(_vpX * kx + 0.5);
    const int bottom = sy + static_cast<int>((600 - _vpY - _vpH) * ky + 0.5);
    glViewport(left, bottom, static_cast<int>(_vpW * kx + 0.5), static_cast<int>(_vpH * ky + 0.5));
    glDepthRange(_vpMinZ, _vpMaxZ);
    // The projection's half-pixel compensation depends on the viewport size.
    _matricesDirty = true;
}

void GlDevice::ApplyTransforms()
{
    if (!_matricesDirty)
        return;
    _matricesDirty = false;
    const float* world = _matrices[static_cast<int>(TransformKind::World)];
    const float* view = _matrices[static_cast<int>(TransformKind::View)];
    const float* projection = _matrices[static_cast<int>(TransformKind::Projection)];
    const float* texture = _matrices[static_cast<int>(TransformKind::Texture)];

    // Row-vector matrices read column-major are their own transposes, so
    // v x W x V x P becomes P' V' W' v.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Pixel centres sit half a pixel apart in the two conventions.
    glTranslatef(1.0f / static_cast<float>(_vpW > 0 ? _vpW : 1), 1.0f / static_cast<float>(_vpH > 0 ? _vpH : 1),
                 0.0f);
    // z from 0..1 to -1..1.
    float remap[16];
    SetIdentity(remap);
    remap[10] = 2.0f;
    remap[14] = -1.0f;
    glMultMatrixf(remap);
    glMultMatrixf(projection);

    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(view);
    glMultMatrixf(world);

    // (u, v, 1, 0) x T with the translation in the third row; GL transforms
    // (s, t, 0, 1), so that row moves to the fourth and q stays 1.
    float t[16];
    SetIdentity(t);
    t[0] = texture[0];
    t[1] = texture[1];
    t[4] = texture[4];
    t[5] = texture[5];
    t[12] = texture[8];
    t[13] = texture[9];
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(t);
    glMatrixMode(GL_MODELVIEW);
}

unsigned GlDevice::CreateTexture(int width, int height, bool hasAlpha, const void* pixels)
{
    if (!_window || width <= 0 || height <= 0)
        return 0;
    Flush();
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, hasAlpha ? GL_RGBA8 : GL_RGB8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels);
    const bool failed = glGetError() != GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, _boundTexture);
    if (failed) {
        glDeleteTextures(1, &name);
        return 0;
    }
    _textures[name] = TextureParams();
    return name;
}

void GlDevice::DeleteTexture(unsigned texture)
{
    if (!_window || _textures.erase(texture) == 0)
        return;
    Flush();
    if (_boundTexture == texture) {
        _boundTexture = 0;
        _boundParams = nullptr;
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    GLuint name = texture;
    glDeleteTextures(1, &name);
}

void GlDevice::BindTexture(unsigned texture, TextureAddress address, bool linear, bool alphaOnly)
{
    if (!_window)
        return;
    const int combine = alphaOnly ? 1 : 0;
    // The same texture bound the same way again (the common case between quads).
    if (_textureEnabled && _boundTexture == texture && _boundParams && _boundParams->address == address &&
        _boundParams->linear == linear && _combine == combine)
        return;
    auto found = _textures.find(texture);
    if (found == _textures.end()) {
        SetTexture(0);
        return;
    }
    TextureParams& params = found->second;
    Flush();
    _boundParams = &params;
    if (!_textureEnabled) {
        glEnable(GL_TEXTURE_2D);
        _textureEnabled = true;
    }
    if (_boundTexture != texture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        _boundTexture = texture;
    }
    if (params.address != address) {
        const GLint wrap = GlWrap(address);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        params.address = address;
    }
    if (params.linear != linear) {
        const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        params.linear = linear;
    }
    if (_combine != combine) {
        _combine = combine;
        if (alphaOnly) {
            // Colour: vertex x vertex; alpha: texture x vertex.
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
            glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
            glTexEnvi(GL_TEXTURE_ENV, GL_SRC0_RGB, GL_PRIMARY_COLOR);
            glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
            glTexEnvi(GL_TEXTURE_ENV, GL_SRC1_RGB, GL_PRIMARY_COLOR);
            glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
            glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_MODULATE);
            glTexEnvi(GL_TEXTURE_ENV, GL_SRC0_ALPHA, GL_TEXTURE);
            glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
            glTexEnvi(GL_TEXTURE_ENV, GL_SRC1_ALPHA, GL_PRIMARY_COLOR);
            glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, GL_SRC_ALPHA);
        } else {
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        }
    }
}

void GlDevice::SetTexture(unsigned texture)
{
    if (!_window)
        return;
    const bool known = texture != 0 && _textures.count(texture) != 0;
    if (!known) {
        if (_textureEnabled) {
            Flush();
            glDisable(GL_TEXTURE_2D);
            _textureEnabled = false;
        }
        return;
    }
    if (_textureEnabled && _boundTexture == texture)
        return;
    Flush();
    if (!_textureEnabled) {
        glEnable(GL_TEXTURE_2D);
        _textureEnabled = true;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    _boundTexture = texture;
    _boundParams = &_textures[texture];
}

unsigned GlDevice::CreateVertexBuffer(unsigned vertexCount)
{
    if (!_window)
        return 0;
    GLuint name = 0;
    glGenBuffers(1, &name);
    glBindBuffer(GL_ARRAY_BUFFER, name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexCount) * sizeof(Vertex), nullptr, GL_DYNAMIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    _buffers[name].shadow.resize(vertexCount);
    return name;
}

void GlDevice::UploadVertexBuffer(unsigned buffer, const Vertex* vertices, unsigned count)
{
    auto found = _buffers.find(buffer);
    if (!_window || found == _buffers.end())
        return;
    count = std::min<unsigned>(count, static_cast<unsigned>(found->second.shadow.size()));
    if (count == 0)
        return;
    std::copy(vertices, vertices + count, found->second.shadow.begin());
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(count) * sizeof(Vertex), vertices);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void GlDevice::DrawVertexBuffer(unsigned buffer, unsigned triangleCount)
{
    auto found = _buffers.find(buffer);
    if (!_window || found == _buffers.end() || triangleCount == 0)
        return;
    Flush();
    const unsigned count = std::min<unsigned>(triangleCount * 3, static_cast<unsigned>(found->second.shadow.size()));
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    DrawArrays(GL_TRIANGLES, nullptr, count);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void GlDevice::DeleteVertexBuffer(unsigned buffer)
{
    if (!_window || _buffers.erase(buffer) == 0)
        return;
    Flush();
    GLuint name = buffer;
    glDeleteBuffers(1, &name);
    // The arrays may have pointed into it.
    _arrayBase = ~std::uintptr_t(0);
}

void GlDevice::Clear(std::uint32_t argb, float depth)
{
    if (!_window)
        return;
    Flush();
    // The drawable may have changed size (a display-mode switch).
    ApplyViewport();
    glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                 ((argb >> 24) & 0xFF) / 255.0f);
    glClearDepth(depth);
    glDepthMask(GL_TRUE);
    if (_clipW > 0)
        glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (_clipW > 0)
        ApplyClip();
    glDepthMask(_depthWrite == 1 ? GL_TRUE : GL_FALSE);
}

void GlDevice::DrawQuad(const Vertex* c)
{
    if (!_window)
        return;
    std::size_t used = _batch.size();
    if (used + 6 > kBatchVertexLimit) {
        Flush();
        used = 0;
    }
    _batch.resize(used + 6);
    Vertex* out = _batch.data() + used;
    out[0] = c[0];
    out[1] = c[1];
    out[2] = c[2];
    out[3] = c[2];
    out[4] = c[1];
    out[5] = c[3];
}

void GlDevice::DrawTriangleStrip(const Vertex* vertices, unsigned primitiveCount)
{
    if (!_window || primitiveCount == 0)
        return;
    Flush();
    DrawArrays(GL_TRIANGLE_STRIP, vertices, primitiveCount + 2);
}

void GlDevice::DrawTriangleList(const Vertex* vertices, unsigned triangleCount)
{
    if (!_window || triangleCount == 0)
        return;
    Flush();
    DrawArrays(GL_TRIANGLES, vertices, triangleCount * 3);
}

void GlDevice::Flush()
{
    if (_batch.empty())
        return;
    DrawArrays(GL_TRIANGLES, _batch.data(), static_cast<unsigned>(_batch.size()));
    _batch.clear();
}

void GlDevice::DrawArrays(unsigned mode, const Vertex* vertices, unsigned count)
{
    ApplyTransforms();
    // With a bound buffer (vertices null) the pointers are offsets into it.
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(vertices);
    GLint boundBuffer = 0;
    if (!vertices)
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &boundBuffer);
    // Pointing the arrays anew costs the driver a re-validation: only on change.
    if (base != _arrayBase || static_cast<unsigned>(boundBuffer) != _arrayBuffer) {
        _arrayBase = base;
        _arrayBuffer = static_cast<unsigned>(boundBuffer);
        auto field = [base](std::size_t offset) { return reinterpret_cast<const void*>(base + offset); };
        glVertexPointer(3, GL_FLOAT, sizeof(Vertex), field(offsetof(Vertex, x)));
        glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, sizeof(Vertex), field(offsetof(Vertex, diffuse)));
        glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), field(offsetof(Vertex, u)));
    }
    const bool fog = _fog == 1;
    if (fog) {
        // Table fog runs along the projected depth: one coordinate per vertex.
        const Vertex* source = vertices;
        if (!source) {
            GLint bound = 0;
            glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
            auto found = _buffers.find(static_cast<unsigned>(bound));
            source = found != _buffers.end() ? found->second.shadow.data() : nullptr;
        }
        float wv[16], wvp[16];
        Multiply(_matrices[static_cast<int>(TransformKind::World)], _matrices[static_cast<int>(TransformKind::View)],
                 wv);
        Multiply(wv, _matrices[static_cast<int>(TransformKind::Projection)], wvp);
        _fogCoords.resize(count);
        for (unsigned i = 0; i < count; ++i) {
            float z = 0.0f;
            if (source) {
                const Vertex& v = source[i];
                const float zc = v.x * wvp[2] + v.y * wvp[6] + v.z * wvp[10] + wvp[14];
                const float wc = v.x * wvp[3] + v.y * wvp[7] + v.z * wvp[11] + wvp[15];
                z = wc != 0.0f ? zc / wc : zc;
            }
            _fogCoords[i] = z;
        }
        GLint bound = 0;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glEnableClientState(GL_FOG_COORD_ARRAY);
        glFogCoordPointer(GL_FLOAT, 0, _fogCoords.data());
        glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(bound));
    }
    glDrawArrays(mode, 0, static_cast<GLsizei>(count));
    if (fog)
        glDisableClientState(GL_FOG_COORD_ARRAY);
    ++_drawCalls;
}

void GlDevice::ReleaseAll()
{
    if (!_window)
        return;
    Flush();
    for (auto& entry : _textures) {
        GLuint name = entry.first;
        glDeleteTextures(1, &name);
    }
    _textures.clear();
    _boundTexture = 0;
    _boundParams = nullptr;
    for (auto& entry : _buffers) {
        GLuint name = entry.first;
        glDeleteBuffers(1, &name);
    }
    _buffers.clear();
    _arrayBase = ~std::uintptr_t(0);
}

void GlDevice::Shutdown()
{
    ReleaseAll();
    _window = nullptr;
    _batch.clear();
}

std::vector<std::uint8_t> GlDevice::ReadPixels(int x, int y, int w, int h)
{
    std::vector<std::uint8_t> pixels;
    if (!_window || w <= 0 || h <= 0)
        return pixels;
    Flush();
    glFinish();
    pixels.resize(static_cast<std::size_t>(w) * h * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<std::uint8_t> GlDevice::ReadPicture(int w, int h)
{
    const std::vector<std::uint8_t> bottomUp = ReadPixels(0, 0, w, h);
    std::vector<std::uint8_t> topDown(bottomUp.size());
    if (topDown.empty())
        return topDown;
    const std::size_t row = static_cast<std::size_t>(w) * 4;
    for (int y = 0; y < h; ++y)
        std::copy_n(&bottomUp[static_cast<std::size_t>(h - 1 - y) * row], row, &topDown[y * row]);
    for (std::size_t i = 3; i < topDown.size(); i += 4)
        topDown[i] = 255;
    return topDown;
}

} // namespace backend
