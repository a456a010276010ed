#include "gui/FontAccess.h"

#include "engine/render/RenderDevice.h"
#include "gui/TextResource.h"

#include <vector>

namespace {

FontMetricsSource* g_metricsSource = nullptr;

} // namespace

void SetFontMetricsSource(FontMetricsSource* source)
{
    g_metricsSource = source;
}

int FontLineHeight(const std::string& font)
{
    if (g_metricsSource)
        return g_metricsSource->LineHeight(font);
    const RenderFont* table = g_renderDevice.FindFont(font);
    return table ? static_cast<int>(table->height) : 0;
}

int FontTextWidth(const std::string& text, const std::string& font)
{
    if (g_metricsSource)
        return g_metricsSource->TextWidth(text, font);
    return g_renderDevice.FindFont(font) ? g_renderDevice.TextWidthInFont(text, font) : 0;
}

void DrawFontString(const std::string& font, const Point& p, const std::string& text, float scale, int align)
{
    if (text.empty())
        return;
    g_renderDevice.SelectFont(font);
    g_renderDevice.DrawString(p.x, p.y, text, scale, align, false);
}

void DrawTextBlock(const Point& p, const TextResource& block)
{
    std::vector<TextLine> lines;
    lines.reserve(block.lines.size());
    for (const TextResourceLine& line : block.lines) {
        TextLine run;
        run.text = line.text;
        run.font = line.font;
        run.height = line.lineHeight;
        run.scale = line.scale;
        run.color = line.color.ToArgb();
        lines.push_back(run);
    }
    g_renderDevice.DrawTextRuns(p, lines);
}
