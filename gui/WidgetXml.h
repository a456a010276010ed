#pragma once

// Readers that widget kinds use for their XML elements.

#include "engine/util/Color.h"
#include "engine/render/Rect.h"

class TiXmlElement;

// "x", "y", "width", "height", each 0 when absent.
Rect ReadRect(const TiXmlElement* element);
// "r", "g", "b", "a", each 255 when absent, each kept as a byte.
Color ReadColor(const TiXmlElement* element);
