#include "game/screens/WaypointSheet.h"

namespace {

const float kCellWidth = 0.5f;
const float kCellHeight = 0.125f;

// One half of the cell whose left edge and bottom are given.
SheetCell Half(float u, float v, bool firstLevel)
{
    const float left = firstLevel ? u : u + kCellWidth * 0.5f;
    return SheetCell{left, left + kCellWidth * 0.5f, v, v + kCellHeight};
}

} // namespace

SheetCell StageCell(int stage, bool firstLevel)
{
    const int s = stage < 0 ? 0 : stage;
    const float u = static_cast<float>(s / 8) * kCellWidth;
    const float v = 1.0f - static_cast<float>(s % 8 + 1) / 8.0f;
    return Half(u, v, firstLevel);
}

SheetCell CurrentCell(bool firstLevel)
{
    return Half(0.5f, 0.875f, firstLevel);
}

SheetCell LockedCell(bool firstLevel)
{
    return Half(0.5f, 0.75f, firstLevel);
}

SheetCell GlowCell()
{
    return SheetCell{0.5f, 0.75f, 0.625f, 0.75f};
}

SheetCell BadgeRow(int stage)
{
    const float s = static_cast<float>(stage < 0 ? 0 : stage);
    return SheetCell{0.0f, 1.0f, 1.0f - (s + 1.0f) / 8.0f, 1.0f - s / 8.0f};
}
