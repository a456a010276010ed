#pragma once

// Reads a sound file (WAV, OGG, ...) through libsndfile as 16-bit PCM in
// pieces, mono or stereo: a file with more channels keeps its first two.
// Music streams read it a piece at a time, going back to the start at the
// end when they loop; samples read it whole.

#include <cstddef>
#include <string>
#include <vector>

namespace backend {

class SoundFileReader {
public:
    SoundFileReader() = default;
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;
    SoundFileReader(SoundFileReader&& other) noexcept;
    SoundFileReader& operator=(SoundFileReader&& other) noexcept;

    // Opens the file; false (and closed) when it is missing or holds no
    // sound at all.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return _file != nullptr; }

    int Channels() const { return _channels; }
    unsigned Frequency() const { return _frequency; }

    // Back to the first frame.
    bool Rewind();
    // Up to maxFrames frames into pcm (replacing its content), interleaved.
    // With loop set, the end of the file goes on from its start. Returns the
    // frames read: fewer than asked only at the end of a file that does not
    // loop, 0 once it is over.
    std::size_t Read(std::vector<short>& pcm, std::size_t maxFrames, bool loop);
    // Everything from the current position to the end.
    std::size_t ReadToEnd(std::vector<short>& pcm);

private:
    std::size_t ReadSome(short* out, std::size_t maxFrames);

    void* _file = nullptr; // SNDFILE
    int _fileChannels = 0;
    int _channels = 0;
    unsigned _frequency = 0;
    std::vector<short> _scratch;
};

} // namespace backend
