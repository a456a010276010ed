#pragma once

// The closing pages of the game (layer files name it "CompleteScreen"):
// EndTextEffects.xml over the story's backdrop. It makes no controller of
// its own: its pages move with the story widget's, so its layer is loaded
// after the story's. The newest one made is the books' closing pages until
// it is deleted.

#include "game/screens/PageBook.h"

class TiXmlElement;

class CompleteScreen : public PageBook {
public:
    CompleteScreen(const std::string& widgetName, const TiXmlElement* element);
    ~CompleteScreen() override;

    bool IsHistory() const override { return false; }
};

Widget* CreateCompleteScreen(const TiXmlElement* element);
