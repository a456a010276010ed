#pragma once

// The board widget lives outside the engine. The widget factory registers
// "GameField" with CreateGameField, which makes the board through the creator
// the board installs; the engine links and runs without it.

class TiXmlElement;
class Widget;

using GameFieldCreator = Widget* (*)(const TiXmlElement* element);

// Installs the board's creator (null removes it).
void SetGameFieldCreator(GameFieldCreator creator);

// The board widget for a "GameField" element; null without a "name"
// attribute, or without a board (with a log line). The caller (the layer)
// owns the result.
Widget* CreateGameField(const TiXmlElement* element);
