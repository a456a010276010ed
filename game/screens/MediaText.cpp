#include "game/screens/MediaText.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/MathFunctions.h"

#include <algorithm>

MediaText::MediaText(const TiXmlElement* textElement) : text(textElement)
{
    for (int i = 0; i <= 10; ++i) {
        const float factor = 1.0f + 0.05f * static_cast<float>(i);
        xScale.addKey(factor);
        yScale.addKey(factor);
    }
    alpha.addKey(0.0f);
    for (int i = 0; i < 15; ++i)
        alpha.addKey(255.0f);
    for (const float fading : {240.0f, 220.0f, 180.0f, 0.0f})
        alpha.addKey(fading);
    xScale.CalculateGradient(false);
    yScale.CalculateGradient(false);
    alpha.CalculateGradient(false);
}

int MediaText::Alpha() const
{
    // The curve may swing a little past its keys: held to a byte.
    return std::clamp(static_cast<int>(alpha.getGlobalFrame(Progress())), 0, 255);
}

float MediaText::ScaleX() const
{
    return xScale.getGlobalFrame(Progress());
}

float MediaText::ScaleY() const
{
    return yScale.getGlobalFrame(Progress());
}

std::vector<Vertex> MediaText::LayoutLine(const TextResourceLine& line, float y) const
{
    RenderDevice& device = g_renderDevice;
    device.SelectFont(line.font);
    if (!device.CurrentFont())
        return {};
    device.LayoutText(line.text);
    const std::vector<Vertex>& glyphs = device.GlyphVertices();
    const std::size_t count = std::min(glyphs.size(), static_cast<std::size_t>(device.GlyphCount()) * 6);
    const float left = static_cast<float>(centreX) - static_cast<float>(device.LaidOutWidth() / 2) * line.scale;
    const float zoomX = static_cast<float>(centreX);
    const float zoomY = static_cast<float>(centreY) + static_cast<float>(text.height) / 2.0f;
    const float sx = ScaleX();
    const float sy = ScaleY();
    const std::uint32_t colour = Color(static_cast<std::uint8_t>(Alpha())).ToArgb();
    std::vector<Vertex> placed(glyphs.begin(), glyphs.begin() + static_cast<std::ptrdiff_t>(count));
    for (Vertex& v : placed) {
        const float x = left + v.x * line.scale;
        const float vy = y + v.y * line.scale;
        v.x = zoomX + (x - zoomX) * sx;
        v.y = zoomY + (vy - zoomY) * sy;
        v.diffuse = colour;
    }
    return placed;
}

void MediaText::ForEachLine(const std::function<void(std::vector<Vertex>)>& use) const
{
    float y = static_cast<float>(centreY);
    for (std::size_t i = text.lines.size(); i-- > 0;) {
        const TextResourceLine& line = text.lines[i];
        use(LayoutLine(line, y));
        // The line above stands one of this line's heights higher.
        y += static_cast<float>(TruncateToInt(static_cast<float>(line.lineHeight) * line.scale));
    }
}

std::vector<std::vector<Vertex>> MediaText::Layout() const
{
    std::vector<std::vector<Vertex>> lines;
    ForEachLine([&lines](std::vector<Vertex> glyphs) { lines.push_back(std::move(glyphs)); });
    return lines;
}

void MediaText::Draw() const
{
    // Each line is drawn while its own font is bound.
    ForEachLine([](std::vector<Vertex> glyphs) { g_renderDevice.DrawTriangleList(glyphs); });
    g_renderDevice.ResetColor();
}
