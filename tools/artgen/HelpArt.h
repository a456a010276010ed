#pragma once

// The help screen's pictures.

class Canvas;

// The backdrop of a help board: deep water light over a sandy floor.
void DrawHelpBackground(Canvas& canvas, int variant);
