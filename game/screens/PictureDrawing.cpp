#include "game/screens/PictureDrawing.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

void DrawCentredPicture(const Sprite& picture)
{
    const int w = picture.imageWidth;
    const int h = picture.imageHeight;
    const float uRight = picture.textureWidth > 0 ? static_cast<float>(w) / static_cast<float>(picture.textureWidth) : 1.0f;
    const float vTop = picture.textureHeight > 0 ? static_cast<float>(h) / static_cast<float>(picture.textureHeight) : 1.0f;
    picture.Bind();
    g_renderDevice.DrawRectUV(Rect(-w / 2, -h / 2, w, h), 0.0f, uRight, 0.0f, vTop);
}

void DrawCell(const Rect& area, const SheetCell& cell)
{
    g_renderDevice.DrawRectUV(area, cell.uLeft, cell.uRight, cell.vBottom, cell.vTop);
}
