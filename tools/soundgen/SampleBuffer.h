#pragma once

// A mono sound being made: floating-point samples at a fixed rate, about
// -1 to 1. Voices are rendered into their own buffers and mixed in at a time.

#include <cstddef>
#include <vector>

class SampleBuffer {
public:
    explicit SampleBuffer(int rate, double seconds = 0.0);

    int Rate() const { return _rate; }
    std::size_t Size() const { return _samples.size(); }
    double Seconds() const { return static_cast<double>(_samples.size()) / _rate; }
    float& operator[](std::size_t i) { return _samples[i]; }
    float operator[](std::size_t i) const { return _samples[i]; }
    const std::vector<float>& Samples() const { return _samples; }

    // Adds the other buffer times the gain, starting at the time (seconds);
    // grows as needed.
    void Mix(const SampleBuffer& other, double at, float gain);
    // Adds what lies past the given length onto the start and cuts it there,
    // so a loop's ringing tail sounds again when it wraps around.
    void WrapTail(std::size_t length);
    // Scales so the loudest sample has the given magnitude.
    void Normalise(float peak);
    // Short fades at both ends against clicks.
    void FadeEnds(double seconds);
    float Peak() const;

private:
    int _rate;
    std::vector<float> _samples;
};
