#pragma once

// One line of a text with effects: it waits for its moment, arrives (burns
// in letter by letter behind moving flames, fades in, or bursts in behind a
// particle effect), optionally with a sound, stays, and may be taken away
// again. A plain record, copied by value into its collection.
//
// The string's flames are reached through checked handles: once the effect
// observer has deleted a flame, the string no longer touches it.

#include "gui/effects/EffectHandle.h"

#include <string>

class EffectList;
class ParticleEffect;

class TextEffectString {
public:
    enum State { kWaiting = 0, kArriving = 1, kShown = 2, kTakenAway = 3, kEnded = 4 };
    enum StartMode { kCenterBurn = 0, kRightBurn = 1, kSilent = 2, kStringBoom = 3 };
    // The render device's glyph array holds this many glyphs; longer strings
    // are cut to it.
    static constexpr int kMaxGlyphs = 100;

    // The state machine; nothing while disabled.
    void Update(float dt);
    // By state; nothing while disabled, waiting, taken away or ended.
    void Draw();
    // Each running flame ends at once, with its particles, and is forgotten.
    void KillFlames();
    // Each running flame stops emitting and lets its particles die out, and
    // is forgotten.
    void StopFlames();
    // Jumps to the shown state (flames stopped gradually).
    void Finish();
    // Back to waiting (flames ended at once); timing and texts stay.
    void Reset();

    void SetFont(const std::string& name) { _font = name; }
    void SetRightFlame(const std::string& name);
    void SetLeftFlame(const std::string& name);
    // Copies the text and measures it again in the string's font.
    void SetText(const std::string& text);

    // Where the start effect and the flames are born.
    float CenterX() const;
    float CenterY() const { return _y + _height * 0.5f; }
    // The left edge of the text line.
    float LeftEdge() const;

    // The running flames, null when none runs (or the observer deleted it).
    ParticleEffect* RightFlame() const { return _rightFlameEffect.Get(); }
    ParticleEffect* LeftFlame() const { return _leftFlameEffect.Get(); }

    bool _hasStartEffect = false;
    bool _hasEndEffect = false;
    bool _hasRightFlame = false;
    bool _hasLeftFlame = false;
    bool _hasStartSound = false;
    std::string _startEffect;
    std::string _endEffect;
    std::string _rightFlame;
    std::string _leftFlame;
    std::string _startSound;
    EffectHandle _rightFlameEffect;
    EffectHandle _leftFlameEffect;
    std::string _text;
    std::string _font = "Title";
    float _holdTime = -1.0f;
    float _showTime = 0.0f;
    float _startTime = 0.0f;
    float _endTime = 0.0f;
    float _time = 0.0f;
    float _width = 0.0f;
    float _height = 0.0f;
    EffectList* _owner = nullptr; // not owned
    int _align = 0;               // 0 left, 1 right, 2 centre
    bool _done = false;
    float _x = 0.0f;
    float _y = 0.0f;
    bool _enabled = true;
    int _startMode = kRightBurn;
    int _state = kWaiting;

private:
    // A new effect of that name in the owner's list, placed at (x, y) and
    // started; an empty handle without an owner.
    EffectHandle StartEffect(const std::string& name, float x, float y);
    void BeginArrival();
    void EndArrival();
    // The arrival drawn from the laid-out glyphs; p from 0 to 1.
    void DrawBurn(float p);
};
