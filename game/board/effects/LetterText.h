#pragma once

// A big announcement text over the board ("Go", the country and level at a
// level start, "Level complete" letter by letter, the lost life): a text in
// a font, or a picture cut from its texture, that grows, turns and fades by
// the curves of its mode. It can play a sample when it shows and sends the
// board a message when it is gone.

#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

#include <string>

class Sprite;

class LetterText : public FieldEffect {
public:
    // A picture's part of its texture and its size in points, centred on
    // the start point.
    struct Picture {
        Sprite* sprite = nullptr;
        int width = 0;
        int height = 0;
        float vLow = 0.0f;
        float vHigh = 1.0f;
    };
    static constexpr int kModes = 8;
    // Never finishes by itself: it stays until its board stops it.
    static constexpr int kLastingMode = 7;
    // Where the big texts of a level's start and end stand.
    static inline const Point kBigTextPoint{537, 300};

    // A negative start time is a delay of that many seconds. Without a
    // picture (sprite null) the text is drawn.
    LetterText(const Point& start, const std::string& text, const Picture& picture, float startTime, float speed,
               GameField* field, int mode);

    // Fills the six curves by the mode (1 to 8); another mode leaves them
    // empty and the text shows nothing.
    void SetupMode(int mode);
    void SetMessage(const std::string& message) { _message = message; }
    void SetFont(const std::string& font) { _font = font; }
    // The sample played once, when the text begins to show.
    void SetSound(const std::string& sound);
    void SetTextPoint(const Point& at) { _textPoint = at; }
    void HideShadow() { _noShadow = true; }

    void Update(float dt) override;
    // At its end (or when stopped) it sends its message to the board, once.
    bool IsFinished() override;
    void Draw() override;

    int AlphaAt(float t) const;
    float ScaleAt(float t) const { return _scale.getGlobalFrame(t); }
    // The share across: 1 + (W - 1) / 2.
    float WidthAt(float t) const { return 1.0f + (_width.getGlobalFrame(t) - 1.0f) / 2.0f; }

    Point _start;
    std::string _text;
    Point _textPoint;
    std::string _font = "Letter";
    int _mode = 0;
    Picture _picture;
    bool _noShadow = false;
    SplinePath<float> _scale;
    SplinePath<float> _alpha;
    SplinePath<float> _width;
    SplinePath<float> _rotation;
    SplinePath<float> _offsetX;
    SplinePath<float> _offsetY;
    std::string _sound;
    bool _soundPending = false;
    std::string _message;
    bool _messageSent = false;

private:
    void DrawItem(float s, float w, int a, float r, float x, float y, bool shadow);
};
