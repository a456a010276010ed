#pragma once

// Stand-ins for the services widgets use: pictures by "#id", the click
// sample, the widgets of a layer and the text painter, each recording what it
// was asked; and XML elements parsed from text.

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/Message.h"
#include "gui/Widget.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/TextPainter.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// Each call as "SelectFont name" or "DrawString x,y text scale align centred".
class RecordingTextPainter : public TextPainter {
public:
    RecordingTextPainter() { InstallTextPainter(this); }
    ~RecordingTextPainter() override { InstallTextPainter(nullptr); }

    void SelectFont(const std::string& font) override { calls.push_back("SelectFont " + font); }
    void DrawString(int x, int y, const std::string& text, float scale, int align, bool centred) override
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, " %g %d %d", static_cast<double>(scale), align, centred ? 1 : 0);
        calls.push_back("DrawString " + std::to_string(x) + "," + std::to_string(y) + " " + text + buffer);
    }
    // Every drawable character is charWidth wide, a space too.
    int TextWidth(const std::string& text, const std::string&) override
    {
        return static_cast<int>(text.size()) * charWidth;
    }
    int FontHeight(const std::string&) override { return fontHeight; }
    bool HasGlyph(const std::string&, unsigned char code) override { return glyphs.count(code) != 0; }

    std::vector<std::string> calls;
    int charWidth = 10;
    int fontHeight = 20;
    std::map<unsigned char, bool> glyphs;
};

// Pictures registered by "#id", sample plays and layer widgets.
class FakeWidgetServices {
public:
    FakeWidgetServices()
    {
        WidgetServiceHooks hooks;
        hooks.picture = [this](const std::string& name) -> Sprite* {
            pictureLookups.push_back(name);
            const auto found = pictures.find(name);
            return found == pictures.end() ? nullptr : found->second.get();
        };
        hooks.sample = [this](const std::string& name) { samples.push_back(name); };
        hooks.layerWidget = [this](const std::string& layer, const std::string& widget) -> Widget* {
            const auto found = layerWidgets.find(layer + "/" + widget);
            return found == layerWidgets.end() ? nullptr : found->second;
        };
        InstallWidgetServiceHooks(hooks);
        g_messageQueue.clear();
    }
    ~FakeWidgetServices()
    {
        InstallWidgetServiceHooks(WidgetServiceHooks());
        g_messageQueue.clear();
        // Controllers of widgets deleted by now have finished: free them.
        kernel.FlushPending();
        kernel.Update(0.0f);
    }

    // A picture of that image size, padded to powers of two (not uploaded).
    Sprite* AddPicture(const std::string& id, int width, int height)
    {
        auto sprite = std::make_unique<Sprite>();
        sprite->imageWidth = width;
        sprite->imageHeight = height;
        sprite->textureWidth = PowerOfTwo(width);
        sprite->textureHeight = PowerOfTwo(height);
        Sprite* raw = sprite.get();
        pictures[id] = std::move(sprite);
        return raw;
    }

    static int PowerOfTwo(int n)
    {
        int p = 1;
        while (p < n)
            p *= 2;
        return p;
    }

    std::map<std::string, std::unique_ptr<Sprite>> pictures;
    std::vector<std::string> pictureLookups;
    std::vector<std::string> samples;
    std::map<std::string, Widget*> layerWidgets; // "layer/widget"
};

// The root element of the XML text.
class XmlElement {
public:
    explicit XmlElement(const std::string& text) { _document.Parse(text.c_str()); }
    const TiXmlElement* get() const { return _document.RootElement(); }
    operator const TiXmlElement*() const { return get(); }

private:
    TiXmlDocument _document;
};

// The messages posted so far, as "publisher/data/integer", and the queue emptied.
inline std::vector<std::string> TakePosted()
{
    std::vector<std::string> out;
    for (const Message& m : g_messageQueue)
        out.push_back(m.publisher + "/" + m.data + "/" + std::to_string(m.integerParam));
    g_messageQueue.clear();
    return out;
}
