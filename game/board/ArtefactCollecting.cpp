#include "game/board/ArtefactCollecting.h"

#include "engine/platform/HtmlLog.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"

namespace {

const char* const kSource = "ArtefactCollecting";
const char* const kMenu = "Menu";
const char* const kShield = "Shield";
constexpr int kScreenHeight = 600;
const Point kMenuAway(1000, 0);

} // namespace

ArtefactCollecting::ArtefactCollecting(GameField* field)
    : FieldController("ArtefactCollecting", field)
{
    g_sound.FadeOutAllTracks(1.0f);
    g_sound.PlaySample("ArtefactCollect");
    _time = 0.0f;
    field->_veilOn = true;
    field->_veilAlpha = 0;
    if (Widget* menu = MenuWidget()) {
        // Kept in the form SetPosition takes: it returns to the same pixel.
        _menuPos = Point(menu->position.x, kScreenHeight - menu->position.y);
        _menuSaved = true;
        menu->SetPosition(kMenuAway);
    }
}

ArtefactCollecting::~ArtefactCollecting()
{
    if (_field)
        _field->_artefactProgress = 1.0f;
}

Widget* ArtefactCollecting::MenuWidget()
{
    Layer* top = Screen.GetCurrent();
    Widget* menu = top ? top->getWidget(kMenu) : nullptr;
    if (!menu)
        LogError(kSource, std::string("The current layer \"") + (top ? top->GetName() : "") +
                                     "\" has no widget \"" + kMenu + "\"; it is not moved");
    return menu;
}

void ArtefactCollecting::Update(float dt)
{
    if (!_field || _done)
        return;
    GameField& field = *_field;
    _time += dt * _rate;
    if (_phase == 1) {
        field._artefactProgress = _time;
        field._veilAlpha = static_cast<int>(static_cast<float>(kGrownVeil) * _time);
    } else if (_phase == 2) {
        field._veilAlpha = kGrownVeil + static_cast<int>(63.0f * _time);
    }
    if (_time < 1.0f)
        return;
    _time = 0.0f;
    if (_phase == 0) {
        _phase = 1;
        _rate = kGrowRate;
    } else if (_phase == 1) {
        _phase = 2;
        _rate = kDarkenRate;
        field._artefactProgress = 1.0f;
    } else {
        _done = true;
        field._veilAlpha = 255;
        HandOver();
    }
}

void ArtefactCollecting::HandOver()
{
    GameField& field = *_field;
    g_sound.FadeInTrack("Map", 3.0f, true);

    Layer* shieldLayer = GUI.getLayer(kShield);
    Widget* shield = shieldLayer ? shieldLayer->getWidget(kShield) : nullptr;
    if (!shield)
        LogError(kSource, std::string("There is no widget \"") + kShield + "\" in a layer \"" + kShield +
                                     "\"; the artefact is not handed over");
    if (shield)
        shield->AcceptMessage(Message("SetTakedArtefact", field._stageIndex));

    if (_menuSaved)
        if (Widget* menu = MenuWidget())
            menu->SetPosition(_menuPos);

    if (!shieldLayer)
        return;
    Screen.ClearLayers();
    g_resourceManager.UploadGroup(kShield);
    Screen.pushLayer(shieldLayer);
    if (!shield)
        return;
    shield->AcceptMessage(Message("FadeIn"));
    Message accept("AcceptArtefact");
    accept.variables.setInt("ArtNumber", field._stageIndex);
    accept.variables.setFloat("x", static_cast<float>(field._sunOffset.x));
    accept.variables.setFloat("y", static_cast<float>(field._sunOffset.y));
    shield->AcceptMessage(accept);
    shield->AcceptMessage(Message("LoadBackground"));
}
