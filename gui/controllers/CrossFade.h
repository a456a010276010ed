#pragma once

// The black-screen transition that replaces the whole layer stack: the veil
// (widget "BlackScreen" of the layer "Cross") darkens for half a second; at
// full black the old layers' resource groups are released, Layer1's group
// is uploaded and Layer1 (with Layer2 and Layer3 over it) replaces the stack;
// then the veil lightens for half a second and is popped.

#include "gui/VariableSet.h"
#include "gui/controllers/IController.h"

#include <string>

class Layer;
class Widget;

class CrossFade : public IController {
public:
    // Pushes the layer "Cross" and makes the veil transparent.
    CrossFade(Layer* cross, Widget* blackScreen, Layer* layer1, Layer* layer2, Layer* layer3,
              const std::string& endHandler, const std::string& crossHandler);

    void Update(float dt) override;
    bool IsFinished() override;
    void OnWidgetDeleted(const Widget* widget) override;

    Layer* _layer1;
    Layer* _layer2;
    Layer* _layer3;
    bool _swapped = false;
    bool _done = false;
    Widget* _blackScreen;
    std::string _endHandler;
    std::string _crossHandler;

private:
    void SwapLayers();

    Layer* _cross;
};

// "Layer1" must name a loaded layer, and the layer "Cross" with its widget
// "BlackScreen" must be loaded; "Layer2", "Layer3", "EndHandler" and
// "CrossHandler" are optional strings.
IController* CreateCrossFade(VariableSet& variables);
