#include "tools/soundgen/SoundWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The CRC of Ogg pages: polynomial 0x04C11DB7, not reflected, starting at 0.
std::uint32_t OggCrc(const std::vector<unsigned char>& data, size_t from, size_t length)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : (r << 1);
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (size_t i = from; i < from + length; ++i)
        crc = (crc << 8) ^ table[((crc >> 24) ^ data[i]) & 0xFF];
    return crc;
}

// Gives every page of the (single-stream) file the serial number and a
// fresh checksum. False when the file is not a sequence of Ogg pages.
bool SetOggSerial(const std::string& path, std::uint32_t serial)
{
    std::vector<unsigned char> data;
    {
        std::ifstream in(path, std::ios::binary);
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    size_t at = 0;
    while (at < data.size()) {
        if (data.size() - at < 27 || data[at] != 'O' || data[at + 1] != 'g' || data[at + 2] != 'g' || data[at + 3] != 'S')
            return false;
        const size_t segments = data[at + 26];
        if (data.size() - at < 27 + segments)
            return false;
        size_t length = 27 + segments;
        for (size_t i = 0; i < segments; ++i)
            length += data[at + 27 + i];
        if (data.size() - at < length)
            return false;
        for (int k = 0; k < 4; ++k) {
            data[at + 14 + static_cast<size_t>(k)] = static_cast<unsigned char>(serial >> (8 * k));
            data[at + 22 + static_cast<size_t>(k)] = 0;
        }
        const std::uint32_t crc = OggCrc(data, at, length);
        for (int k = 0; k < 4; ++k)
            data[at + 22 + static_cast<size_t>(k)] = static_cast<unsigned char>(crc >> (8 * k));
        at += length;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out.flush());
}

} // namespace

bool WriteSound(const std::string& path, const SampleBuffer& buffer, std::string& error)
{
    const bool ogg = path.size() >= 4 && path.compare(path.size() - 4, 4, ".ogg") == 0;
    SF_INFO info{};
    info.samplerate = buffer.Rate();
    info.channels = 1;
    info.format = ogg ? (SF_FORMAT_OGG | SF_FORMAT_VORBIS) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        error = "cannot write " + path + ": " + sf_strerror(nullptr);
        return false;
    }
    if (ogg) {
        double quality = 0.3;
        sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    }
    std::vector<float> samples = buffer.Samples();
    for (float& s : samples)
        s = std::clamp(s, -1.0f, 1.0f);
    const sf_count_t written = sf_write_float(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    const int closed = sf_close(file);
    if (written != static_cast<sf_count_t>(samples.size()) || closed != 0 || (ogg && !SetOggSerial(path, 0x56454C4Du))) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
