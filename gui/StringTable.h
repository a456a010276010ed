#pragma once

// The plain strings of the text resources by id, published by the GUI
// manager; widgets look captions given as "#id" up here.

#include <map>
#include <string>

using StringTable = std::map<std::string, std::string>;

// Null until the GUI manager publishes its table.
extern const StringTable* g_stringTable;

// The string of that id, or the empty string.
std::string GetText(const std::string& id);
