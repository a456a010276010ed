#include "engine/sound/SoundSystemImpl.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/StrictLookups.h"
#include "engine/util/FileSystem.h"

#include <algorithm>

namespace Sound {
namespace {

int ClampVolume(int volume)
{
    return std::clamp(volume, 0, 100);
}

// How far a fade of the given length has run: 0..1. Only called while the
// fade still runs, that is with a positive length.
float FadeFraction(float elapsed, float fadeTime)
{
    return std::clamp(elapsed / fadeTime, 0.0f, 1.0f);
}

} // namespace

SoundSystemImpl::SoundSystemImpl()
    : SoundSystemImpl(backend::CreateOpenAlAudioDevice())
{
}

SoundSystemImpl::SoundSystemImpl(std::unique_ptr<backend::AudioDevice> device)
    : _device(std::move(device))
{
}

SoundSystemImpl::~SoundSystemImpl() = default;

void SoundSystemImpl::Init()
{
    if (_open || !_device)
        return;
    if (!_device->Open()) {
        LogError("Sound", "No audio device could be opened; the game runs without sound");
        return;
    }
    _open = true;
    g_log.Write("Sound output opened: " + _device->Name(), "DarkBlue");
}

void SoundSystemImpl::Pause()
{
    if (_paused)
        return;
    if (_open)
        _device->PauseOutput();
    _paused = true;
}

void SoundSystemImpl::Resume()
{
    if (!_paused)
        return;
    if (_open)
        _device->ResumeOutput();
    _paused = false;
}

void SoundSystemImpl::Shutdown()
{
    if (!_open)
        return;
    _device->Close();
    _open = false;
}

void SoundSystemImpl::ReplaceDevice(std::unique_ptr<backend::AudioDevice> device)
{
    Shutdown();
    _device = std::move(device);
    _samples.clear();
    _tracks.clear();
    _lastChannel.clear();
    _samplesLogged.clear();
}

void SoundSystemImpl::LoadSample(const std::string& name, const std::string& file, int maxPlaybacks)
{
    const std::string path = "sound\\" + file;
    SampleRecord record;
    record.name = name;
    if (_open) {
        record.sample = _device->LoadSample(ResolvePath(path), maxPlaybacks);
        if (record.sample)
            record.defaultFrequency = _device->SampleFrequency(record.sample);
        else
            LogError("Sound", "Can't load sample \"" + name + "\" from " + path);
    }
    _samples.push_back(record);
}

void SoundSystemImpl::LoadTrack(const std::string& name, const std::string& tag, const std::string& file,
                                bool useSoundVolume)
{
    const std::string path = "sound\\" + file;
    TrackRecord record;
    record.name = name;
    record.tag = tag;
    record.useSoundVolume = useSoundVolume;
    if (_open) {
        record.stream = _device->LoadStream(ResolvePath(path));
        if (!record.stream)
            LogError("Sound", "Can't load track \"" + name + "\" from " + path);
    }
    _tracks.push_back(record);
}

void SoundSystemImpl::PlaySample(const std::string& name)
{
    if (Sample(name))
        StartSample(name, -1);
}

void SoundSystemImpl::PlaySamplePitched(const std::string& name, float factor)
{
    const SampleRecord* sample = Sample(name);
    if (!sample)
        return;
    // A rate that is not positive plays at the sample's own rate.
    const float rate = static_cast<float>(sample->defaultFrequency) * factor;
    const int frequency = rate >= 1.0f ? static_cast<int>(std::min(rate, 1000000.0f)) : -1;
    StartSample(name, frequency);
}

void SoundSystemImpl::StartSample(const std::string& name, int frequency)
{
    if (!_open)
        return;
    const SampleRecord* sample = Sample(name);
    const backend::AudioHandle channel = _device->PlaySample(sample->sample, frequency, _soundVolume);
    if (!channel)
        return;
    _lastChannel[name] = channel;
    if (_samplesLogged.insert(name).second)
        g_log.Write("Sample started: " + name, "DarkBlue");
}

void SoundSystemImpl::SetSoundVolume(int volume)
{
    _soundVolume = ClampVolume(volume);
    for (const auto& [name, channel] : _lastChannel)
        ApplyVolume(channel, _soundVolume);
    for (TrackRecord& track : _tracks) {
        if (track.useSoundVolume && track.playing) {
            track.volume = _soundVolume;
            ApplyVolume(track.stream, track.volume);
        }
    }
}

void SoundSystemImpl::SetMusicVolume(int volume)
{
    _musicVolume = ClampVolume(volume);
    // Tracks that follow the sound volume keep it.
    for (TrackRecord& track : _tracks) {
        if (!track.useSoundVolume && track.playing) {
            track.volume = _musicVolume;
            ApplyVolume(track.stream, track.volume);
        }
    }
}

void SoundSystemImpl::PlayTrack(const std::string& name, int)
{
    TrackRecord* track = Track(name);
    if (!track || track->playing)
        return;
    track->channel = track->stream;
    track->playing = true;
    track->volume = track->useSoundVolume ? _soundVolume : _musicVolume;
    ApplyVolume(track->stream, track->volume);
    StartStream(*track, true, true);
    ApplyVolume(track->channel, track->volume);
}

void SoundSystemImpl::SetTrackVolume(const std::string& name, int volume)
{
    TrackRecord* track = Track(name);
    if (!track)
        return;
    track->channel = track->stream;
    track->volume = ClampVolume(volume);
    ApplyVolume(track->channel, track->volume);
}

void SoundSystemImpl::StopTrack(const std::string& name)
{
    TrackRecord* track = Track(name);
    if (!track || !track->playing)
        return;
    track->channel = track->stream;
    track->playing = false;
    track->state = TrackState::Stopped;
    StopStream(*track);
    if (track->useSoundVolume)
        ApplyVolume(track->channel, 0);
}

void SoundSystemImpl::FadeInTrack(const std::string& name, float seconds, bool loop)
{
    TrackRecord* track = Track(name);
    if (!track)
        return;
    track->channel = track->stream;
    track->fadeStartVolume = track->volume;
    track->fadeTime = seconds;
    track->elapsed = 0.0f;
    track->state = TrackState::FadeIn;
    if (track->playing && track->loop) {
        // Keeps playing and fades from where its volume stands.
        track->loop = loop;
        return;
    }
    track->playing = true;
    ApplyVolume(track->stream, track->fadeStartVolume);
    StartStream(*track, true, loop);
    ApplyVolume(track->channel, track->volume);
    track->loop = loop;
}

void SoundSystemImpl::FadeOutTrack(const std::string& name, float seconds)
{
    TrackRecord* track = Track(name);
    if (track && track->playing)
        StartFadeOut(*track, seconds);
}

void SoundSystemImpl::StartFadeOut(TrackRecord& track, float seconds)
{
    track.channel = track.stream;
    track.fadeStartVolume = track.volume;
    track.fadeTime = seconds;
    track.elapsed = 0.0f;
    track.state = TrackState::FadeOut;
}

void SoundSystemImpl::FadeOutAllTracks(float seconds)
{
    for (TrackRecord& track : _tracks) {
        if (track.playing)
            StartFadeOut(track, seconds);
        if (track.state == TrackState::Delayed) {
            // A pending delayed start is cancelled.
            track.state = TrackState::Stopped;
            track.playing = false;
        }
    }
}

void SoundSystemImpl::FadeOutTagTracks(const std::string& tag, float seconds)
{
    for (TrackRecord& track : _tracks) {
        if (track.tag != tag)
            continue;
        if (track.playing)
            StartFadeOut(track, seconds);
        if (track.state == TrackState::Delayed) {
            track.state = TrackState::Stopped;
            track.playing = false;
        }
    }
}

void SoundSystemImpl::DelayPlayTrack(const std::string& name, float delay, float fadeSeconds, bool loop)
{
    TrackRecord* track = Track(name);
    if (!track)
        return;
    track->channel = track->stream;
    if (track->playing) {
        StopStream(*track);
        track->playing = false;
    }
    track->elapsed = 0.0f;
    track->fadeTime = fadeSeconds;
    track->delay = delay;
    track->state = TrackState::Delayed;
    track->loop = loop;
}

void SoundSystemImpl::UpdateTracks(float dt)
{
    for (TrackRecord& track : _tracks) {
        if (!track.playing && track.state != TrackState::Delayed)
            continue;
        track.elapsed += dt;
        track.channel = track.stream;
        // A fade of no length (or a negative one) ends on this update.
        const bool fadeRuns = track.fadeTime > 0.0f && track.elapsed < track.fadeTime;
        switch (track.state) {
        case TrackState::FadeIn: {
            const int target = track.useSoundVolume ? _soundVolume : _musicVolume;
            if (fadeRuns) {
                const float t = FadeFraction(track.elapsed, track.fadeTime);
                track.volume = track.fadeStartVolume + static_cast<int>(static_cast<float>(target - track.fadeStartVolume) * t);
                ApplyVolume(track.channel, track.volume);
            } else {
                track.state = TrackState::Playing;
                track.volume = target;
                ApplyVolume(track.channel, track.volume);
            }
            break;
        }
        case TrackState::FadeOut:
            if (fadeRuns) {
                const float t = FadeFraction(track.elapsed, track.fadeTime);
                track.volume = track.fadeStartVolume - static_cast<int>(static_cast<float>(track.fadeStartVolume) * t);
                ApplyVolume(track.channel, track.volume);
            } else {
                track.state = TrackState::Stopped;
                track.playing = false;
                track.volume = 0;
                ApplyVolume(track.channel, 0);
                StopStream(track);
            }
            break;
        case TrackState::Delayed:
            if (track.elapsed > track.delay) {
                track.fadeStartVolume = track.volume;
                track.elapsed = 0.0f;
                track.state = TrackState::FadeIn;
                if (!track.playing) {
                    track.playing = true;
                    ApplyVolume(track.stream, track.volume);
                    StartStream(track, false, track.loop);
                    ApplyVolume(track.channel, track.volume);
                }
            }
            break;
        case TrackState::Playing:
        case TrackState::Stopped:
            break;
        }
    }
}

const SampleRecord* SoundSystemImpl::FindSample(const std::string& name) const
{
    auto it = std::find_if(_samples.begin(), _samples.end(), [&](const SampleRecord& s) { return s.name == name; });
    return it == _samples.end() ? nullptr : &*it;
}

const TrackRecord* SoundSystemImpl::FindTrack(const std::string& name) const
{
    auto it = std::find_if(_tracks.begin(), _tracks.end(), [&](const TrackRecord& t) { return t.name == name; });
    return it == _tracks.end() ? nullptr : &*it;
}

backend::AudioHandle SoundSystemImpl::LastChannel(const std::string& name) const
{
    auto it = _lastChannel.find(name);
    return it == _lastChannel.end() ? 0 : it->second;
}

SampleRecord* SoundSystemImpl::Sample(const std::string& name)
{
    auto* sample = const_cast<SampleRecord*>(FindSample(name));
    if (!sample)
        ReportMissingName("sample", name);
    return sample;
}

TrackRecord* SoundSystemImpl::Track(const std::string& name)
{
    auto* track = const_cast<TrackRecord*>(FindTrack(name));
    if (!track)
        ReportMissingName("track", name);
    return track;
}

void SoundSystemImpl::StartStream(TrackRecord& track, bool fromStart, bool loop)
{
    if (!_open || !track.stream)
        return;
    _device->PlayStream(track.stream, fromStart, loop);
    g_log.Write("Track started: " + track.name, "DarkBlue");
}

void SoundSystemImpl::StopStream(TrackRecord& track)
{
    if (_open)
        _device->StopStream(track.stream);
}

void SoundSystemImpl::ApplyVolume(backend::AudioHandle handle, int volume)
{
    if (_open)
        _device->SetVolume(handle, volume);
}

} // namespace Sound
