#include "engine/backend/AudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include "engine/backend/SoundFileReader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace backend {
namespace {

// Music plays from a ring of buffers that a thread of the device refills
// from the open file, so a track never has to be decoded whole.
constexpr int kStreamBuffers = 4;
constexpr std::size_t kStreamBufferFrames = 8192;
constexpr auto kStreamRefillPeriod = std::chrono::milliseconds(20);

ALenum PcmFormat(int channels)
{
    return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
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
        _stopRefill = false;
        _refillThread = std::thread([this] { RefillLoop(); });
        return true;
    }

    void Close() override
    {
        if (!_context)
            return;
        {
            std::lock_guard<std::mutex> lock(_mutex);
            _stopRefill = true;
        }
        _refillWake.notify_all();
        if (_refillThread.joinable())
            _refillThread.join();
        std::lock_guard<std::mutex> lock(_mutex);
        for (auto& [handle, channel] : _channels)
            ReleaseSource(channel.source);
        for (auto& [handle, stream] : _streams) {
            ReleaseSource(stream.source);
            alDeleteBuffers(kStreamBuffers, stream.buffers.data());
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
        std::lock_guard<std::mutex> lock(_mutex);
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
        std::lock_guard<std::mutex> lock(_mutex);
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
        // Decoded before the lock, so the music's refill never waits for it.
        SoundFileReader file;
        std::vector<short> pcm;
        if (!file.Open(path) || file.ReadToEnd(pcm) == 0)
            return 0;
        std::lock_guard<std::mutex> lock(_mutex);
        ALuint buffer = 0;
        if (!_context || !MakeBuffer(file, pcm, buffer))
            return 0;
        const unsigned frequency = file.Frequency();
        const AudioHandle handle = NextHandle();
        _samples[handle] = Sample{buffer, frequency, std::max(maxPlaybacks, 1)};
        return handle;
    }

    unsigned SampleFrequency(AudioHandle sample) override
    {
        std::lock_guard<std::mutex> lock(_mutex);
        auto it = _samples.find(sample);
        return it == _samples.end() ? 0 : it->second.frequency;
    }

    AudioHandle PlaySample(AudioHandle sample, int frequency, int volume) override
    {
        std::lock_guard<std::mutex> lock(_mutex);
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
        Stream stream;
        if (!stream.file.Open(path))
            return 0;
        std::lock_guard<std::mutex> lock(_mutex);
        if (!_context)
            return 0;
        alGetError();
        alGenBuffers(kStreamBuffers, stream.buffers.data());
        if (alGetError() != AL_NO_ERROR)
            return 0;
        stream.source = TakeSource();
        if (!stream.source) {
            alDeleteBuffers(kStreamBuffers, stream.buffers.data());
            return 0;
        }
        alSourcei(stream.source, AL_LOOPING, AL_FALSE);
        const AudioHandle handle = NextHandle();
        _streams.emplace(handle, std::move(stream));
        return handle;
    }

    void PlayStream(AudioHandle stream, bool fromStart, bool loop) override
    {
        std::lock_guard<std::mutex> lock(_mutex);
        auto it = _streams.find(stream);
        if (!_context || it == _streams.end())
            return;
        Stream& s = it->second;
        s.loop = loop;
        const ALint state = State(s.source);
        if (state == AL_PLAYING && !fromStart) {
            s.active = true;
            return;
        }
        // A stream stopped part-way goes on where it was; one never started
        // or played out starts again from its beginning.
        if (fromStart || state != AL_PAUSED || QueuedBuffers(s.source) == 0) {
            alSourceStop(s.source);
            alSourcei(s.source, AL_BUFFER, 0);
            s.file.Rewind();
            for (ALuint buffer : s.buffers)
                if (!Refill(s, buffer))
                    break;
        }
        if (QueuedBuffers(s.source) == 0) {
            s.active = false;
            return;
        }
        alSourcePlay(s.source);
        s.active = true;
    }

    void StopStream(AudioHandle stream) override
    {
        std::lock_guard<std::mutex> lock(_mutex);
        auto it = _streams.find(stream);
        if (!_context || it == _streams.end())
            return;
        it->second.active = false;
        if (State(it->second.source) == AL_PLAYING)
            alSourcePause(it->second.source);
    }

    void SetVolume(AudioHandle handle, int volume) override
    {
        std::lock_guard<std::mutex> lock(_mutex);
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
        SoundFileReader file;
        std::array<ALuint, kStreamBuffers> buffers{};
        ALuint source = 0;
        bool loop = false;
        // Playing as far as its caller knows: the refill thread keeps it fed
        // and starts it again after a starved moment.
        bool active = false;
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

    // One OpenAL buffer holding the decoded file.
    static bool MakeBuffer(const SoundFileReader& file, const std::vector<short>& pcm, ALuint& buffer)
    {
        alGetError();
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR)
            return false;
        alBufferData(buffer, PcmFormat(file.Channels()), pcm.data(), static_cast<ALsizei>(pcm.size() * sizeof(short)),
                     static_cast<ALsizei>(file.Frequency()));
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            return false;
        }
        return true;
    }

    static ALint QueuedBuffers(ALuint source)
    {
        ALint queued = 0;
        alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
        return queued;
    }

    // The next piece of the stream's file into the buffer, queued on its
    // source. False at the end of a file that does not loop.
    bool Refill(Stream& stream, ALuint buffer)
    {
        if (stream.file.Read(_pcm, kStreamBufferFrames, stream.loop) == 0)
            return false;
        alBufferData(buffer, PcmFormat(stream.file.Channels()), _pcm.data(),
                     static_cast<ALsizei>(_pcm.size() * sizeof(short)), static_cast<ALsizei>(stream.file.Frequency()));
        alSourceQueueBuffers(stream.source, 1, &buffer);
        return true;
    }

    void RefillStreams()
    {
        for (auto& [handle, stream] : _streams) {
            if (!stream.active)
                continue;
            ALint processed = 0;
            alGetSourcei(stream.source, AL_BUFFERS_PROCESSED, &processed);
            while (processed-- > 0) {
                ALuint buffer = 0;
                alSourceUnqueueBuffers(stream.source, 1, &buffer);
                Refill(stream, buffer);
            }
            if (QueuedBuffers(stream.source) == 0)
                stream.active = false; // played out
            else if (State(stream.source) == AL_STOPPED)
                alSourcePlay(stream.source); // it ran dry for a moment
        }
    }

    void RefillLoop()
    {
        std::unique_lock<std::mutex> lock(_mutex);
        while (!_stopRefill) {
            RefillStreams();
            _refillWake.wait_for(lock, kStreamRefillPeriod, [this] { return _stopRefill; });
        }
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
    std::vector<short> _pcm;
    // Guards everything above against the refill thread.
    std::mutex _mutex;
    std::condition_variable _refillWake;
    std::thread _refillThread;
    bool _stopRefill = false;
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
