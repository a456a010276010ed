#include "gui/controllers/CrossFade.h"

#include "engine/script/ScriptHost.h"
#include "engine/util/Color.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/controllers/ControllerFactory.h"

namespace {

const Color kClear(0, 0, 0, 0);
const Color kBlack(0, 0, 0, 255);

void UploadAndPush(Layer* layer)
{
    if (!layer)
        return;
    GuiResources::UploadGroup(layer->name);
    Screen.pushLayer(layer);
}

} // namespace

CrossFade::CrossFade(Layer* cross, Widget* blackScreen, Layer* layer1, Layer* layer2, Layer* layer3,
                     const std::string& endHandler, const std::string& crossHandler)
    : _layer1(layer1)
    , _layer2(layer2)
    , _layer3(layer3)
    , _blackScreen(blackScreen)
    , _endHandler(endHandler)
    , _crossHandler(crossHandler)
    , _cross(cross)
{
    Screen.pushLayer(_cross);
    if (_blackScreen)
        _blackScreen->color = kClear;
}

void CrossFade::Update(float dt)
{
    _time += 2.0f * dt;
    if (!_swapped && _time >= 1.0f)
        SwapLayers();
    if (_time < 2.0f) {
        if (_blackScreen)
            _blackScreen->color = _time < 1.0f ? LerpColor(kClear, kBlack, _time) : LerpColor(kBlack, kClear, _time - 1.0f);
    } else if (!_done) {
        _done = true;
        Screen.popLayer();
    }
}

void CrossFade::SwapLayers()
{
    _swapped = true;
    Screen.ReleaseLayerResources();
    Screen.ClearLayers();
    GuiResources::UploadGroup(_layer1->name);
    if (!_crossHandler.empty())
        CallScriptFunction(_crossHandler);
    Screen.SetLayer(_layer1);
    UploadAndPush(_layer2);
    UploadAndPush(_layer3);
    Screen.Refresh();
    Screen.pushLayer(_cross);
}

bool CrossFade::IsFinished()
{
    if (_done && !_endHandler.empty())
        CallScriptFunction(_endHandler);
    return _done;
}

void CrossFade::OnWidgetDeleted(const Widget* widget)
{
    if (widget == _blackScreen)
        _blackScreen = nullptr;
}

IController* CreateCrossFade(VariableSet& variables)
{
    const char* kind = "CrossFade";
    auto layerNamed = [&](const char* key) -> Layer* {
        const std::string* name = OptionalArgument<std::string>(variables, kind, key);
        return name ? GUI.getLayer(*name) : nullptr;
    };
    Layer* layer1 = layerNamed("Layer1");
    if (!layer1) {
        LogControllerArgumentError(kind, "\"Layer1\" names no loaded layer; no controller was made");
        return nullptr;
    }
    Layer* layer2 = layerNamed("Layer2");
    Layer* layer3 = layerNamed("Layer3");
    const std::string* endHandler = OptionalArgument<std::string>(variables, kind, "EndHandler");
    const std::string* crossHandler = OptionalArgument<std::string>(variables, kind, "CrossHandler");

    Layer* cross = GUI.getLayer("Cross");
    Widget* blackScreen = cross ? cross->getWidget("BlackScreen") : nullptr;
    if (!blackScreen) {
        LogControllerArgumentError(kind, "the layer \"Cross\" with its widget \"BlackScreen\" is not loaded; no "
                                         "controller was made");
        return nullptr;
    }
    return new CrossFade(cross, blackScreen, layer1, layer2, layer3, endHandler ? *endHandler : std::string(),
                         crossHandler ? *crossHandler : std::string());
}
