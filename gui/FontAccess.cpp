#include "gui/FontAccess.h"

#include "gui/TextResource.h"

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
    return 0;
}

int FontTextWidth(const std::string& text, const std::string& font)
{
    if (g_metricsSource)
        return g_metricsSource->TextWidth(text, font);
    return 0;
}

void DrawFontString(const std::string&, const Point&, const std::string&, float, int) {}

void DrawTextBlock(const Point&, const TextResource&) {}
