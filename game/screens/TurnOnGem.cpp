#include "game/screens/TurnOnGem.h"

#include "game/screens/Shield.h"

#include <algorithm>

TurnOnGem::TurnOnGem(Shield* shield, int slot, float speed)
    : ShieldProcess("TurnOnGem", shield)
    , _slot(std::clamp(slot, 0, Shield::kGems - 1))
    , _speed(speed)
{
}

TurnOnGem::~TurnOnGem()
{
    if (_shield)
        _shield->highlightEnabled = true;
}

void TurnOnGem::Update(float dt)
{
    if (!_shield)
        return;
    _t += dt * _speed;
    const float t = std::min(_t, 1.0f);
    _shield->gems[static_cast<std::size_t>(_slot)].alpha = static_cast<int>(255.0f * t);
    _shield->slots[static_cast<std::size_t>(_slot)].alpha = 255 - static_cast<int>(127.0f * t);
}
