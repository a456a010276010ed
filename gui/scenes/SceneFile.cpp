#include "gui/scenes/SceneFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"
#include "gui/scenes/ArtefactLayerObject.h"
#include "gui/scenes/EffectLayerObject.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/PalmLayerObject.h"
#include "gui/scenes/TextureLayerObject.h"
#include "gui/scenes/WaterLayerObject.h"

#include <tinyxml.h>

namespace {

std::unique_ptr<LayerObject> ReadTexture(const TiXmlElement& element)
{
    std::string file;
    auto object = ReadStringAttribute(&element, "texture", file) ? std::make_unique<TextureLayerObject>(file)
                                                                 : std::make_unique<TextureLayerObject>();
    ReadFloatAttribute(&element, "width", object->width);
    ReadFloatAttribute(&element, "height", object->height);
    return object;
}

std::unique_ptr<LayerObject> ReadEffect(const TiXmlElement& element)
{
    std::string effectName;
    if (!ReadStringAttribute(&element, "effect", effectName))
        return std::make_unique<EffectLayerObject>();
    return std::make_unique<EffectLayerObject>(MakeSceneEffect(effectName));
}

std::unique_ptr<LayerObject> ReadWater(const TiXmlElement& element)
{
    auto object = std::make_unique<WaterLayerObject>();
    ReadFloatAttribute(&element, "width", object->width);
    ReadFloatAttribute(&element, "height", object->height);
    ReadFloatAttribute(&element, "speed", object->speed);
    return object;
}

PalmLeaf ReadPalmLeaf(const TiXmlElement& element)
{
    PalmLeaf leaf;
    ReadFloatAttribute(&element, "angle", leaf.angle);
    ReadFloatAttribute(&element, "angleVariation", leaf.angleVariation);
    ReadFloatAttribute(&element, "time", leaf.time);
    ReadFloatAttribute(&element, "timeVariation", leaf.timeVariation);
    if (ReadFloatAttribute(&element, "scale", leaf.scale))
        leaf.scale *= 1.3f;
    ReadStringAttribute(&element, "texture", leaf.textureFile);
    ReadFloatAttribute(&element, "x", leaf.x);
    ReadFloatAttribute(&element, "y", leaf.y);
    ReadFloatAttribute(&element, "rotX", leaf.rotX);
    ReadFloatAttribute(&element, "rotY", leaf.rotY);
    return leaf;
}

std::unique_ptr<LayerObject> ReadPalm(const TiXmlElement& element)
{
    std::string trunk;
    ReadStringAttribute(&element, "stvol", trunk);
    auto object = std::make_unique<PalmLayerObject>(trunk);
    for (const TiXmlElement* leaf = element.FirstChildElement("List"); leaf; leaf = leaf->NextSiblingElement("List"))
        object->AddLeaf(ReadPalmLeaf(*leaf));
    return object;
}

} // namespace

std::unique_ptr<LayerObject> ReadLayerObject(const TiXmlElement& element)
{
    const char* name = element.Attribute("name");
    if (!name)
        return nullptr;
    const std::string tag = element.ValueStr();
    std::unique_ptr<LayerObject> object;
    if (tag == "Texture")
        object = ReadTexture(element);
    else if (tag == "Artefact")
        object = std::make_unique<ArtefactLayerObject>();
    else if (tag == "Effect")
        object = ReadEffect(element);
    else if (tag == "Water")
        object = ReadWater(element);
    else if (tag == "Palm")
        object = ReadPalm(element);
    if (object)
        object->name = name;
    return object;
}

std::unique_ptr<AnimLayer> ReadAnimLayer(const TiXmlElement& element)
{
    auto layer = std::make_unique<AnimLayer>();
    ReadStringAttribute(&element, "name", layer->name);
    for (const TiXmlElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        if (std::unique_ptr<LayerObject> object = ReadLayerObject(*child))
            layer->objects.push_back(std::move(object));
    return layer;
}

std::unique_ptr<LayerSet> LoadLayerSet(const TiXmlElement& element)
{
    auto set = std::make_unique<LayerSet>();
    ReadStringAttribute(&element, "name", set->name);
    ReadStringAttribute(&element, "do", set->doFunction);
    ReadStringAttribute(&element, "reset", set->resetFunction);
    for (const TiXmlElement* layer = element.FirstChildElement("Layer"); layer;
         layer = layer->NextSiblingElement("Layer"))
        set->layers.push_back(ReadAnimLayer(*layer));
    set->ExposeToScript();
    return set;
}

std::vector<std::unique_ptr<LayerSet>> ReadSceneFile(const std::string& file, const std::string* onlyName)
{
    std::vector<std::unique_ptr<LayerSet>> sets;
    TiXmlDocument document;
    if (!LoadXmlFile(file, document) || !document.RootElement()) {
        LogError("ERROR", "Can't load " + file + "!");
        return sets;
    }
    for (const TiXmlElement* element = document.RootElement()->FirstChildElement("LayerSet"); element;
         element = element->NextSiblingElement("LayerSet")) {
        if (onlyName) {
            const char* name = element->Attribute("name");
            if (!name || *onlyName != name)
                continue;
        }
        sets.push_back(LoadLayerSet(*element));
    }
    return sets;
}
