#include "engine/backend/AudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <algorithm>
#include <map>
#include <vector>

namespace backend {
namespace {

// A whole file decoded to 16-bit PCM, mono or stereo.
struct DecodedSound {
    std::vector<short> pcm;
    int channels = 0;
    unsigned frequency = 0;
};

bool Decode(const std::string& path, DecodedSound& out)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return false;
    bool ok = info.channels > 0 && info.samplerate > 0 && info.frames > 0;
    if (ok) {
        std::vector<short> all(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
        const sf_count_t got = sf_readf_short(file, all.data(), info.frames);
        ok = got > 0;
        if (ok) {
            // Anything beyond two channels keeps its first two.
            const int kept = std::min(info.channels, 2);
            out.pcm.resize(static_cast<size_t>(got) * static_cast<size_t>(kept));
            for (sf_count_t f = 0; f < got; ++f)
                for (int c = 0; c < kept; ++c)
                    out.pcm[static_cast<size_t>(f * kept + c)] = all[static_cast<size_t>(f * info.channels + c)];
            out.channels = kept;
            out.frequency = static_cast<unsigned>(info.samplerate);
        }
    }
    sf_close(file);
    return ok;
}

class OpenAlAudioDevice : public AudioDevice {
public:
    ~OpenAlAudioDevice() override { Close(); }

    bool Open() override
    {
        if (_context)
            return true;
        _device = alcOpenDevice(nullptr);
        if (!_device)
            return false;
        _context = alcCreateContext(_device, nullptr);
        if (!_context || !alcMakeContextCurrent(_context)) {
            if (_context)
                alcDestroyContext(_context);
            alcCloseDevice(_device);
            _context = nullptr;
            _device = nullptr;
            return false;
        }
        if (alcIsExtensionPresent(_device, "ALC_SOFT_pause_device")) {
            _pauseDevice = reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(_device, "alcDevicePauseSOFT"));
            _resumeDevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(_device, "alcDeviceResumeSOFT"));
        }
        return true;
    }

    void Close() override
    {
        if (!_context)
            return;
        for (auto& [handle, channel] : _channels)
            ReleaseSource(channel.source);
        for (auto& [handle, stream] : _streams) {
            ReleaseSource(stream.source);
            alDeleteBuffers(1, &stream.buffer);
        }
        if (!_freeSources.empty())
            alDeleteSources(static_cast<ALsizei>(_freeSources.size()), _freeSources.data());
        for (auto& [handle, sample] : _samples)
            alDeleteBuffers(1, &sample.buffer);
        _channels.clear();
        _streams.clear();
        _samples.clear();
        _freeSources.clear();
        _pausedSources.clear();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(_context);
        alcCloseDevice(_device);
        _context = nullptr;
        _device = nullptr;
        _pauseDevice = nullptr;
        _resumeDevice = nullptr;
    }

    void PauseOutput() override
    {
        if (!_context)
            return;
        if (_pauseDevice) {
            _pauseDevice(_device);
            return;
        }
        // Without the device pause: pause every playing source and remember it.
        auto pauseIfPlaying = [this](ALuint source) {
            if (State(source) == AL_PLAYING) {
                alSourcePause(source);
                _pausedSources.push_back(source);
            }
        };
        for (auto& [handle, channel] : _channels)
            pauseIfPlaying(channel.source);
        for (auto& [handle, stream] : _streams)
            pauseIfPlaying(stream.source);
    }

    void ResumeOutput() override
    {
        if (!_context)
            return;
        if (_resumeDevice) {
            _resumeDevice(_device);
            return;
        }
        for (ALuint source : _pausedSources)
            if (State(source) == AL_PAUSED)
                alSourcePlay(source);
        _pausedSources.clear();
    }

    std::string Name() override
    {
        if (!_device)
            return std::string();
        const ALCchar* name = alcGetString(_device, ALC_DEVICE_SPECIFIER);
        return name ? name : "";
    }

    AudioHandle LoadSample(const std::string& path, int maxPlaybacks) override
    {
        ALuint buffer = 0;
        unsigned frequency = 0;
        if (!_context || !LoadBuffer(path, buffer, frequency))
            return 0;
        const AudioHandle handle = NextHandle();
        _samples[handle] = Sample{buffer, frequency, std::max(maxPlaybacks, 1)};
        return handle;
    }

    unsigned SampleFrequency(AudioHandle sample) override
    {
        auto it = _samples.find(sample);
        return it == _samples.end() ? 0 : it->second.frequency;
    }

    AudioHandle PlaySample(AudioHandle sample, int frequency, int volume) override
    {
        auto it = _samples.find(sample);
        if (!_context || it == _samples.end())
            return 0;
        ReclaimFinishedChannels();
        const int busy = static_cast<int>(std::count_if(_channels.begin(), _channels.end(),
            [sample](const auto& entry) { return entry.second.sample == sample; }));
        if (busy >= it->second.maxPlaybacks)
            return 0;
        const ALuint source = TakeSource();
        if (!source)
            return 0;
        alSourcei(source, AL_BUFFER, static_cast<ALint>(it->second.buffer));
        const float pitch = frequency > 0 && it->second.frequency > 0
            ? static_cast<float>(frequency) / static_cast<float>(it->second.frequency)
            : 1.0f;
        alSourcef(source, AL_PITCH, pitch);
        alSourcef(source, AL_GAIN, VolumeToGain(volume));
        alSourcei(source, AL_LOOPING, AL_FALSE);
        alSourcePlay(source);
        const AudioHandle handle = NextHandle();
        _channels[handle] = Channel{source, sample};
        return handle;
    }

    AudioHandle LoadStream(const std::string& path) override
    {
        ALuint buffer = 0;
        unsigned frequency = 0;
        if (!_context || !LoadBuffer(path, buffer, frequency))
            return 0;
        const ALuint source = TakeSource();
        if (!source) {
            alDeleteBuffers(1, &buffer);
            return 0;
        }
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
        const AudioHandle handle = NextHandle();
        _streams[handle] = Stream{buffer, source};
        return handle;
    }

    void PlayStream(AudioHandle stream, bool fromStart, bool loop) override
    {
        auto it = _streams.find(stream);
        if (!_context || it == _streams.end())
            return;
        const ALuint source = it->second.source;
        if (fromStart)
            alSourceRewind(source);
        alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        if (State(source) != AL_PLAYING)
            alSourcePlay(source);
    }

    void StopStream(AudioHandle stream) override
    {
        auto it = _streams.find(stream);
        if (!_context || it == _streams.end())
            return;
        if (State(it->second.source) == AL_PLAYING)
            alSourcePause(it->second.source);
    }

    void SetVolume(AudioHandle handle, int volume) override
    {
        if (!_context)
            return;
        if (auto it = _channels.find(handle); it != _channels.end())
            alSourcef(it->second.source, AL_GAIN, VolumeToGain(volume));
        else if (auto st = _streams.find(handle); st != _streams.end())
            alSourcef(st->second.source, AL_GAIN, VolumeToGain(volume));
    }

private:
    struct Sample {
        ALuint buffer;
        unsigned frequency;
        int maxPlaybacks;
    };
    struct Channel {
        ALuint source;
        AudioHandle sample;
    };
    struct Stream {
        ALuint buffer;
        ALuint source;
    };

    AudioHandle NextHandle()
    {
        if (++_lastHandle == 0)
            ++_lastHandle;
        return _lastHandle;
    }

    static ALint State(ALuint source)
    {
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        return state;
    }

    bool LoadBuffer(const std::string& path, ALuint& buffer, unsigned& frequency)
    {
        DecodedSound sound;
        if (!Decode(path, sound))
            return false;
        alGetError();
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR)
            return false;
        alBufferData(buffer, sound.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, sound.pcm.data(),
                     static_cast<ALsizei>(sound.pcm.size() * sizeof(short)), static_cast<ALsizei>(sound.frequency));
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            return false;
        }
        frequency = sound.frequency;
        return true;
    }

    // A source from the free list or a new one, set up to play unpositioned.
    ALuint TakeSource()
    {
        if (!_freeSources.empty()) {
            const ALuint source = _freeSources.back();
            _freeSources.pop_back();
            return source;
        }
        alGetError();
        ALuint source = 0;
        alGenSources(1, &source);
        if (alGetError() != AL_NO_ERROR)
            return 0;
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
        return source;
    }

    void ReleaseSource(ALuint source)
    {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
        alDeleteSources(1, &source);
    }

    // Channels whose sample has played out give their source back.
    void ReclaimFinishedChannels()
    {
        for (auto it = _channels.begin(); it != _channels.end();) {
            const ALint state = State(it->second.source);
            if (state == AL_STOPPED || state == AL_INITIAL) {
                alSourcei(it->second.source, AL_BUFFER, 0);
                _freeSources.push_back(it->second.source);
                it = _channels.erase(it);
            } else {
                ++it;
            }
        }
    }

    ALCdevice* _device = nullptr;
    ALCcontext* _context = nullptr;
    LPALCDEVICEPAUSESOFT _pauseDevice = nullptr;
    LPALCDEVICERESUMESOFT _resumeDevice = nullptr;
    AudioHandle _lastHandle = 0;
    std::map<AudioHandle, Sample> _samples;
    std::map<AudioHandle, Channel> _channels;
    std::map<AudioHandle, Stream> _streams;
    std::vector<ALuint> _freeSources;
    std::vector<ALuint> _pausedSources;
};

} // namespace

float VolumeToGain(int volume)
{
    return static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
}

std::unique_ptr<AudioDevice> CreateOpenAlAudioDevice()
{
    return std::make_unique<OpenAlAudioDevice>();
}

} // namespace backend
