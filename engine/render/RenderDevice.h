#pragma once

// The one object through which everything on screen is drawn: render
// states, textures, vertex buffers, the matrix stacks of the 2D view and the
// immediate quad operations. g_renderDevice is built before main and does
// nothing with GL until Init; Release frees every GPU object while the
// context still lives, and the destructor never calls GL.

#include "engine/backend/GlDevice.h"
#include "engine/render/Matrix4.h"
#include "engine/render/Rect.h"
#include "engine/render/TextureCoverage.h"
#include "engine/render/Vertex.h"
#include "engine/util/Color.h"
#include "engine/util/Point.h"
#include "engine/util/Vector3.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/render/RenderFont.h"

class Font;
class Texture;
class VertexBatch;

namespace backend {
class Window;
}

class RenderDevice {
public:
    enum MatrixMode { kWorld = 1, kProjection = 2, kTexture = 3 };

    RenderDevice();
    ~RenderDevice();
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
    // True from Init to Release of the device. Safe to ask at any time, even
    // while the program's globals are being destroyed: a holder that may
    // outlive the device asks before it releases a texture.
    static bool ContextLive();

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
    // Binds of a picture that has a size but is not in video memory (never
    // uploaded, or released): it draws as an untextured white quad. The
    // last such picture is kept for the report of whoever watches.
    int unloadedPictureBinds = 0;
    const Texture* lastUnloadedPicture = nullptr;
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
    // Cuts what is drawn next to a rectangle of the drawing space (y up,
    // (x, y) its lower left corner); ClipOff draws everywhere again.
    void ClipTo(const Rect& r);
    void ClipOff();
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

    // Fonts and text. A font name that was never added selects nothing,
    // draws nothing and measures 0; it is logged once.
    // Keeps the font and enters its table under its name; a name already
    // present keeps its old entry (the new font's texture is freed).
    void AddFont(std::unique_ptr<Font> font);
    // The table of a font, or null (silently).
    const RenderFont* FindFont(const std::string& name) const;
    // The same, logging an unknown name once.
    const RenderFont* LookUpFont(const std::string& name);
    void SelectFont(const std::string& name);
    void SelectFont(const Font& font);
    // Glyph colour from the vertex alone, coverage from the picture's alpha.
    void SelectFontAlphaOnly(const std::string& name);
    void SelectFontAlphaOnly(const Font& font);
    // Lays text out in the current font into the glyph vertex array.
    void LayoutText(const std::string& text);
    // align: 0 left (x is the start), 1 right (x is the end), 2 centred.
    void DrawString(int x, int y, const std::string& text, float scale, int align, bool centreVertically);
    void DrawStringAt(const Point& p, const std::string& text, float scale, int align, bool centreVertically);
    int TextWidth(const std::string& text);
    // The text first, then the font's name.
    int TextWidthInFont(const std::string& text, const std::string& fontName);
    // The lines centred on p.x, going down from p.y, each moved down by its
    // own scaled height before it is drawn.
    void DrawTextRuns(const Point& p, const std::vector<TextLine>& lines);
    // Vertices laid out by the caller, three a triangle, with the bound
    // texture and the current transforms.
    void DrawTriangleList(const std::vector<Vertex>& vertices);
    int GlyphCount() const { return glyphCount; }
    int LaidOutWidth() const { return textWidth; }
    const std::vector<Vertex>& GlyphVertices() const { return glyphVertices; }
    const RenderFont* CurrentFont() const { return currentFont; }

    backend::GlDevice& Gl() { return gl; }

    // Blended quads drawn over only the part of their texture that can
    // change the screen, and opaque ones without blending (on from the
    // start); off, every quad is drawn whole as given. Either way the screen
    // ends the same: the switch is there to compare the two.
    void SetFillSaving(bool on) { fillSaving = on; }
    bool FillSaving() const { return fillSaving; }

private:
    void NoteUnloadedPicture(const Texture& texture);
    void SetDefaultStates();
    void SetTransformState(int mode, const Matrix4& m);
    void MultiplyTransform(int mode, const Matrix4& m);
    std::vector<Matrix4>* StackOf(int mode);
    void DrawCorners(float x0, float y0, float x1, float y1, const float uv[8]);
    // A quad with one colour at its corners and the bound texture.
    void DrawBlendedQuad(const Vertex (&corners)[4]);
    void DrawUnblended(const Vertex (&corners)[4]);
    enum class Trim { Whole, Trimmed, Nothing };
    // Cuts the quad down to where it samples the bound texture's texels of
    // rect. Whole: the quad is not one that can be cut (left as it was);
    // Nothing: it samples none of them.
    Trim TrimQuad(Vertex (&corners)[4], const TexelRect& rect) const;
    // The quad's texels fall one to one on whole pixels of the 2D view.
    bool TexelsOnPixels(const Vertex (&corners)[4]) const;
    void DrawGlyphs();
    float MeasureText(const RenderFont& font, const std::string& text) const;

    backend::GlDevice gl;
    backend::Window* window = nullptr;
    int windowed = 1;
    bool initialized = false;
    std::vector<Matrix4> worldStack, textureStack, projectionStack;
    std::vector<Matrix4>* currentStack;
    int matrixMode = kWorld;
    std::uint32_t color = 0xFFFFFFFFu;
    unsigned lastTexture = 0;
    // What the quads drawn next sample and how they blend.
    struct BoundTexture {
        TextureCoverage coverage;
        bool linear = false;
        backend::TextureAddress address = backend::TextureAddress::Wrap;
        bool alphaOnly = false;
    } bound;
    bool textureOn = false;
    bool blendOn = true;
    int blendMode = 0;
    bool fogOn = false;
    bool fillSaving = true;
    Matrix4 world, view, projection, texture;
    int viewport[4] = {0, 0, 800, 600};

    std::vector<std::unique_ptr<Font>> ownedFonts;
    std::map<std::string, RenderFont> fonts;
    std::set<std::string> reportedMissingFonts;
    const RenderFont* currentFont = nullptr;
    // Six vertices per glyph; grows for long strings.
    std::vector<Vertex> glyphVertices;
    int glyphCount = 0;
    int textWidth = 0;
};

extern RenderDevice g_renderDevice;
