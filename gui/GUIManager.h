#pragma once

// Owns every loaded layer by name for the whole run, and the text tables:
// plain strings, text blocks and the text variables put into the blocks.
// Publishes the strings and blocks through g_stringTable and g_textTable.

#include "gui/StringTable.h"
#include "gui/TextResource.h"

#include <map>
#include <memory>
#include <string>

class Layer;

namespace Core {

class GUIManager {
public:
    GUIManager();
    ~GUIManager();
    GUIManager(const GUIManager&) = delete;
    GUIManager& operator=(const GUIManager&) = delete;

    // The layer of that name, or null; an unknown name stays unknown and can
    // still be loaded later.
    Layer* getLayer(const std::string& name) const;

    // Reads a layer file: its included scripts run first, in order, then its
    // layers are built. A layer whose name is loaded already is not built.
    void LoadLayers(const std::string& fileName);
    // Reads a text file: strings and text blocks; the first of an id stays.
    void LoadText(const std::string& fileName);

    // Sets (or adds) a text variable and fills the blocks in again.
    void SetTextVariable(const std::string& name, const std::string& value);
    // Publishes the text variables through g_textVariables.
    void PublishTextVariables();

    std::map<std::string, std::unique_ptr<Layer>> layers;
    StringTable strings;
    TextTable texts;
    TextVariables textVariables;
};

} // namespace Core

extern Core::GUIManager GUI;
