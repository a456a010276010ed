#include "gui/controllers/AnimationPlayer.h"

#include "engine/render/FrameSequence.h"
#include "engine/render/Sprite.h"

AnimationPlayer::AnimationPlayer(Widget* widget, Sprite** picture, const FrameSequence* frames, float frameTime,
                                 bool loop)
    : _widget(widget)
    , _frames(frames)
    , _frameTime(frameTime)
    , _loop(loop)
    , _picture(picture)
{
}

void AnimationPlayer::Update(float dt)
{
    // Nothing to show: the player ends at once.
    if (!_widget || !_picture || !_frames || _frames->frames.empty()) {
        _stopped = true;
        return;
    }
    const int last = static_cast<int>(_frames->frames.size()) - 1;
    // A frame time of 0 (or less) has every frame already past.
    int index = last + 1;
    if (_frameTime > 0.0f) {
        const float reached = _time / _frameTime;
        if (reached < static_cast<float>(last + 1))
            index = static_cast<int>(reached);
    }
    if (index > last) {
        index = last;
        _time = 0.0f;
        if (!_loop)
            _stopped = true;
    }
    *_picture = _frames->frames[static_cast<std::size_t>(index)].get();
    _time += dt;
}

void AnimationPlayer::OnWidgetDeleted(const Widget* widget)
{
    if (widget != _widget)
        return;
    _widget = nullptr;
    _picture = nullptr;
    _finished = true;
}
