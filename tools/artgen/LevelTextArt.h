#pragma once

// The big lettering of a level's start: the countries' titles, one strip a
// country, and the "Go!" call.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// Seven strips 25 pixels high from the top, a country each.
void DrawCountryTitles(Canvas& canvas, TitleLetterer& serifBold);
// The call in the top 136 pixels.
void DrawGoText(Canvas& canvas, TitleLetterer& serifBold);
