#include "engine/render/FrameSequence.h"

#include "engine/render/Sprite.h"

FrameSequence::FrameSequence(const std::string& framePath, const std::string& framePrefix,
                             const std::string& frameFormat, int frameKeys, int firstNumber, int numberStep)
    : path(framePath), prefix(framePrefix), format(frameFormat), start(firstNumber), step(numberStep),
      keys(frameKeys < 0 ? 0 : frameKeys)
{
    frames.reserve(static_cast<std::size_t>(keys));
    for (int i = 0; i < keys; ++i) {
        auto sprite = std::make_unique<Sprite>();
        sprite->linearFilter = true;
        frames.push_back(std::move(sprite));
    }
}

FrameSequence::~FrameSequence() = default;

std::string FrameSequence::FrameFileName(int i) const
{
    return FrameFileName(path, prefix, format, start, step, i);
}

std::string FrameSequence::FrameFileName(const std::string& path, const std::string& prefix,
                                         const std::string& format, int start, int step, int i)
{
    const long long number = static_cast<long long>(start) + static_cast<long long>(i) * step;
    std::string name = path + prefix;
    if (number < 10)
        name += "0";
    return name + std::to_string(number) + "." + format;
}

void FrameSequence::LoadFrames()
{
    for (std::size_t i = 0; i < frames.size(); ++i) {
        Sprite& frame = *frames[i];
        frame.Load(FrameFileName(static_cast<int>(i)));
        frame.image.hasAlpha = true;
        frame.linearFilter = true;
        frame.Upload(true);
    }
}

void FrameSequence::Release()
{
    for (auto& frame : frames)
        frame->Release();
}
