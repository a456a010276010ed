#include "gui/widgets/ListBoxTipBlink.h"

#include "engine/util/MathFunctions.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>

ListBoxTipBlink::ListBoxTipBlink()
{
    for (int i = 0; i < kTipPictureCount; ++i)
        tipPictures[i] = GetWidgetPicture("#TipShtuka" + std::to_string(i));
}

void ListBoxTipBlink::Update(float dt)
{
    blinkTime += 1.4f * dt;
    if (blinkTime >= 1.0f) {
        blinkTime -= 1.0f;
        phase = !phase;
    }
    const int eased = static_cast<int>(255.0f * ease(blinkTime, 0.3f, 0.3f));
    alpha = phase ? eased : 255 - eased;

    if (tipState == 0) {
        tipTime += 2.0f * dt;
        if (tipTime >= 1.0f)
            tipState = 1;
        tipAlpha = std::min(static_cast<int>(tipTime * 255.0f), 255);
    } else if (tipState == 1) {
        tipAlpha = 255;
    }
}
