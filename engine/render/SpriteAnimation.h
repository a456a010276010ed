#pragma once

// Equally sized frames cut out of one picture (a sheet laid out in rows,
// counted from the top), stepped through a range at a given rate: once,
// looping, backwards or back and forth.
//
// Degenerate animations are safe: a frame time that is not positive never
// advances, and a frame count or frame size of zero, or a frame larger than
// the sheet, shows frame 0 of the sheet without dividing by zero.
//
// A copy plays on its own (frame, clock, range, mode and playing flag are
// its own) and shares the source's sheet without owning it: destroying a
// copy frees nothing. Copies are made of registered animations, which live
// for the whole run, so the shared sheet outlives them. Moving hands a sheet
// of the animation's own over to the new object.

#include "engine/util/Point.h"

#include <memory>

class Sprite;

class SpriteAnimation {
public:
    enum Mode { kBackwards = 1, kPingPong = 2, kLoop = 4 };

    SpriteAnimation() = default;
    ~SpriteAnimation();
    SpriteAnimation(const SpriteAnimation& other);
    SpriteAnimation& operator=(const SpriteAnimation& other);
    SpriteAnimation(SpriteAnimation&& other) noexcept;
    SpriteAnimation& operator=(SpriteAnimation&& other) noexcept;

    // The sheet is a registered resource (not owned) ...
    void SetSheet(Sprite* sheet);
    // ... or the animation's own.
    void SetOwnSheet(std::unique_ptr<Sprite> sheet);
    // Frees the device texture of a sheet of the animation's own.
    void ReleaseOwnSheet();
    // frameU and frameV from the frame size and the sheet's texture size.
    void ComputeFrameSize();
    // Whether the sheet is the animation's own (false for copies).
    bool OwnsSheet() const { return ownSheet != nullptr; }

    void SetFirstFrame(int n);
    void SetLastFrame(int n);
    void SetFps(float fps);
    void SetMode(int bits);
    void Play(bool on);
    void SetFrame(int n);
    void Update(float dt);
    // The current frame at p, with the texture and colour currently set.
    void Draw(const Point& p) const;
    void BindTexture() const;
    void Upload(bool freePixels);
    void SetFiltering(bool on);

    Sprite* sprite = nullptr;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    int current = 0;
    int first = 0;
    int last = 0;
    bool playing = true;
    float frameTime = 0.0f;
    float timer = -1.0f;
    float uLeft = 0.0f;
    float uRight = 0.0f;
    float vBottom = 0.0f;
    float vTop = 0.0f;
    float frameU = 0.0f;
    float frameV = 0.0f;
    int step = 1;
    int mode = 0;

private:
    // Copies every field but the ownership of the sheet.
    void CopyState(const SpriteAnimation& other);

    std::unique_ptr<Sprite> ownSheet;
};
