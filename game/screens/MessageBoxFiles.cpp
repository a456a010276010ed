#include "game/screens/MessageBoxFiles.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"

#include <tinyxml.h>

namespace {

const char* const kCheckBoxName = "MessageBoxBtn1";
const char* const kButtonName = "MessageBoxBtn2";

} // namespace

std::unique_ptr<TextBlock> LoadMessageText(const std::string& fileName, const std::string& messageName)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        LogError(fileName, "Can't load the messages: the message \"" + messageName + "\" has no text");
        return nullptr;
    }
    for (const TiXmlElement* message = document.RootElement()->FirstChildElement("Message"); message;
         message = message->NextSiblingElement("Message")) {
        std::string name;
        if (!ReadStringAttribute(message, "name", name) || name != messageName)
            continue;
        const TiXmlElement* text = message->FirstChildElement("Text");
        if (!text)
            LogError(fileName, "The message \"" + messageName + "\" has no \"Text\"");
        return text ? std::make_unique<TextBlock>(text) : nullptr;
    }
    LogError(fileName, "There is no message \"" + messageName + "\"");
    return nullptr;
}

MessageBoxButtons LoadMessageBoxButtons(const std::string& fileName)
{
    MessageBoxButtons buttons;
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        LogError(fileName, "Can't load the message box's buttons");
        return buttons;
    }
    const TiXmlElement* root = document.RootElement();
    if (const TiXmlElement* element = root->FirstChildElement(kCheckBoxName))
        buttons.checkBox = std::make_unique<CheckBox>(kCheckBoxName, element);
    if (const TiXmlElement* element = root->FirstChildElement(kButtonName))
        buttons.button = std::make_unique<Button>(kButtonName, element);
    return buttons;
}
