#include "gui/widgets/EditBoxCaret.h"

#include "engine/util/MathFunctions.h"

#include <algorithm>

void EditBoxCaret::Update(float dt)
{
    _time += 2.0f * dt;
    if (_time > 1.0f) {
        _time -= 1.0f;
        phase = !phase;
    }
    const int eased = static_cast<int>(255.0f * ease(_time, 0.3f, 0.3f));
    alpha = std::clamp(phase ? eased : 255 - eased, 0, 255);
}
