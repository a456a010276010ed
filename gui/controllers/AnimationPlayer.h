#pragma once

// Plays a frame sequence on an animation widget: every update shows the
// frame that the elapsed time has reached; past the last frame it keeps the
// last one on the widget and stops, or starts again from the first one when
// it loops.

#include "gui/controllers/IController.h"

class FrameSequence;
class Sprite;

class AnimationPlayer : public IController {
public:
    // picture: the widget's field that shows the current frame.
    AnimationPlayer(Widget* widget, Sprite** picture, const FrameSequence* frames, float frameTime, bool loop);

    void Update(float dt) override;
    bool IsFinished() override { return _stopped; }
    void OnWidgetDeleted(const Widget* widget) override;

    Widget* _widget;
    const FrameSequence* _frames;
    float _frameTime;
    bool _stopped = false;
    bool _loop;

private:
    Sprite** _picture;
};
