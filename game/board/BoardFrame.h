#pragma once

// The pieces of the board's border, built from the level's shape once per
// level, and the ornaments that swing on it.

// One 40 x 40 piece of the frame at a grid corner.
struct FramePiece {
    enum Type { kStraight = 0, kInnerCorner = 1, kOuterCorner = 2 };

    int alpha = 0;  // 0 to 255; 0 when built, raised by the appearance
    float x = 0.0f; // points relative to the board origin
    float y = 0.0f;
    float z = 0.0f;
    int rotation = 0; // quarter turns, 0 to 3
    int type = kStraight;
};

// An ornament hanging from the frame.
struct SwingPiece {
    SwingPiece() = default;
    SwingPiece(int px, int py, int pieceKind) : x(px), y(py), kind(pieceKind) {}

    int x = 0; // screen points
    int y = 0;
    float angle = 0.0f;
    float speed = 0.0f; // angular speed
    int kind = 1;       // 1 or 2
};
