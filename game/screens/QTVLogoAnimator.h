#pragma once

// The cross-fade of the publisher-logo button: a current state and a queue
// of states to show next, each switch fading over 1/7 of a second.

#include "engine/util/Color.h"
#include "engine/util/Point.h"

#include <list>
#include <string>
#include <vector>

class Sprite;

class QTVLogoAnimator {
public:
    struct State {
        const Sprite* picture = nullptr;
        Point offset;
        bool hasText = false;
        std::string text;
        std::string font;
        Color color;
    };

    explicit QTVLogoAnimator(const Sprite* first);

    // Queues the picture unless nothing is queued and it shows already; a
    // queued state of the same picture goes with everything after it first.
    void SwitchTo(const Sprite* picture);
    // While anything is queued the fade runs down; at 0 the first queued
    // state becomes the current one and the fade starts again at 1.
    void Update(float dt);
    struct Layer {
        const State* state;
        int alpha; // 0 to 255
    };
    // What is drawn, lowest first: the current state alone, or during a
    // switch the one fading out under the one fading in.
    std::vector<Layer> Layers() const;
    // The layers at (x, y).
    void Draw(int x, int y) const;

    const State& Current() const { return _current; }
    const std::list<State>& Queue() const { return _queue; }
    float Fade() const { return _fade; }

    float alpha = 1.0f;
    float fadeSpeed = 7.0f;

private:

    State _current;
    float _fade = 1.0f;
    std::list<State> _queue;
};
