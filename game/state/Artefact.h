#pragma once

// An artefact: the full picture of a stage's treasure and the pieces it is
// cut into, each with its place in the full picture. Pictures are files
// named after the artefact's path: path + "full.png", path + n + ".png" for
// piece n counted from 1.

#include "engine/render/Texture.h"
#include "engine/util/Color.h"
#include "engine/util/Point.h"

#include <deque>
#include <string>

struct ArtefactElement {
    int x = 0;
    int y = 0;
    Texture texture;
    int width = 0;  // the file's value + 4
    int height = 0; // the file's value + 4
};

// One copy of a piece's halo (DrawElementGlowing): its colour, its alpha
// (skipped when the low byte is 0), its square's corner and side.
struct ArtefactGlowLayer {
    Color color;
    int alpha = 0;
    bool skipped = false;
    float x = 0.0f;
    float y = 0.0f;
    float side = 0.0f;
};

class Artefact {
public:
    Artefact();
    Artefact(const Artefact&) = delete;
    Artefact& operator=(const Artefact&) = delete;

    std::string FullPictureName() const { return path + "full.png"; }
    // Piece n counted from 1.
    std::string ElementPictureName(int n) const { return path + std::to_string(n) + ".png"; }

    void UploadTexture();
    void ReleaseTexture();
    void UploadElements();
    void ReleaseElements();

    // 256 x 256 at the point.
    void DrawFull(const Point& p);
    // Piece i as a 64 x 64 quad at (x, y).
    void DrawElement(int i, int x, int y);
    // The same as a silhouette in the current colour.
    void DrawElementHighlighted(int i, int x, int y);
    // Piece i at its own place from a base point.
    void DrawElementAt(int i, const Point& base);
    // A halo of 15 additive coloured copies of piece i.
    void DrawElementGlowing(int i, float x, float y, float t, int alpha, float growth, float dx, float dy);

    // Layer j of the halo of a piece of stored size w x h (see
    // DrawElementGlowing); g is that layer's growth term.
    static ArtefactGlowLayer GlowLayer(int j, float g, float x, float y, float t, int alpha, float dx, float dy,
                                       int w, int h);

    // Pieces live in a deque: adding one never moves the others' textures.
    std::deque<ArtefactElement> elements;
    Texture full;
    std::string path;
    bool elementsUploaded = false;

private:
    ArtefactElement* Element(int i);
};

// The glow colours, in order.
extern const Color kArtefactPalette[10];
