#include "tools/soundgen/SoundWriter.h"

#include <sndfile.h>

#include <algorithm>

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
    if (written != static_cast<sf_count_t>(samples.size()) || closed != 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
