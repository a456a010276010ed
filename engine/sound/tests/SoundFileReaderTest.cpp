// Reading sound files in pieces for the music streams: extra channels are
// dropped, a looping read goes on from the start, a plain one ends, and a
// file without sound does not open.

#include "engine/backend/SoundFileReader.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <vector>

namespace {

// A WAV file whose frame i holds i, -i, 7, ... on its channels.
void WriteCountingWav(const std::string& path, int channels, int frames)
{
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<short> pcm;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            pcm.push_back(static_cast<short>(c == 0 ? i : c == 1 ? -i : 7));
    sf_writef_short(file, pcm.data(), frames);
    sf_close(file);
}

// The first channel's values of interleaved frames.
std::vector<short> FirstChannel(const std::vector<short>& pcm, int channels)
{
    std::vector<short> out;
    for (std::size_t i = 0; i < pcm.size(); i += static_cast<std::size_t>(channels))
        out.push_back(pcm[i]);
    return out;
}

} // namespace

TEST(SoundFileReader, KeepsTheFirstTwoOfMoreChannels)
{
    testing_support::TempDir dir;
    WriteCountingWav(dir.File("three.wav"), 3, 5);
    backend::SoundFileReader reader;
    ASSERT_TRUE(reader.Open(dir.File("three.wav")));
    EXPECT_EQ(reader.Channels(), 2);
    EXPECT_EQ(reader.Frequency(), 8000u);
    std::vector<short> pcm;
    ASSERT_EQ(reader.ReadToEnd(pcm), 5u);
    EXPECT_EQ(pcm, (std::vector<short>{0, 0, 1, -1, 2, -2, 3, -3, 4, -4}));
}

TEST(SoundFileReader, PiecesEndOrLoopAtTheEndOfTheFile)
{
    testing_support::TempDir dir;
    WriteCountingWav(dir.File("ten.wav"), 1, 10);
    struct Case {
        bool loop;
        std::vector<std::vector<short>> pieces; // the frames of each read of 4
    };
    const Case cases[] = {
        {false, {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9}, {}}},
        {true, {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 0, 1}, {2, 3, 4, 5}}},
    };
    for (const Case& c : cases) {
        backend::SoundFileReader reader;
        ASSERT_TRUE(reader.Open(dir.File("ten.wav")));
        std::vector<short> pcm;
        for (const auto& expected : c.pieces) {
            EXPECT_EQ(reader.Read(pcm, 4, c.loop), expected.size()) << "loop " << c.loop;
            EXPECT_EQ(FirstChannel(pcm, 1), expected) << "loop " << c.loop;
        }
        ASSERT_TRUE(reader.Rewind());
        EXPECT_EQ(reader.Read(pcm, 2, c.loop), 2u);
        EXPECT_EQ(pcm, (std::vector<short>{0, 1}));
    }
}

TEST(SoundFileReader, MissingEmptyOrForeignFilesDoNotOpen)
{
    testing_support::TempDir dir;
    WriteCountingWav(dir.File("empty.wav"), 2, 0);
    testing_support::WriteTextFile(dir.File("text.wav"), "not a sound");
    for (const char* name : {"missing.wav", "empty.wav", "text.wav"}) {
        backend::SoundFileReader reader;
        EXPECT_FALSE(reader.Open(dir.File(name))) << name;
        EXPECT_FALSE(reader.IsOpen()) << name;
        std::vector<short> pcm{1, 2};
        EXPECT_EQ(reader.Read(pcm, 4, true), 0u) << name;
        EXPECT_TRUE(pcm.empty()) << name;
    }
}
