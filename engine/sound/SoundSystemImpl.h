#pragma once

// The one sound service: short samples played by name and looping music
// tracks that fade in and out, start after a delay and belong to tags, so a
// whole group of tracks can be faded together. Volumes are on the 0..100
// scale. Without an audio device, or after Shutdown, every call only keeps
// the records up to date and makes no device call.

#include "engine/backend/AudioDevice.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Sound {

enum class TrackState { FadeIn = 0, FadeOut = 1, Playing = 2, Delayed = 3, Stopped = 4 };

struct SampleRecord {
    std::string name;
    backend::AudioHandle sample = 0;
    unsigned defaultFrequency = 0;
};

struct TrackRecord {
    std::string name;
    std::string tag;
    backend::AudioHandle stream = 0;
    backend::AudioHandle channel = 0;
    int volume = 0;
    int fadeStartVolume = 0;
    TrackState state = TrackState::Stopped;
    bool playing = false;
    bool loop = false;
    bool useSoundVolume = false;
    float elapsed = 0.0f;
    float fadeTime = 0.0f;
    float delay = 0.0f;
};

class SoundSystemImpl {
public:
    // The real output (OpenAL); it is opened only by Init.
    SoundSystemImpl();
    explicit SoundSystemImpl(std::unique_ptr<backend::AudioDevice> device);
    ~SoundSystemImpl();
    SoundSystemImpl(const SoundSystemImpl&) = delete;
    SoundSystemImpl& operator=(const SoundSystemImpl&) = delete;

    // Opens and starts the output; logs one line when there is none.
    void Init();
    void Pause();
    void Resume();
    // Stops and frees the output; later calls make no device call.
    void Shutdown();
    // Closes the output and takes another one, not yet opened (a test puts
    // a recording output in); the samples and tracks of the old output are
    // forgotten.
    void ReplaceDevice(std::unique_ptr<backend::AudioDevice> device);

    // file is relative to the "sound\" folder of the game.
    void LoadSample(const std::string& name, const std::string& file, int maxPlaybacks);
    void LoadTrack(const std::string& name, const std::string& tag, const std::string& file, bool useSoundVolume);

    void PlaySample(const std::string& name);
    void PlaySamplePitched(const std::string& name, float factor);

    void SetSoundVolume(int volume);
    void SetMusicVolume(int volume);

    void PlayTrack(const std::string& name, int unused = 0);
    void SetTrackVolume(const std::string& name, int volume);
    void StopTrack(const std::string& name);
    void FadeInTrack(const std::string& name, float seconds, bool loop);
    void FadeOutTrack(const std::string& name, float seconds);
    void FadeOutAllTracks(float seconds);
    void FadeOutTagTracks(const std::string& tag, float seconds);
    void DelayPlayTrack(const std::string& name, float delay, float fadeSeconds, bool loop);

    // Advances fades and delayed starts by the frame step in seconds.
    void UpdateTracks(float dt);

    bool IsOpen() const { return _open; }
    bool IsPaused() const { return _paused; }
    int SoundVolume() const { return _soundVolume; }
    int MusicVolume() const { return _musicVolume; }
    const SampleRecord* FindSample(const std::string& name) const;
    const TrackRecord* FindTrack(const std::string& name) const;
    // The channel of the latest successful start of the sample, or 0.
    backend::AudioHandle LastChannel(const std::string& name) const;

private:
    SampleRecord* Sample(const std::string& name);
    TrackRecord* Track(const std::string& name);
    void StartSample(const std::string& name, int frequency);
    void StartFadeOut(TrackRecord& track, float seconds);
    void StartStream(TrackRecord& track, bool fromStart, bool loop);
    void StopStream(TrackRecord& track);
    void ApplyVolume(backend::AudioHandle handle, int volume);

    std::unique_ptr<backend::AudioDevice> _device;
    bool _open = false;
    bool _paused = false;
    std::vector<SampleRecord> _samples;
    std::vector<TrackRecord> _tracks;
    std::map<std::string, backend::AudioHandle> _lastChannel;
    std::set<std::string> _samplesLogged;
    int _soundVolume = 75;
    int _musicVolume = 75;
};

} // namespace Sound

// The global sound service (the scripts' "Sound").
extern Sound::SoundSystemImpl g_sound;
