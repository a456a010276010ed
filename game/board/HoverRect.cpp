#include "game/board/HoverRect.h"

bool HoverRect::Test(const Point& p)
{
    const float x = static_cast<float>(p.x);
    const float y = static_cast<float>(p.y);
    const float side = static_cast<float>(size);
    if (count < 1 || x < left || x >= left + side || y < top || y >= top + side)
        return false;
    state = kChosen;
    return true;
}
