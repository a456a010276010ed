#include "game/screens/MapTextQueue.h"

void MapTextQueue::Set(const TextBlock* text)
{
    if (!text)
        return;
    texts.clear();
    transition = 0.0f;
    crossFade = false;
    scrolling = false;
    // A scroll cut short would leave the new text drawn out of its place.
    scrollOffset = 0.0f;
    texts.push_back(text);
}

void MapTextQueue::Push(const TextBlock* text)
{
    if (!text || Last() == text)
        return;
    texts.push_back(text);
}

void MapTextQueue::Update(float dt)
{
    if (!scrolling) {
        if (texts.size() > 1) {
            lastIndex = static_cast<int>(texts.size()) - 1;
            SetCurveKeys(scroll, {0.0f, kScrollStep * static_cast<float>(lastIndex)});
            transition = 0.0f;
            scrolling = true;
        }
        return;
    }
    transition += (crossFade ? 2.0f : 0.4f) * dt;
    if (transition < 1.0f) {
        scrollOffset = scroll.getGlobalFrame(transition);
        return;
    }
    scrolling = false;
    scrollOffset = 0.0f;
    if (!texts.empty())
        texts.erase(texts.begin(), texts.end() - 1);
}
