#pragma once

// An audio output that plays nothing and remembers what it was asked: the
// calls in order, each handle's last volume, each stream's play state, and
// per-sample channel limits (a channel counts as busy until FinishChannels).

#include "engine/backend/AudioDevice.h"

#include <map>
#include <string>
#include <vector>

class RecordingAudioDevice : public backend::AudioDevice {
public:
    struct StreamState {
        std::string path;
        bool playing = false;
        bool loop = false;
        int startsFromBeginning = 0;
        int resumes = 0;
    };
    struct SamplePlay {
        backend::AudioHandle sample;
        int frequency;
        int volume;
    };

    bool openResult = true;
    bool open = false;
    bool outputPaused = false;
    unsigned sampleFrequency = 22050;
    std::vector<std::string> calls;
    std::map<backend::AudioHandle, int> volumes;
    std::map<backend::AudioHandle, StreamState> streams;
    std::vector<SamplePlay> samplePlays;

    bool Open() override
    {
        calls.push_back("Open");
        open = openResult;
        return open;
    }
    void Close() override
    {
        calls.push_back("Close");
        open = false;
    }
    void PauseOutput() override
    {
        calls.push_back("PauseOutput");
        outputPaused = true;
    }
    void ResumeOutput() override
    {
        calls.push_back("ResumeOutput");
        outputPaused = false;
    }
    std::string Name() override { return "Recording"; }

    backend::AudioHandle LoadSample(const std::string& path, int maxPlaybacks) override
    {
        calls.push_back("LoadSample " + path);
        if (path.find("missing") != std::string::npos)
            return 0;
        const backend::AudioHandle handle = ++_lastHandle;
        _limits[handle] = maxPlaybacks;
        return handle;
    }
    unsigned SampleFrequency(backend::AudioHandle) override { return sampleFrequency; }
    backend::AudioHandle PlaySample(backend::AudioHandle sample, int frequency, int volume) override
    {
        calls.push_back("PlaySample");
        if (!_limits.count(sample) || _busy[sample] >= _limits[sample])
            return 0;
        ++_busy[sample];
        samplePlays.push_back({sample, frequency, volume});
        const backend::AudioHandle channel = ++_lastHandle;
        volumes[channel] = volume;
        return channel;
    }
    void FinishChannels() { _busy.clear(); }

    backend::AudioHandle LoadStream(const std::string& path) override
    {
        calls.push_back("LoadStream " + path);
        const backend::AudioHandle handle = ++_lastHandle;
        streams[handle].path = path;
        return handle;
    }
    void PlayStream(backend::AudioHandle stream, bool fromStart, bool loop) override
    {
        calls.push_back(fromStart ? "PlayStream from start" : "PlayStream");
        StreamState& s = streams.at(stream);
        s.playing = true;
        s.loop = loop;
        ++(fromStart ? s.startsFromBeginning : s.resumes);
    }
    void StopStream(backend::AudioHandle stream) override
    {
        calls.push_back("StopStream");
        streams.at(stream).playing = false;
    }
    void SetVolume(backend::AudioHandle handle, int volume) override
    {
        calls.push_back("SetVolume");
        volumes[handle] = volume;
    }

private:
    backend::AudioHandle _lastHandle = 0;
    std::map<backend::AudioHandle, int> _limits;
    std::map<backend::AudioHandle, int> _busy;
};
