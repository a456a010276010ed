#pragma once

// Readers of the child elements that several widget kinds share.

#include "engine/render/Sprite.h"
#include "engine/util/Point.h"

#include <string>
#include <vector>

class TiXmlElement;
class Widget;

// "position" with "x", "y" (0 when absent): position = offset = (x, 600 - y);
// rect moves with it and keeps its size.
void ReadWidgetPosition(Widget& widget, const TiXmlElement* element);

// The point of the element's first child element (any tag), "x" and "y" 0
// when absent. Without a child element the point is left as it was and the
// result is false.
bool ReadFirstChildPoint(const TiXmlElement* element, Point& point);

// The element's text, or false for an element without text.
bool ReadElementText(const TiXmlElement* element, std::string& text);

// A picture by name: "#id" through GetWidgetPicture, any other name a file
// (GuiResources::GetTexture) kept in owned, so that the widget frees it and
// its device texture with itself.
Sprite* TakeWidgetPicture(const std::string& name, std::vector<OwnedSprite>& owned);

// The size of a widget set at its current position.
void SetWidgetSize(Widget& widget, int width, int height);
