#pragma once

// The level's cell codes, addressed (x, y) with x and y from -1 to 20: the
// largest board (20 x 20) with a border of one cell around it, whose codes
// stay 0. Code 0 is no cell, 1 a plain cell, any other a preset content.

class LevelGrid {
public:
    static constexpr int kSide = 20;

    // 0 outside the bordered grid.
    int At(int x, int y) const { return Inside(x, y) ? _codes[x + 1][y + 1] : 0; }
    // Ignored outside the bordered grid.
    void Set(int x, int y, int code)
    {
        if (Inside(x, y))
            _codes[x + 1][y + 1] = code;
    }
    void Clear()
    {
        for (auto& column : _codes)
            for (int& code : column)
                code = 0;
    }
    // A cell of the level stands at (x, y).
    bool IsCell(int x, int y) const { return At(x, y) >= 1; }

private:
    static bool Inside(int x, int y) { return x >= -1 && x <= kSide && y >= -1 && y <= kSide; }

    int _codes[kSide + 2][kSide + 2] = {};
};
