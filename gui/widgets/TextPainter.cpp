#include "gui/widgets/TextPainter.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/RenderFont.h"

namespace {

// The render device's bitmap fonts.
class DeviceTextPainter : public TextPainter {
public:
    void SelectFont(const std::string& font) override { g_renderDevice.SelectFont(font); }
    void DrawString(int x, int y, const std::string& text, float scale, int align, bool centreVertically) override
    {
        g_renderDevice.DrawString(x, y, text, scale, align, centreVertically);
    }
    int TextWidth(const std::string& text, const std::string& font) override
    {
        return g_renderDevice.TextWidthInFont(text, font);
    }
    int FontHeight(const std::string& font) override
    {
        const RenderFont* table = g_renderDevice.LookUpFont(font);
        return table ? static_cast<int>(table->height) : 0;
    }
    bool HasGlyph(const std::string& font, unsigned char code) override
    {
        const RenderFont* table = g_renderDevice.LookUpFont(font);
        return table && table->hasGlyph[code];
    }
};

DeviceTextPainter g_devicePainter;
TextPainter* g_installedPainter = nullptr;

} // namespace

TextPainter& WidgetTextPainter()
{
    return g_installedPainter ? *g_installedPainter : g_devicePainter;
}

void InstallTextPainter(TextPainter* painter)
{
    g_installedPainter = painter;
}
