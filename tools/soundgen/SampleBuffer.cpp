#include "tools/soundgen/SampleBuffer.h"

#include <algorithm>
#include <cmath>

SampleBuffer::SampleBuffer(int rate, double seconds)
    : _rate(rate), _samples(static_cast<size_t>(std::max(0.0, seconds) * rate + 0.5), 0.0f)
{
}

void SampleBuffer::Mix(const SampleBuffer& other, double at, float gain)
{
    const size_t start = static_cast<size_t>(std::max(0.0, at) * _rate + 0.5);
    if (_samples.size() < start + other.Size())
        _samples.resize(start + other.Size(), 0.0f);
    for (size_t i = 0; i < other.Size(); ++i)
        _samples[start + i] += other[i] * gain;
}

void SampleBuffer::WrapTail(size_t length)
{
    if (length == 0)
        return;
    for (size_t i = length; i < _samples.size(); ++i)
        _samples[i % length] += _samples[i];
    _samples.resize(length, 0.0f);
}

float SampleBuffer::Peak() const
{
    float peak = 0.0f;
    for (float s : _samples)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

void SampleBuffer::Normalise(float peak)
{
    const float current = Peak();
    if (current <= 0.0f)
        return;
    const float k = peak / current;
    for (float& s : _samples)
        s *= k;
}

void SampleBuffer::FadeEnds(double seconds)
{
    const size_t n = std::min(_samples.size() / 2, static_cast<size_t>(seconds * _rate));
    for (size_t i = 0; i < n; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(n);
        _samples[i] *= k;
        _samples[_samples.size() - 1 - i] *= k;
    }
}
