#include "tools/artgen/LevelTextArt.h"

#include "tools/artgen/Ornaments.h"

namespace {

const char* const kCountryTitles[7] = {"PHOENICIA", "BABYLON", "EGYPT", "CARTHAGE", "ROME", "GREECE", "TROY"};
constexpr float kStripHeight = 25.0f;

} // namespace

void DrawCountryTitles(Canvas& canvas, TitleLetterer& serifBold)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    const float middle = static_cast<float>(canvas.Width()) * 0.5f;
    for (int country = 0; country < 7; ++country)
        DrawLettering(canvas, serifBold, kCountryTitles[country], 19, 2,
                      {middle, kStripHeight * static_cast<float>(country) + 1.0f}, GoldTitleLettering());
}

void DrawGoText(Canvas& canvas, TitleLetterer& serifBold)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    DrawLettering(canvas, serifBold, "Go!", 96, 2, {static_cast<float>(canvas.Width()) * 0.5f, 12.0f},
                  GoldTitleLettering());
}
