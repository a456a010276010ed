#pragma once

// A window of 510 x 425 pixels onto a scene space of 300 x 250 units, with
// the frame picture "#ANIMATION_FADE" over it and the scene's caption under
// it (layer files name it "LayeredAnimation"). Messages choose the scene,
// start and stop it and load or free its pictures; its SceneController
// steps the scene every frame while it plays.

#include "gui/Widget.h"

class LayerSet;
class SceneController;
class Sprite;
class TiXmlElement;

class LayeredAnimation : public Widget {
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 425;

    LayeredAnimation(const std::string& widgetName, const TiXmlElement* element);
    // Stops its controller. The scenes stay with the scene library.
    ~LayeredAnimation() override;

    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;

    SceneController* controller = nullptr; // owned by the controller manager
    Point textPosition;
    LayerSet* scene = nullptr; // g_layerSets keeps every scene
    bool playing = false;
    bool blackScreen = true;
    bool shown = true;

private:
    void Load(const TiXmlElement* element);
    void CallReset();
    void DrawScene();
    void DrawCaption();
};

// The frame picture drawn over every scene window; null when the resource
// file has none.
extern Sprite* g_animationFade;

Widget* CreateLayeredAnimation(const TiXmlElement* element);
