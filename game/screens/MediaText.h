#pragma once

// The animated text of the opening splash: a text block whose lines stand
// centred over the point (400, 200) and, over five seconds, zoom from their
// size to 1.5 times it about one centre while they fade in, hold and fade
// out.

#include "engine/render/Vertex.h"
#include "engine/util/SplinePath.h"
#include "gui/TextResource.h"

#include <functional>
#include <vector>

class TiXmlElement;

class MediaText {
public:
    // The text from a "Text" element (a text block); the curves; time 0.
    explicit MediaText(const TiXmlElement* textElement);

    void Advance(float dt) { time += dt * speed; }
    // The alpha and the two zoom factors at the present time.
    int Alpha() const;
    float ScaleX() const;
    float ScaleY() const;

    // The glyph quads of every line as drawn now (six vertices a glyph), the
    // last line first; each line is laid out in its own font, which is left
    // selected.
    std::vector<std::vector<Vertex>> Layout() const;
    void Draw() const;

    TextBlock text;
    int centreX = 400;
    int centreY = 200;
    int alignment = 2;
    SplinePath<float> xScale;
    SplinePath<float> yScale;
    SplinePath<float> alpha;
    float time = 0.0f;
    float speed = 0.2f;

private:
    float Progress() const { return time < 1.0f ? time : 1.0f; }
    // One line's glyphs, laid out in its font, placed with their base at y
    // and zoomed about the text's centre.
    std::vector<Vertex> LayoutLine(const TextResourceLine& line, float y) const;
    // Lays every line out, the last first, and hands each over while its
    // font is selected.
    void ForEachLine(const std::function<void(std::vector<Vertex>)>& use) const;
};
