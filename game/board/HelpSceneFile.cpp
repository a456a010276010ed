#include "game/board/HelpSceneFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlFile.h"
#include "game/board/SquareKinds.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>

namespace {

int IntOf(const TiXmlElement* element, const char* name)
{
    const char* text = element->Attribute(name);
    int value = 0;
    if (text)
        std::sscanf(text, "%d", &value);
    return value;
}

float FloatOf(const TiXmlElement* element, const char* name)
{
    const char* text = element->Attribute(name);
    return text ? static_cast<float>(std::atof(text)) : 0.0f;
}

void Complain(const std::string& sceneName, const std::string& what)
{
    WriteLogLine("help.xml, scene \"" + sceneName + "\": " + what + "; skipped");
}

} // namespace

bool ReadHelpScene(const std::string& fileName, const std::string& sceneName, HelpScene& scene)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement())
        return false;
    const TiXmlElement* found = nullptr;
    for (const TiXmlElement* help = document.RootElement()->FirstChildElement("help"); help && !found;
         help = help->NextSiblingElement("help")) {
        const char* name = help->Attribute("name");
        if (name && sceneName == name)
            found = help;
    }
    if (!found)
        return false;

    scene = HelpScene();
    scene.cursor = Point(IntOf(found, "mouse_x"), IntOf(found, "mouse_y"));
    if (const char* state = found->Attribute("state"))
        scene.state = state;

    HelpAction action;
    for (const TiXmlElement* element = found->FirstChildElement("action"); element;
         element = element->NextSiblingElement("action")) {
        const char* text = element->Attribute("name");
        const std::string name = text ? text : "";
        if (name == "mousemove") {
            action.kind = HelpAction::kMouseMove;
            action.duration = FloatOf(element, "duration");
            action.x = IntOf(element, "x");
            action.y = IntOf(element, "y");
        } else if (name == "mousedown") {
            action.kind = HelpAction::kMouseDown;
        } else if (name == "sleep") {
            action.kind = HelpAction::kSleep;
            action.duration = FloatOf(element, "duration");
        } else if (name == "fade") {
            action.kind = HelpAction::kFade;
            action.duration = FloatOf(element, "duration");
            action.alpha = FloatOf(element, "alpha");
        } else {
            Complain(sceneName, "an action named \"" + name + "\" is none of mousemove, mousedown, sleep, fade");
            continue;
        }
        scene.actions.push_back(action);
    }

    for (const TiXmlElement* element = found->FirstChildElement("rnd"); element;
         element = element->NextSiblingElement("rnd")) {
        const char* text = element->Attribute("r");
        int kind = -1;
        if (!text || std::sscanf(text, "%d", &kind) != 1 || !IsSquareKind(kind)) {
            Complain(sceneName, std::string("\"rnd\" r=\"") + (text ? text : "") + "\" is no square kind");
            continue;
        }
        scene.randoms.push_back(kind);
    }
    return true;
}
