#pragma once

// Reader of mults.xml: a root whose "LayerSet" children are scenes
// ("name", "do", "reset"), each with "Layer" children ("name") holding one
// element per object: "Texture", "Effect", "Water", "Palm" or "Artefact",
// each with a "name" and the attributes of its kind.

#include <memory>
#include <string>
#include <vector>

class AnimLayer;
class LayerObject;
class LayerSet;
class TiXmlElement;

// The object of the element's kind; null for another tag or without "name".
std::unique_ptr<LayerObject> ReadLayerObject(const TiXmlElement& element);
// A layer with its objects in document order.
std::unique_ptr<AnimLayer> ReadAnimLayer(const TiXmlElement& element);
// A scene with its layers, published to the scripts under its name.
std::unique_ptr<LayerSet> LoadLayerSet(const TiXmlElement& element);

// Every "LayerSet" of the file in order (only those named onlyName when it
// is given). A file that does not load is logged and gives none.
std::vector<std::unique_ptr<LayerSet>> ReadSceneFile(const std::string& file, const std::string* onlyName = nullptr);
