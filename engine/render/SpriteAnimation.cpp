#include "engine/render/SpriteAnimation.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

#include <cmath>

SpriteAnimation::~SpriteAnimation() = default;

SpriteAnimation::SpriteAnimation(const SpriteAnimation& other)
{
    CopyState(other);
}

SpriteAnimation& SpriteAnimation::operator=(const SpriteAnimation& other)
{
    if (this == &other)
        return *this;
    // A sheet of our own that the source shows (the source is a copy of us)
    // stays ours; any other one goes with its device texture.
    if (ownSheet && other.sprite != ownSheet.get()) {
        ownSheet->Release();
        ownSheet.reset();
    }
    CopyState(other);
    return *this;
}

SpriteAnimation::SpriteAnimation(SpriteAnimation&& other) noexcept
{
    CopyState(other);
    ownSheet = std::move(other.ownSheet);
}

SpriteAnimation& SpriteAnimation::operator=(SpriteAnimation&& other) noexcept
{
    if (this == &other)
        return *this;
    if (ownSheet && other.sprite != ownSheet.get()) {
        ownSheet->Release();
        ownSheet.reset();
    }
    CopyState(other);
    if (other.ownSheet)
        ownSheet = std::move(other.ownSheet);
    return *this;
}

void SpriteAnimation::CopyState(const SpriteAnimation& other)
{
    sprite = other.sprite;
    frameWidth = other.frameWidth;
    frameHeight = other.frameHeight;
    frameCount = other.frameCount;
    current = other.current;
    first = other.first;
    last = other.last;
    playing = other.playing;
    frameTime = other.frameTime;
    timer = other.timer;
    uLeft = other.uLeft;
    uRight = other.uRight;
    vBottom = other.vBottom;
    vTop = other.vTop;
    frameU = other.frameU;
    frameV = other.frameV;
    step = other.step;
    mode = other.mode;
}

void SpriteAnimation::SetSheet(Sprite* sheet)
{
    ownSheet.reset();
    sprite = sheet;
}

void SpriteAnimation::SetOwnSheet(std::unique_ptr<Sprite> sheet)
{
    ownSheet = std::move(sheet);
    sprite = ownSheet.get();
}

void SpriteAnimation::ReleaseOwnSheet()
{
    if (ownSheet)
        ownSheet->Release();
}

void SpriteAnimation::ComputeFrameSize()
{
    frameU = 0.0f;
    frameV = 0.0f;
    if (!sprite)
        return;
    if (sprite->textureWidth > 0)
        frameU = static_cast<float>(frameWidth) / static_cast<float>(sprite->textureWidth);
    if (sprite->textureHeight > 0)
        frameV = static_cast<float>(frameHeight) / static_cast<float>(sprite->textureHeight);
}

void SpriteAnimation::SetFirstFrame(int n)
{
    first = (n >= 0 && n <= frameCount - 1) ? n : 0;
}

void SpriteAnimation::SetLastFrame(int n)
{
    last = (n >= 0 && n <= frameCount - 1) ? n : frameCount - 1;
}

void SpriteAnimation::SetFps(float fps)
{
    if (fps > 0.0f)
        frameTime = 1.0f / fps;
}

void SpriteAnimation::SetMode(int bits)
{
    mode = bits;
    if (mode & kBackwards) {
        step = -1;
        SetFrame(last);
    } else {
        step = 1;
        SetFrame(first);
    }
}

void SpriteAnimation::Play(bool on)
{
    playing = on;
    timer = -1.0f;
    if (mode & kBackwards) {
        step = -1;
        SetFrame(last - 1);
    } else {
        step = 1;
        SetFrame(0);
    }
}

void SpriteAnimation::SetFrame(int n)
{
    // An empty range (no frames) shows frame 0.
    int f = last + 1 > 0 ? n % (last + 1) : 0;
    if (f < first) {
        f += first;
        if (f < 0)
            f += (last - first) + 1;
    }
    current = f;

    if (!sprite || sprite->textureWidth <= 0 || sprite->textureHeight <= 0) {
        uLeft = uRight = vBottom = vTop = 0.0f;
        return;
    }
    const int textureWidth = sprite->textureWidth;
    const int textureHeight = sprite->textureHeight;
    // A frame wider than the sheet (or of no width) is read as one per row.
    int framesPerRow = frameWidth > 0 ? sprite->imageWidth / frameWidth : 1;
    if (framesPerRow < 1)
        framesPerRow = 1;
    long long x = static_cast<long long>(frameWidth) * f;
    long long y = 0;
    // Frames run along the picture's rows from its top-left corner, wherever
    // the picture sits in its texture.
    if (x > sprite->imageWidth - frameWidth) {
        const int column = f % framesPerRow;
        const int row = f / framesPerRow;
        x = static_cast<long long>(frameWidth) * column;
        y = static_cast<long long>(frameHeight) * row;
    }
    uLeft = static_cast<float>(x) / static_cast<float>(textureWidth);
    uRight = uLeft + frameU;
    vTop = sprite->TopV() - static_cast<float>(y) / static_cast<float>(textureHeight);
    vBottom = vTop - frameV;
}

void SpriteAnimation::Update(float dt)
{
    if (!playing)
        return;
    if (timer == -1.0f) {
        timer = 0.0f;
        return;
    }
    timer += dt;
    // A frame time of zero, below zero or not a number never advances.
    if (!(frameTime > 0.0f))
        return;
    while (timer >= frameTime && playing) {
        const float before = timer;
        timer -= frameTime;
        if (timer == before) // a frame time too small to count at this timer
            timer = 0.0f;
        const int next = current + step;
        if (next > last) {
            switch (mode) {
            case 0:
            case 3:
                current = first;
                SetFrame(first);
                playing = false;
                break;
            case 2:
            case 6:
            case 7:
                step = -step;
                break;
            default:
                break;
            }
        } else if (next < first) {
            switch (mode) {
            case 1:
            case 2:
                current = first;
                SetFrame(first);
                playing = false;
                break;
            case 3:
            case 6:
            case 7:
                step = -step;
                break;
            default:
                break;
            }
        }
        if (playing)
            SetFrame(current + step);
    }
}

void SpriteAnimation::Draw(const Point& p) const
{
    g_renderDevice.DrawRectUV(Rect(p.x, p.y, frameWidth, frameHeight), uLeft, uRight, vBottom, vTop);
}

void SpriteAnimation::BindTexture() const
{
    if (sprite)
        sprite->Bind();
}

void SpriteAnimation::Upload(bool freePixels)
{
    if (sprite)
        sprite->Upload(freePixels);
}

void SpriteAnimation::SetFiltering(bool on)
{
    if (sprite)
        sprite->linearFilter = on;
}
