#pragma once

// Recipes of the widget pictures: bronze plates, boxes, sliders, panels,
// tip frames, cursors and the publisher's logo. Each fills the whole canvas
// it is given, so one recipe serves several sizes.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

enum class WidgetState { Normal, Active, Pressed, Disabled };

void DrawButtonPlate(Canvas& canvas, WidgetState state);
void DrawCheckbox(Canvas& canvas, bool on);
void DrawSliderTrack(Canvas& canvas);
void DrawSliderThumb(Canvas& canvas);
void DrawEditBox(Canvas& canvas);
// A papyrus sheet in a thin bronze rim.
void DrawPapyrusPanel(Canvas& canvas);
// A marble panel in a bronze frame with a meander band under its top edge.
void DrawFramedPanel(Canvas& canvas);
// The framed panel with a sunken bronze window (left, top, right, bottom in
// the picture) for a picture shown in it: the quit question's screenshots.
void DrawFramedPanelWithWindow(Canvas& canvas, const Box& window);

// The tip-box atlas: a 3 by 3 grid of 12-pixel cells (corners, edges,
// centre) in the lower-left 36 by 36 pixels, and two 32 by 28 ornaments
// side by side in the top 28 rows (lower-left one left, upper-right one right).
void DrawTooltipAtlas(Canvas& canvas);
// The tip arrow pointing down, its tip 6 pixels above the bottom middle of
// the left half, and its soft shadow in the right half.
void DrawTooltipArrow(Canvas& canvas);
enum class TipPiece { Corner, Edge, Fill, Arrow };
void DrawTooltipPiece(Canvas& canvas, TipPiece piece);

// An arrow cursor with its tip at the top-left pixel.
void DrawCursor(Canvas& canvas, WidgetState state);
void DrawLogo(Canvas& canvas, TitleLetterer& serifBold);
