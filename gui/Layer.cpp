#include "gui/Layer.h"

#include "gui/InputMap.h"
#include "engine/platform/HtmlLog.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/LayerHandler.h"
#include "gui/ResourceAccess.h"
#include "gui/Widget.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

#include <tinyxml.h>

#include <algorithm>
#include <vector>

namespace {

const int kScreenHeight = 600;

// Text of an element, or empty.
std::string ElementText(const TiXmlElement* element)
{
    const char* text = element->GetText();
    return text ? std::string(text) : std::string();
}

// The layer file an element was read from.
std::string SourceFile(const TiXmlElement& element)
{
    const TiXmlDocument* document = element.GetDocument();
    return document && !document->ValueStr().empty() ? document->ValueStr() : std::string("a layer file");
}

} // namespace

Layer::Layer(const TiXmlElement* element)
{
    Load(element);
}

Layer::~Layer()
{
    for (auto& entry : widgets)
        delete entry.second;
    widgets.clear();
}

void Layer::Load(const TiXmlElement* element)
{
    if (!element)
        return;
    if (const char* layerName = element->Attribute("name"))
        name = layerName;
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string& kind = child->ValueStr();
        if (kind == "Background") {
            LoadBackground(child);
        } else if (kind == "Controls") {
            CreateWidgets(child, std::string());
        } else if (kind == "Handler") {
            if (!ElementText(child).empty())
                handler = std::make_unique<LayerHandler>(this);
        } else if (kind == "Script") {
            const std::string function = ElementText(child);
            if (!function.empty())
                handler = std::make_unique<ScriptHandler>(this, function);
        }
    }
    LinkWidgets();
}

void Layer::LoadBackground(const TiXmlElement* element)
{
    const TiXmlElement* texture = element->FirstChildElement("texture");
    const char* textureName = texture ? texture->Attribute("name") : nullptr;
    OwnedSprite owned;
    background = textureName ? GuiResources::GetTexture(textureName, owned) : nullptr;
    ownedBackground = std::move(owned);
}

void Layer::CreateWidgets(const TiXmlElement* controls, const std::string& parentName)
{
    for (const TiXmlElement* child = controls->FirstChildElement(); child; child = child->NextSiblingElement()) {
        Widget* widget = g_widgetFactory.CreateWidget(child);
        if (!widget) {
            // An unknown kind takes what is nested in it along.
            if (!g_widgetFactory.IsRegistered(child->ValueStr()))
                LogError("GUI file load error", "Unknown widget kind \"" + child->ValueStr() + "\" in " +
                                                    SourceFile(*child) + ", layer \"" + name +
                                                    "\"; it is left out with what it holds");
            continue;
        }
        widget->parentName = parentName;
        const std::string widgetName = widget->name;
        if (!AddWidget(widget)) {
            // The first widget of a name stays; this one is never shown.
            kernel.StopControllersOf(widget);
            delete widget;
        }
        if (const TiXmlElement* nested = child->FirstChildElement("Controls"))
            CreateWidgets(nested, widgetName);
    }
}

void Layer::LinkWidgets()
{
    for (auto& entry : widgets) {
        Widget* child = entry.second;
        if (child->parentName.empty())
            continue;
        const auto found = widgets.find(child->parentName);
        if (found == widgets.end() || found->second == child)
            continue;
        Widget* parent = found->second;
        child->parent = parent;
        // From screen-based to parent-based.
        child->offset.y += parent->rect.h - kScreenHeight;
        child->rect = Rect(child->offset, child->size);
        child->position = child->offset;
        parent->children.push_back(child);
    }
    for (auto& entry : widgets) {
        Widget* child = entry.second;
        if (!child->parent)
            continue;
        child->position = child->offset + child->parent->position;
        child->rect = Rect(child->position, child->size);
    }
}

void Layer::Draw()
{
    if (background) {
        // The picture sits at the bottom-left of its power-of-two texture:
        // it is drawn at its own size with just its part of the texture.
        const Sprite& picture = *background;
        picture.Bind();
        const float u = picture.textureWidth > 0
                            ? static_cast<float>(picture.imageWidth) / static_cast<float>(picture.textureWidth)
                            : 1.0f;
        const float v = picture.textureHeight > 0
                            ? static_cast<float>(picture.imageHeight) / static_cast<float>(picture.textureHeight)
                            : 1.0f;
        g_renderDevice.DrawRectPartial(0, 0, picture.imageWidth, picture.imageHeight, u, v);
    }
    for (auto& entry : widgets)
        if (!entry.second->parent)
            entry.second->DrawAll();
}

bool Layer::CoversScreen() const
{
    if (!background || !background->deviceTexture)
        return false;
    const Sprite& picture = *background;
    const TextureCoverage& coverage = picture.coverage;
    const TexelRect whole{0, 0, picture.imageWidth, picture.imageHeight};
    const bool opaque = coverage.opaque || (coverage.opaqueShown && !picture.linearFilter && coverage.shown == whole);
    return coverage.measured && opaque && picture.imageWidth >= 800 && picture.imageHeight >= kScreenHeight;
}

Widget* Layer::getWidget(const std::string& widgetName) const
{
    const auto found = widgets.find(widgetName);
    return found == widgets.end() ? nullptr : found->second;
}

void Layer::RegisterInput()
{
    for (auto& entry : widgets)
        g_inputWidgets.AddLayerWidget(entry.second);
}

bool Layer::AddWidget(Widget* widget)
{
    if (!widget || widgets.count(widget->name))
        return false;
    widgets.emplace(widget->name, widget);
    widget->layerName = name;
    return true;
}

void Layer::RemoveWidget(const std::string& widgetName)
{
    const auto found = widgets.find(widgetName);
    if (found == widgets.end())
        return;
    Widget* removed = found->second;
    g_inputWidgets.RemoveWidget(removed);

    // The widget and every widget of the layer under it, parents first.
    std::vector<Widget*> doomed{removed};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        for (Widget* child : doomed[i]->children)
            if (getWidget(child->name) == child)
                doomed.push_back(child);

    for (auto& entry : widgets) {
        auto& list = entry.second->children;
        list.erase(std::remove(list.begin(), list.end(), removed), list.end());
    }
    for (Widget* widget : doomed)
        kernel.StopControllersOf(widget);
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        widgets.erase((*it)->name);
        delete *it;
    }
}
