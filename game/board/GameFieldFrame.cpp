// The board's frame: the pieces along the border of the level's shape, the
// ornaments hanging from it, the drip and foot points of the decorations,
// and the frame drawn with its shadow.

#include "game/board/GameField.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardPictures.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"

namespace {

// The pieces of one corner code (bits: 1 upper left, 2 upper right, 4 lower
// left, 8 lower right cell present); codes 6 and 9 give two.
struct CornerPieces {
    int count;
    int rotation[2];
    int type[2];
};

const CornerPieces kCornerPieces[16] = {
    {0, {0, 0}, {0, 0}}, // outside
    {1, {0, 0}, {FramePiece::kOuterCorner, 0}},
    {1, {1, 0}, {FramePiece::kOuterCorner, 0}},
    {1, {0, 0}, {FramePiece::kStraight, 0}},
    {1, {3, 0}, {FramePiece::kOuterCorner, 0}},
    {1, {3, 0}, {FramePiece::kStraight, 0}},
    {2, {0, 2}, {FramePiece::kInnerCorner, FramePiece::kInnerCorner}},
    {1, {0, 0}, {FramePiece::kInnerCorner, 0}},
    {1, {2, 0}, {FramePiece::kOuterCorner, 0}},
    {2, {3, 1}, {FramePiece::kInnerCorner, FramePiece::kInnerCorner}},
    {1, {1, 0}, {FramePiece::kStraight, 0}},
    {1, {1, 0}, {FramePiece::kInnerCorner, 0}},
    {1, {2, 0}, {FramePiece::kStraight, 0}},
    {1, {3, 0}, {FramePiece::kInnerCorner, 0}},
    {1, {2, 0}, {FramePiece::kInnerCorner, 0}},
    {0, {0, 0}, {0, 0}}, // inside
};

constexpr float kFrameTypeWidth = 0.3125f;

} // namespace

void GameField::BuildBoardFrame()
{
    _frameTexture = BoardPicture("#scope_tex" + IntToString(PlayedStage()));
    BuildFramePieces();
    BuildSwingPieces();
    BuildDripPoints();
    BuildFootPoints();
}

bool GameField::NoCellsIn(int firstColumn, int lastColumn, int lowRow, int highRow) const
{
    for (int x = firstColumn; x <= lastColumn; ++x)
        for (int y = lowRow; y <= highRow; ++y)
            if (IsOnBoard(x, y) && _levelGrid.IsCell(x, y))
                return false;
    return true;
}

void GameField::BuildFramePieces()
{
    _framePieces.clear();
    const float half = static_cast<float>(_cellSize) / 2.0f;
    for (int cx = 0; cx <= _width; ++cx) {
        for (int cy = 0; cy <= _height; ++cy) {
            const int code = (_levelGrid.IsCell(cx - 1, cy) ? 1 : 0) | (_levelGrid.IsCell(cx, cy) ? 2 : 0) |
                             (_levelGrid.IsCell(cx - 1, cy - 1) ? 4 : 0) | (_levelGrid.IsCell(cx, cy - 1) ? 8 : 0);
            const CornerPieces& pieces = kCornerPieces[code];
            for (int i = 0; i < pieces.count; ++i) {
                FramePiece piece;
                piece.x = static_cast<float>(_cellSize * cx) - half;
                piece.y = static_cast<float>(_cellSize * cy) - half;
                piece.rotation = pieces.rotation[i];
                piece.type = pieces.type[i];
                _framePieces.push_back(piece);
            }
        }
    }
}

void GameField::BuildSwingPieces()
{
    _swingPieces.clear();
    for (int x = 369; x < 765; x += 66)
        _swingPieces.emplace_back(x, 80, 1);
    _swingPieces.emplace_back(141, 71, 2);
    for (const FramePiece& piece : _framePieces) {
        if (piece.type != FramePiece::kOuterCorner || piece.rotation > 1)
            continue;
        const float shift = piece.rotation == 0 ? 16.0f : 10.0f;
        const int x = static_cast<int>(static_cast<float>(_originX) + piece.x + 6.0f + shift);
        const int y = static_cast<int>(static_cast<float>(_originY) + piece.y - 7.0f + 23.0f);
        // Integer division truncates toward zero.
        const int col = (x - _originX + 5) / _cellSize;
        const int row = (y - _originY) / _cellSize;
        if (NoCellsIn(col - 1, col, row - 2, row - 1))
            _swingPieces.emplace_back(x, y, 2);
    }
}

void GameField::BuildDripPoints()
{
    _dripPoints.clear();
    SeedRandomFromClock();
    const int r = RandomInt() % 3;
    for (const FramePiece& piece : _framePieces) {
        if (piece.type != FramePiece::kStraight || piece.rotation != 0)
            continue;
        const int x = static_cast<int>(static_cast<float>(_originX) + piece.x + 6.0f);
        const int y = static_cast<int>(static_cast<float>(_originY) + piece.y - 39.0f);
        const int col = (x - _originX + 5) / _cellSize;
        const int row = (y - _originY) / _cellSize;
        const int pieceColumn = static_cast<int>(piece.x / static_cast<float>(_cellSize));
        if ((pieceColumn + r) % 3 != 0)
            continue;
        if (NoCellsIn(col - 1, col, row - (_height - 1), row - 1))
            _dripPoints.emplace_back(x, y);
    }
}

void GameField::BuildFootPoints()
{
    _footPoints.clear();
    _footPointMirrored.clear();
    for (int x = 0; x < _width; ++x) {
        int y = 0;
        while (y < _height && !_levelGrid.IsCell(x, y))
            ++y;
        if (y == _height)
            continue;
        const bool left = _levelGrid.IsCell(x - 1, y);
        const bool right = _levelGrid.IsCell(x + 1, y);
        if (left && !right && !_levelGrid.IsCell(x - 1, y - 1)) {
            _footPoints.emplace_back(_originX + _cellSize * x - 2, _originY + _cellSize * y - 31);
            _footPointMirrored.push_back(false);
        } else if (!left && right && !_levelGrid.IsCell(x + 1, y - 1)) {
            _footPoints.emplace_back(_originX + _cellSize * x - 26, _originY + _cellSize * y - 31);
            _footPointMirrored.push_back(true);
        }
    }
}

void GameField::UpdateSwingPieces(float dt)
{
    for (SwingPiece& piece : _swingPieces) {
        piece.angle += dt * piece.speed * 20.0f;
        if (piece.speed > 0.01f)
            piece.speed -= 2.0f * dt;
        if (piece.speed < -0.01f)
            piece.speed += 2.0f * dt;
        piece.speed -= dt * piece.angle;
        if (piece.angle < -50.0f || piece.angle > 50.0f) {
            piece.angle = 0.0f;
            piece.speed = 0.0f;
        }
    }
}

void GameField::DrawBoardFrame()
{
    if (_frameTexture) {
        _frameTexture->Bind();
        // The shadow row above the frame row in the texture, drawn first and
        // moved down to the right; then the frame.
        for (int row = 1; row >= 0; --row) {
            const int dx = row == 1 ? 6 : 0;
            const int dy = row == 1 ? -7 : 0;
            const float vBottom = row == 1 ? kFrameTypeWidth : 0.0f;
            for (const FramePiece& piece : _framePieces) {
                g_renderDevice.SetColor(Color(255, 255, 255, static_cast<std::uint8_t>(piece.alpha)));
                const float uRight = 1.0f - static_cast<float>(piece.type) * kFrameTypeWidth;
                const Rect quad(static_cast<int>(static_cast<float>(_originX) + piece.x) + dx,
                                static_cast<int>(static_cast<float>(_originY) + piece.y) + dy, _cellSize, _cellSize);
                g_renderDevice.DrawRectUVOriented(quad, uRight - kFrameTypeWidth, uRight, vBottom,
                                                  vBottom + kFrameTypeWidth, piece.rotation);
            }
        }
    }
    g_renderDevice.ResetColor();
}
