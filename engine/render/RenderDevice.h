#pragma once

// The one object through which everything on screen is drawn: render
// states, textures, vertex buffers, the matrix stacks of the 2D view and the
// immediate quad operations. g_renderDevice is built before main and does
// nothing with GL until Init; Release frees every GPU object while the
// context still lives, and the destructor never calls GL.

#include "engine/backend/GlDevice.h"
#include "engine/render/Matrix4.h"
#include "engine/render/Rect.h"
#include "engine/render/Vertex.h"
#include "engine/util/Color.h"
#include "engine/util/Point.h"
#include "engine/util/Vector3.h"

#include <cstdint>
#include <vector>

class Texture;
class VertexBatch;

namespace backend {
class Window;
}

class RenderDevice {
public:
    enum MatrixMode { kWorld = 1, kProjection = 2, kTexture = 3 };

    RenderDevice();
    ~RenderDevice() = default;
    RenderDevice(const RenderDevice&) = delete;
    RenderDevice& operator=(const RenderDevice&) = delete;

    // Device lifetime and frame.
    // Takes over the window's current context: default states, shared batches.
    void Init(backend::Window& window);
    // Frees every GPU object while the context lives; nothing draws afterwards.
    void Release();
    // Default states and identity world, projection and texture matrices.
    void Restore();
    // The device side of a display-mode switch.
    void SetWindowed(int windowed);
    // A GL context is never lost.
    bool CheckDeviceLost() { return false; }
    // Clear to 0xFF3C3C3C and depth 1.
    void BeginFrame();
    // Sends what is batched; the window presents.
    void EndFrame();
    // The adapter lines of the log (vendor, renderer, version).
    void LogAdapterInfo();
    int IsWindowed() const;
    bool IsInitialized() const { return initialized; }

    // Render state switches.
    void SetBlendMode(int mode);
    void EnableAlphaBlend(bool on);
    void EnableFog(bool on);
    void EnableTexture(bool on);
    void SetColor(const Color& c);
    void SetAlpha(std::uint8_t a);
    void ResetColor() { color = 0xFFFFFFFFu; }
    std::uint32_t CurrentColor() const { return color; }

    // Textures (the device halves of Texture's operations).
    void CreateTexture(Texture& texture);
    void BindTexture(const Texture& texture);
    void BindTextureAlphaOnly(const Texture& texture);
    void ReleaseTexture(Texture& texture);

    // Vertex buffers.
    void CreateVertexBuffer(VertexBatch& batch, std::uint32_t n);
    void UploadVertexBuffer(VertexBatch& batch);
    void DrawVertexBuffer(const VertexBatch& batch);
    void DrawStripZTest(const VertexBatch& batch);
    void ReleaseVertexBuffer(VertexBatch& batch);

    // Matrix stacks and views.
    void SetMatrixMode(int mode);
    int GetMatrixMode() const { return matrixMode; }
    void PushMatrix();
    void PopMatrix();
    void LoadIdentity();
    void Translate(const Vector3& t);
    void Rotate(const Vector3& axis, float degrees);
    void ScaleUniform(float s);
    void Scale(float x, float y, float z);
    void Begin2D();
    void End2D();
    void SetCamera2D(float w, float h);
    void BeginViewport2D(int x, int y, int w, int h);
    void SetFullViewport();
    void SetPerspectiveOffCenter(float left, float right, float bottom, float top, float zNear, float zFar);
    static Point ToScreenPoint(const Point& p) { return Point(p.x, 600 - p.y); }
    // The device's current transform of a mode (1 world, 2 projection,
    // 3 texture; anything else gives the view).
    const Matrix4& GetTransform(int mode) const;

    // Quads.
    void DrawRect(int x, int y, int w, int h);
    void DrawRect(const Rect& r);
    void DrawRectUV(const Rect& r, float uLeft, float uRight, float vBottom, float vTop);
    void DrawRectPartial(int x, int y, int w, int h, float uMax, float vMax);
    void DrawRectInset(float x, float y, float w, float h, float t);
    void DrawRectOriented(const Rect& r, int orientation);
    void DrawRectUVOriented(const Rect& r, float uLeft, float uRight, float vBottom, float vTop, int orientation);
    void DrawQuadUV(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3, float uLeft,
                    float uRight, float vBottom, float vTop);
    void DrawQuadColored(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3, const Color& c0,
                         const Color& c1, const Color& c2, const Color& c3, float uLeft, float uRight, float vBottom,
                         float vTop);

    backend::GlDevice& Gl() { return gl; }

private:
    void SetDefaultStates();
    void SetTransformState(int mode, const Matrix4& m);
    void MultiplyTransform(int mode, const Matrix4& m);
    std::vector<Matrix4>* StackOf(int mode);
    void DrawCorners(float x0, float y0, float x1, float y1, const float uv[8]);

    backend::GlDevice gl;
    backend::Window* window = nullptr;
    int windowed = 1;
    bool initialized = false;
    std::vector<Matrix4> worldStack, textureStack, projectionStack;
    std::vector<Matrix4>* currentStack;
    int matrixMode = kWorld;
    std::uint32_t color = 0xFFFFFFFFu;
    unsigned lastTexture = 0;
    Matrix4 world, view, projection, texture;
    int viewport[4] = {0, 0, 800, 600};
};

extern RenderDevice g_renderDevice;
