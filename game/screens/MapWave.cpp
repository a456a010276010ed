#include "game/screens/MapWave.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/Random.h"
#include "game/screens/PictureDrawing.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>

namespace {

const float kIslandX = 375.0f;
const float kIslandY = 278.0f;

} // namespace

MapWave::MapWave()
{
    rotationSpeed = static_cast<float>(RandomInt()) * 0.00030515456f - 5.0f;
    SetCurveKeys(scale, {0.8f, 1.2f, 1.5f});
    SetCurveKeys(alpha, {0.0f, 250.0f, 250.0f, 200.0f, 170.0f, 130.0f, 80.0f, 0.0f});
    picture = GetWidgetPicture("#VOLNA");
    sizeFactor = 0.9f + static_cast<float>(RandomInt()) * 7.599109e-6f;
}

void MapWave::Draw() const
{
    if (!picture || t < 0.0f || t >= 1.0f)
        return;
    RenderDevice& device = g_renderDevice;
    device.PushMatrix();
    device.Translate(Vector3(kIslandX, kIslandY, 0.0f));
    const float s = scale.getGlobalFrame(t) * sizeFactor;
    device.Scale(s, s, 1.0f);
    device.Rotate(Vector3(1.0f, 1.0f, 0.0f), angle);
    const int whiteToBlue = 255 - static_cast<int>(t * 255.0f);
    const int a = std::min(255, std::max(0, static_cast<int>(alpha.getGlobalFrame(t))));
    device.SetColor(Color(static_cast<std::uint8_t>(whiteToBlue), static_cast<std::uint8_t>(whiteToBlue), 255,
                          static_cast<std::uint8_t>(a)));
    DrawCentredPicture(*picture);
    device.PopMatrix();
    device.ResetColor();
}
