#include "game/board/effects/ChipPicture.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/BoardMath.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"

int ChipAtlasFrame(const GameField& field, int kind, int knownCovers)
{
    const int covers[] = {kKindLocked, kKindDoubleLocked, kKindIce, kKindFixedLocked, kKindFixedDoubleLocked};
    for (int i = 0; i < knownCovers && i < 5; ++i)
        if (kind >= 0 && (kind & 0xF0) == covers[i])
            return 30 + i;
    return field._chips[KindColour(kind)];
}

void DrawAtlasCell(const GameField& field, int frame, int x, int y, int w, int h)
{
    if (field._squaresTexture)
        field._squaresTexture->Bind();
    float u = 0.0f;
    float v = 0.0f;
    AtlasCellUV(frame, u, v);
    g_renderDevice.DrawRectUV(Rect(x, y, w, h), u, u + kAtlasCell, v, v + kAtlasCell);
}

void DrawChipCentred(const GameField& field, const Square& square, int knownCovers)
{
    const int half = field._cellSize / 2;
    if (square.kind >= 0 && square.kind < 16) {
        square.anim.BindTexture();
        square.anim.Draw(Point(-half, -half));
        return;
    }
    DrawAtlasCell(field, ChipAtlasFrame(field, square.kind, knownCovers), -half, -half, field._cellSize,
                  field._cellSize);
}

void RestoreDrawState()
{
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}
