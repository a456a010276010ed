#pragma once

// The story pages (layer files name it "History"): HistoryTextEffects.xml
// over the arched backdrop. Made, it publishes the backdrop pictures and its
// controller for both books, sets two rainbows at the sides and lets fifteen
// fish drift. Deleted, it takes its controller along.

#include "game/screens/PageBook.h"

class TiXmlElement;

class History : public PageBook {
public:
    History(const std::string& widgetName, const TiXmlElement* element);

    bool IsHistory() const override { return true; }
};

Widget* CreateHistory(const TiXmlElement* element);
