#include "engine/backend/SoundFileReader.h"

#include <sndfile.h>

#include <algorithm>
#include <utility>

namespace backend {

SoundFileReader::~SoundFileReader()
{
    Close();
}

SoundFileReader::SoundFileReader(SoundFileReader&& other) noexcept
{
    *this = std::move(other);
}

SoundFileReader& SoundFileReader::operator=(SoundFileReader&& other) noexcept
{
    if (this != &other) {
        Close();
        _file = std::exchange(other._file, nullptr);
        _fileChannels = std::exchange(other._fileChannels, 0);
        _channels = std::exchange(other._channels, 0);
        _frequency = std::exchange(other._frequency, 0u);
        _scratch = std::move(other._scratch);
    }
    return *this;
}

bool SoundFileReader::Open(const std::string& path)
{
    Close();
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return false;
    if (info.channels <= 0 || info.samplerate <= 0 || info.frames <= 0) {
        sf_close(file);
        return false;
    }
    _file = file;
    _fileChannels = info.channels;
    _channels = std::min(info.channels, 2);
    _frequency = static_cast<unsigned>(info.samplerate);
    return true;
}

void SoundFileReader::Close()
{
    if (_file)
        sf_close(static_cast<SNDFILE*>(_file));
    _file = nullptr;
    _fileChannels = 0;
    _channels = 0;
    _frequency = 0;
}

bool SoundFileReader::Rewind()
{
    return _file && sf_seek(static_cast<SNDFILE*>(_file), 0, SEEK_SET) == 0;
}

std::size_t SoundFileReader::ReadSome(short* out, std::size_t maxFrames)
{
    if (!_file || maxFrames == 0)
        return 0;
    auto* file = static_cast<SNDFILE*>(_file);
    if (_fileChannels == _channels) {
        const sf_count_t got = sf_readf_short(file, out, static_cast<sf_count_t>(maxFrames));
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    _scratch.resize(maxFrames * static_cast<std::size_t>(_fileChannels));
    const sf_count_t got = sf_readf_short(file, _scratch.data(), static_cast<sf_count_t>(maxFrames));
    if (got <= 0)
        return 0;
    const auto frames = static_cast<std::size_t>(got);
    const auto from = static_cast<std::size_t>(_fileChannels);
    const auto kept = static_cast<std::size_t>(_channels);
    for (std::size_t f = 0; f < frames; ++f)
        for (std::size_t c = 0; c < kept; ++c)
            out[f * kept + c] = _scratch[f * from + c];
    return frames;
}

std::size_t SoundFileReader::Read(std::vector<short>& pcm, std::size_t maxFrames, bool loop)
{
    pcm.resize(maxFrames * static_cast<std::size_t>(_channels));
    std::size_t frames = 0;
    bool rewound = false;
    while (frames < maxFrames) {
        const std::size_t got = ReadSome(pcm.data() + frames * static_cast<std::size_t>(_channels),
                                         maxFrames - frames);
        frames += got;
        if (got > 0) {
            rewound = false;
            continue;
        }
        // At the end: a looping read goes on from the start, unless the
        // start gives nothing either.
        if (!loop || rewound || !Rewind())
            break;
        rewound = true;
    }
    pcm.resize(frames * static_cast<std::size_t>(_channels));
    return frames;
}

std::size_t SoundFileReader::ReadToEnd(std::vector<short>& pcm)
{
    pcm.clear();
    if (!_file)
        return 0;
    constexpr std::size_t kPiece = 65536;
    std::size_t frames = 0;
    const auto kept = static_cast<std::size_t>(_channels);
    for (;;) {
        pcm.resize((frames + kPiece) * kept);
        const std::size_t got = ReadSome(pcm.data() + frames * kept, kPiece);
        frames += got;
        if (got == 0)
            break;
    }
    pcm.resize(frames * kept);
    return frames;
}

} // namespace backend
