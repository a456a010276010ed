#pragma once

// The audio output: samples played on short-lived channels, music streams
// that keep their position when stopped, volumes on the engine's 0..100
// scale, and a pause of the whole output. The sound system holds the
// behaviour; this layer only translates to OpenAL Soft and libsndfile.

#include <cstdint>
#include <memory>
#include <string>

namespace backend {

// Samples, streams and channels share one handle space; 0 is never valid.
using AudioHandle = std::uint32_t;

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Opens the default output and starts it. False when there is none.
    virtual bool Open() = 0;
    // Stops the output and frees every sample, stream and channel. Safe to
    // call when not open.
    virtual void Close() = 0;
    virtual void PauseOutput() = 0;
    virtual void ResumeOutput() = 0;
    // The name of the opened output, for the log.
    virtual std::string Name() = 0;

    // Decodes a file (WAV, OGG, ...) into a sample that can play on at most
    // maxPlaybacks channels at once. 0 when the file cannot be decoded.
    virtual AudioHandle LoadSample(const std::string& path, int maxPlaybacks) = 0;
    // The sample's own playback rate in Hz (0 for an unknown handle).
    virtual unsigned SampleFrequency(AudioHandle sample) = 0;
    // Starts the sample on a new channel at the given rate (0 or less: its
    // own rate) and volume. 0 when it cannot start, for instance because its
    // channels are all busy.
    virtual AudioHandle PlaySample(AudioHandle sample, int frequency, int volume) = 0;

    // Opens a music stream; 0 when the file cannot be decoded.
    virtual AudioHandle LoadStream(const std::string& path) = 0;
    // Plays the stream, from its beginning when fromStart is set, else from
    // where it stopped; looping when loop is set.
    virtual void PlayStream(AudioHandle stream, bool fromStart, bool loop) = 0;
    // Stops the stream where it is.
    virtual void StopStream(AudioHandle stream) = 0;

    // Volume 0..100 (clamped) of a channel or a stream: gain = volume / 100.
    // An unknown or finished handle is ignored.
    virtual void SetVolume(AudioHandle handle, int volume) = 0;
};

// The gain of a volume on the 0..100 scale: linear, clamped to 0..1.
float VolumeToGain(int volume);

// The real output through OpenAL Soft. Nothing touches OpenAL before Open.
std::unique_ptr<AudioDevice> CreateOpenAlAudioDevice();

} // namespace backend
