#pragma once

// Typed attribute readers. A missing attribute returns false and leaves the
// out value untouched, which is how loaders give attributes their defaults.

#include <string>

class TiXmlElement;

bool ReadIntAttribute(const TiXmlElement* element, const char* name, int& value);
bool ReadFloatAttribute(const TiXmlElement* element, const char* name, float& value);
bool ReadBoolAttribute(const TiXmlElement* element, const char* name, bool& value);
bool ReadStringAttribute(const TiXmlElement* element, const char* name, std::string& value);
