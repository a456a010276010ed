#include "gui/widgets/Animation.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/StringUtils.h"
#include "gui/controllers/AnimationPlayer.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/WidgetElements.h"

#include <tinyxml.h>

#include <vector>

namespace {

const char* const kPlayError = "Animation play error";

} // namespace

Animation::Animation(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    visible = false;
    ignoresMouse = true;
    for (const TiXmlElement* child = element->FirstChildElement("position"); child;
         child = child->NextSiblingElement("position"))
        ReadWidgetPosition(*this, child);
}

Animation::~Animation()
{
    kernel.StopControllersOf(this);
}

void Animation::MouseDoubleClick(const Point&) {}

void Animation::Draw()
{
    if (!visible || !picture)
        return;
    picture->Bind();
    g_renderDevice.DrawRect(position.x, position.y, picture->textureWidth, picture->textureHeight);
}

void Animation::Reset() {}

void Animation::AcceptMessage(const Message& message)
{
    if (message.publisher != "Play")
        return;
    std::vector<std::string> words;
    SplitString(message.data, words, " /\t:,()");
    if (words.size() < 2) {
        LogError(kPlayError, name + ": \"" + message.data + "\" names no animation and frame time; not played.");
        return;
    }
    ResourceEntry<FrameSequence>* entry = g_resourceManager.FindFrameAnimation(words[0]);
    if (!entry || !entry->object || entry->object->frames.empty()) {
        LogError(kPlayError, name + ": there is no frame animation \"" + words[0] + "\"; not played.");
        return;
    }
    const float frameTime = StringToFloat(words[1]);
    if (!(frameTime > 0.0f)) {
        LogError(kPlayError, name + ": the frame time \"" + words[1] + "\" is not above 0; not played.");
        return;
    }
    visible = true;
    kernel.AddController(new AnimationPlayer(this, &picture, entry->object.get(), frameTime, false));
}
