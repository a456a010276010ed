#include "game/screens/ArtefactFromField.h"

#include "engine/util/Random.h"
#include "game/screens/Shield.h"
#include "game/screens/TurnOnGem.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>

ArtefactFromField::ArtefactFromField(Shield* shield, int slot)
    : ShieldProcess("ArtefactFromField", shield)
    , _slot(std::clamp(slot, 0, Shield::kGems - 1))
{
    if (!_shield)
        return;
    _shield->highlightEnabled = false;
    const ArtefactSlot& s = _shield->slots[static_cast<std::size_t>(_slot)];
    _x.addKey(s.position.x);
    _x.addKey(200.0f + static_cast<float>(RandomInt()) * 0.009155522f);
    _x.addKey(s.home.x);
    _y.addKey(s.position.y);
    _y.addKey(200.0f + static_cast<float>(RandomInt()) * 0.0030518204f);
    _y.addKey(s.home.y);
    _scale.addKey(1.0f);
    _scale.addKey(0.25f);
    _alpha.addKey(1.0f);
    _alpha.addKey(1.0f);
    for (SplinePath<float>* curve : {&_x, &_y, &_scale, &_alpha})
        curve->CalculateGradient(false);
}

ArtefactFromField::~ArtefactFromField()
{
    if (_shield)
        kernel.AddController(new TurnOnGem(_shield, _slot, 1.0f));
}

void ArtefactFromField::Update(float dt)
{
    if (!_shield || _done)
        return;
    _t += dt * _speed;
    ArtefactSlot& slot = _shield->slots[static_cast<std::size_t>(_slot)];
    if (_phase == 0) {
        _shield->overlayAlpha = 255 - static_cast<int>(255.0f * std::min(_t, 1.0f));
    } else {
        slot.position = Vector3(_x.getGlobalFrame(_t), _y.getGlobalFrame(_t), 0.0f);
        slot.alpha = std::clamp(static_cast<int>(255.0f * _alpha.getGlobalFrame(_t)), 0, 255);
        slot.scale = _scale.getGlobalFrame(_t);
    }
    if (_t < 1.0f)
        return;
    _t = 0.0f;
    if (_phase == 0) {
        _shield->overlayAlpha = 0;
        _phase = 1;
        _speed = 0.25f;
    } else {
        _done = true;
    }
}
