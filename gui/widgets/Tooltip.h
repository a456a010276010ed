#pragma once

// The one look of every tip box: a frame of nine quads with two ornaments
// around a rectangle, and a bobbing arrow with its shadow. The pictures
// "#ToolTip_Ramka" (the frame atlas) and "#ToolTip_Strelka" (arrow in the
// left half, shadow in the right) are looked up on first use and kept.

#include "engine/render/Rect.h"
#include "engine/util/Point.h"

class Sprite;

// Rectangle in screen pixels, y upward; at least 32 x 28. Draws with the
// current colour and leaves it as it was. Draws nothing while the frame
// picture is not registered (and looks again at the next call).
void DrawTooltipFrame(int x, int y, int w, int h);
inline void DrawTooltipFrame(const Rect& r)
{
    DrawTooltipFrame(r.x, r.y, r.w, r.h);
}
// The ornaments at the frame's lower left and upper right corners: a line
// of text across the middle must clear them.
constexpr int kTooltipOrnamentWidth = 32;
// The frame of at least w x h centred on (cx, cy), widened so that a line of
// text of that width centred there clears both ornaments.
Rect TooltipFrameAround(int cx, int cy, int w, int h, int textWidth);
// The arrow's tip area at the point, turned by angle degrees, bobbing with t.
void DrawTooltipArrow(const Point& p, float t, int angle);

// The pictures once found (not owned).
extern Sprite* g_tooltipFramePicture;
extern Sprite* g_tooltipArrowPicture;
