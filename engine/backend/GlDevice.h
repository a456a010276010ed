#pragma once

// The render device's OpenGL 2.1 side. The engine's RenderDevice decides what
// is drawn and with which states; this layer only translates those states
// and draws into the current context:
// - matrices are the engine's row-vector matrices, loaded on the same memory;
//   the projection's z range 0..1 is remapped to GL's -1..1 and the half
//   pixel between the two pixel-centre conventions is compensated here once;
// - the texture matrix keeps its translation in the third row and is moved
//   to the fourth when it is loaded;
// - viewports come with y counted from the top of the 800 x 600 screen and
//   are scaled (and letterboxed) to the drawable;
// - consecutive quads drawn with unchanged states go out as one draw call.
// A GL context is never lost. Objects are tracked so that ReleaseAll can free
// every one of them while the context is still current; after that, deleting
// does nothing.

#include "engine/backend/TextureAddress.h"
#include "engine/render/Vertex.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct SDL_Window;

namespace backend {

enum class BlendFactor { Zero, One, SrcAlpha, InvSrcAlpha };

enum class TransformKind { World, View, Projection, Texture };

class GlDevice {
public:
    GlDevice() = default;
    GlDevice(const GlDevice&) = delete;
    GlDevice& operator=(const GlDevice&) = delete;

    // The window's context must be current. Sets the fixed parts of the GL
    // state (client arrays, swap interval).
    void Init(SDL_Window* window);
    bool IsReady() const { return _window != nullptr; }

    void AdapterStrings(std::string& vendor, std::string& renderer, std::string& version) const;
    // Whether textures may have any size (OpenGL 2.0 and later, or the
    // extension for it); false without a window.
    bool HasNonPowerOfTwoTextures() const;

    // Render states.
    void EnableDepthTest(bool on);
    void SetDepthFuncLessEqual();
    void EnableDepthWrite(bool on);
    void EnableAlphaTestAlways(bool on);
    void EnableBlend(bool on);
    void SetBlendFunc(BlendFactor source, BlendFactor destination);
    void EnableFog(bool on);
    // Linear fog along the projected depth (0 near .. 1 far).
    void SetLinearFog(float start, float end, std::uint32_t argb);

    // Transforms: 16 floats, row-major, row vectors.
    void SetTransform(TransformKind kind, const float* matrix);
    // Logical viewport (800 x 600 screen, y from the top), depth range.
    void SetViewport(int x, int y, int w, int h, float minZ, float maxZ);
    // Drawing is cut to a logical rectangle (800 x 600 screen, y from the
    // top); a width or height of 0 or less draws everywhere again. Clearing
    // the screen is never cut.
    void SetClip(int x, int y, int w, int h);

    // Textures: BGRA pixels, the first row is v = 0. Returns 0 on failure.
    unsigned CreateTexture(int width, int height, bool hasAlpha, const void* pixels);
    void DeleteTexture(unsigned texture);
    // Binds with its sampling (the address mode is set on the texture before
    // it is bound) and the colour source: texture x vertex, or (alphaOnly)
    // colour from the vertex and alpha texture x vertex.
    void BindTexture(unsigned texture, TextureAddress address, bool linear, bool alphaOnly);
    // Binds again without touching sampling or colour source; 0 draws untextured.
    void SetTexture(unsigned texture);

    // Vertex buffers.
    unsigned CreateVertexBuffer(unsigned vertexCount);
    void UploadVertexBuffer(unsigned buffer, const Vertex* vertices, unsigned count);
    void DrawVertexBuffer(unsigned buffer, unsigned triangleCount);
    void DeleteVertexBuffer(unsigned buffer);

    // Drawing.
    void Clear(std::uint32_t argb, float depth);
    // Four corners bottom-left, bottom-right, top-left, top-right (a strip).
    void DrawQuad(const Vertex* corners);
    void DrawTriangleStrip(const Vertex* vertices, unsigned primitiveCount);
    // Three vertices per triangle.
    void DrawTriangleList(const Vertex* vertices, unsigned triangleCount);
    // Sends what is batched.
    void Flush();

    // Frees every texture and buffer made here; later deletes do nothing.
    void ReleaseAll();
    // Forgets the window (after its context has gone).
    void Shutdown();

    // Pixels of the drawable, RGBA, rows from the bottom, in drawable pixels.
    std::vector<std::uint8_t> ReadPixels(int x, int y, int w, int h);
    // The drawable's lower-left w x h as a picture: RGBA, rows from the top,
    // every pixel opaque (for screenshots).
    std::vector<std::uint8_t> ReadPicture(int w, int h);
    // Where the 800 x 600 screen sits in the drawable.
    void ScreenRect(int& x, int& y, int& w, int& h) const;

    int QuadsFlushed() const { return _drawCalls; }
    // Textures made here and not yet deleted.
    std::size_t TextureCount() const { return _textures.size(); }

private:
    void ApplyViewport();
    void ApplyClip();
    void ApplyTransforms();
    void DrawArrays(unsigned mode, const Vertex* vertices, unsigned count);

    SDL_Window* _window = nullptr;

    // Cached states (a change flushes the batch).
    int _depthTest = -1, _depthWrite = -1, _alphaTest = -1, _blend = -1, _fog = -1;
    bool _depthFuncSet = false;
    BlendFactor _blendSrc = BlendFactor::One, _blendDst = BlendFactor::Zero;
    bool _blendFuncSet = false;
    float _fogStart = 0.0f, _fogEnd = 1.0f;

    float _matrices[4][16];
    bool _matricesDirty = true;

    int _vpX = 0, _vpY = 0, _vpW = 800, _vpH = 600;
    int _clipX = 0, _clipY = 0, _clipW = 0, _clipH = 0; // no clip while the width or height is 0
    float _vpMinZ = 0.0f, _vpMaxZ = 1.0f;

    unsigned _boundTexture = 0;
    bool _textureEnabled = false;
    struct TextureParams {
        TextureAddress address = TextureAddress::Wrap;
        bool linear = false;
    };
    std::unordered_map<unsigned, TextureParams> _textures; // nodes: pointers stay valid
    TextureParams* _boundParams = nullptr;
    int _combine = -1; // 0 modulate, 1 alpha only

    struct Buffer {
        std::vector<Vertex> shadow; // for fog coordinates
    };
    std::unordered_map<unsigned, Buffer> _buffers;

    // Where the vertex arrays point: memory, or an offset into a buffer.
    std::uintptr_t _arrayBase = ~std::uintptr_t(0);
    unsigned _arrayBuffer = 0;
    std::vector<Vertex> _batch;
    std::vector<float> _fogCoords;
    int _drawCalls = 0;
};

} // namespace backend
