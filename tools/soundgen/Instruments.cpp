#include "tools/soundgen/Instruments.h"

#include "tools/soundgen/NoiseSource.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kTwoPi = 6.283185307179586;

} // namespace

SampleBuffer Pluck(int rate, double frequency, double seconds, float brightness, float sustain, std::uint32_t seed)
{
    SampleBuffer out(rate, seconds);
    // The loop holds an integer delay plus a one-pole all-pass for the
    // fraction, so the pitch is true; the averaging filter adds half a sample.
    const double period = rate / frequency - 0.5;
    const size_t delay = std::max<size_t>(2, static_cast<size_t>(std::floor(period - 0.1)));
    const double fraction = period - static_cast<double>(delay);
    const float allpass = static_cast<float>((1.0 - fraction) / (1.0 + fraction));
    std::vector<float> line(delay);
    NoiseSource noise(seed);
    // The pluck: noise smoothed more the darker it should sound.
    float smooth = 0.0f;
    const float keep = std::clamp(0.75f - 0.7f * brightness, 0.0f, 1.0f);
    for (float& s : line) {
        smooth = smooth * keep + noise.Next() * (1.0f - keep);
        s = smooth;
    }
    float mean = 0.0f;
    for (float s : line)
        mean += s;
    mean /= static_cast<float>(line.size());
    for (float& s : line)
        s -= mean;
    const float loss = 0.990f + 0.0095f * sustain;
    float previous = 0.0f, apIn = 0.0f, apOut = 0.0f;
    size_t index = 0;
    for (size_t i = 0; i < out.Size(); ++i) {
        const float current = line[index];
        const float averaged = 0.5f * (current + previous) * loss;
        previous = current;
        const float shifted = allpass * (averaged - apOut) + apIn;
        apIn = averaged;
        apOut = shifted;
        line[index] = shifted;
        index = (index + 1) % line.size();
        out[i] = current;
    }
    out.FadeEnds(0.002);
    return out;
}

SampleBuffer FmTone(int rate, double frequency, double seconds, double ratio, double index, double decay)
{
    SampleBuffer out(rate, seconds);
    for (size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::exp(-t / decay) * std::min(1.0, t / 0.004);
        const double modulator = std::sin(kTwoPi * frequency * ratio * t) * index * std::exp(-t / (decay * 0.6));
        out[i] = static_cast<float>(envelope * std::sin(kTwoPi * frequency * t + modulator));
    }
    out.FadeEnds(0.002);
    return out;
}

SampleBuffer FrameDrum(int rate, DrumStroke stroke, std::uint32_t seed)
{
    const bool dum = stroke == DrumStroke::Dum;
    SampleBuffer out(rate, dum ? 0.5 : 0.18);
    NoiseSource noise(seed);
    double phase = 0.0;
    float low = 0.0f, band = 0.0f;
    for (size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        // The skin's pitch falls after the stroke.
        const double pitch = dum ? 70.0 + 60.0 * std::exp(-t / 0.03) : 330.0 + 200.0 * std::exp(-t / 0.01);
        phase += kTwoPi * pitch / rate;
        const double body = std::sin(phase) * std::exp(-t / (dum ? 0.16 : 0.035));
        // The slap: noise, low-passed for the centre and band-passed for the rim.
        const float n = noise.Next();
        low += (n - low) * (dum ? 0.15f : 0.6f);
        band += (low - band) * 0.3f;
        const double slap = (dum ? band : (low - band)) * std::exp(-t / (dum ? 0.02 : 0.025));
        out[i] = static_cast<float>(body * (dum ? 0.9 : 0.5) + slap * (dum ? 0.6 : 1.1));
    }
    out.FadeEnds(0.001);
    return out;
}

SampleBuffer NoiseBurst(int rate, double seconds, double centre, std::uint32_t seed)
{
    SampleBuffer out(rate, seconds);
    NoiseSource noise(seed);
    // A two-pole resonator on the noise (state-variable filter).
    const float f = static_cast<float>(2.0 * std::sin(3.141592653589793 * std::min(centre, rate / 4.0) / rate));
    float low = 0.0f, bandPass = 0.0f;
    for (size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const float high = noise.Next() - low - bandPass * 0.7f;
        bandPass += f * high;
        low += f * bandPass;
        const double envelope = std::min(1.0, t / 0.003) * std::exp(-t / (seconds * 0.3));
        out[i] = static_cast<float>(bandPass * envelope);
    }
    out.FadeEnds(0.002);
    return out;
}

SampleBuffer Drone(int rate, double frequency, double seconds)
{
    SampleBuffer out(rate, seconds);
    // Whole cycles over the length, so the drone loops without a seam.
    const double root = std::max(1.0, std::round(frequency * seconds)) / seconds;
    const double fifth = std::round(frequency * 1.5 * seconds) / seconds;
    const double breath = std::max(1.0, std::round(seconds / 4.0)) / seconds;
    for (size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = 0.0;
        for (int h = 1; h <= 7; ++h) {
            const double weight = 1.0 / (h * (1.0 + 0.15 * h * h));
            v += weight * std::sin(kTwoPi * root * h * t + h);
            v += 0.45 * weight * std::sin(kTwoPi * fifth * h * t + 2.0 * h);
        }
        v *= 0.8 + 0.2 * std::sin(kTwoPi * breath * t);
        out[i] = static_cast<float>(v);
    }
    return out;
}
