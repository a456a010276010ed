#include "gui/GUIManager.h"

#include "engine/platform/HtmlLog.h"
#include "engine/script/ScriptHost.h"
#include "engine/util/XmlFile.h"
#include "gui/Layer.h"

#include <tinyxml.h>

namespace Core {

GUIManager::GUIManager()
{
    g_stringTable = &strings;
    g_textTable = &texts;
}

GUIManager::~GUIManager()
{
    if (g_stringTable == &strings)
        g_stringTable = nullptr;
    if (g_textTable == &texts)
        g_textTable = nullptr;
    if (g_textVariables == &textVariables)
        g_textVariables = nullptr;
}

Layer* GUIManager::getLayer(const std::string& name) const
{
    const auto found = layers.find(name);
    return found == layers.end() ? nullptr : found->second.get();
}

void GUIManager::LoadLayers(const std::string& fileName)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document)) {
        LogError("GUI file load error", fileName);
        return;
    }
    g_log.WriteLabeled("Load GUI", "DarkBlue", fileName);
    const TiXmlElement* root = document.RootElement();
    if (!root)
        return;

    for (const TiXmlElement* include = root->FirstChildElement("include"); include;
         include = include->NextSiblingElement("include")) {
        const char* script = include->GetText();
        if (script && *script)
            RunScriptFile(script);
    }

    for (const TiXmlElement* element = root->FirstChildElement("Layer"); element;
         element = element->NextSiblingElement("Layer")) {
        // Decided before the layer is built, so that a discarded layer never
        // makes widgets or controllers.
        const char* name = element->Attribute("name");
        if (layers.count(name ? name : ""))
            continue;
        auto layer = std::make_unique<Layer>(element);
        const std::string layerName = layer->name;
        layers.emplace(layerName, std::move(layer));
    }
}

void GUIManager::LoadText(const std::string& fileName)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document))
        return;
    const TiXmlElement* resources = document.FirstChildElement("TextResources");
    if (!resources)
        return;
    for (const TiXmlElement* entry = resources->FirstChildElement("string"); entry;
         entry = entry->NextSiblingElement("string")) {
        const char* id = entry->Attribute("id");
        if (!id)
            continue;
        const char* text = entry->GetText();
        strings.emplace(id, text ? text : "");
    }
    for (const TiXmlElement* entry = resources->FirstChildElement("text"); entry;
         entry = entry->NextSiblingElement("text")) {
        const char* id = entry->Attribute("id");
        if (!id || texts.count(id))
            continue;
        texts.emplace(id, TextResource(entry));
    }
}

void GUIManager::SetTextVariable(const std::string& name, const std::string& value)
{
    textVariables[name] = value;
    for (auto& entry : texts)
        SubstituteVariables(entry.second, textVariables);
}

void GUIManager::PublishTextVariables()
{
    g_textVariables = &textVariables;
}

} // namespace Core
