#include "gui/widgets/TextPainter.h"

namespace {

// Until the bitmap fonts arrive there is nothing to draw text with: texts
// are measured as empty and draw nothing.
class DeviceTextPainter : public TextPainter {
public:
    void SelectFont(const std::string&) override {}
    void DrawString(int, int, const std::string&, float, int, bool) override {}
    int TextWidth(const std::string&, const std::string&) override { return 0; }
    int FontHeight(const std::string&) override { return 0; }
    bool HasGlyph(const std::string&, unsigned char) override { return false; }
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
