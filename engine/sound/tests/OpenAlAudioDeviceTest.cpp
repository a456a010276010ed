// The real output under the null driver of OpenAL Soft (the test main sets
// ALSOFT_DRIVERS=null): generated WAV files load, play, pause and stop
// without a crash, and a sample refuses more channels than its limit.

#include "engine/backend/AudioDevice.h"
#include "engine/sound/SoundSystemImpl.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <sys/stat.h>
#include <vector>

namespace {

// A sine tone of the given length as a 16-bit WAV file.
void WriteToneWav(const std::string& path, int rate, int channels, float seconds)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    const int frames = static_cast<int>(static_cast<float>(rate) * seconds);
    std::vector<short> pcm(static_cast<size_t>(frames * channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            pcm[static_cast<size_t>(i * channels + c)] =
                static_cast<short>(8000.0 * std::sin(2.0 * M_PI * 440.0 * i / rate));
    sf_writef_short(file, pcm.data(), frames);
    sf_close(file);
}

} // namespace

TEST(OpenAlAudioDevice, PlaysGeneratedFilesWithinTheirChannelLimit)
{
    testing_support::TempDir dir;
    WriteToneWav(dir.File("tone.wav"), 22050, 1, 2.0f);
    WriteToneWav(dir.File("music.wav"), 44100, 2, 1.0f);

    auto device = backend::CreateOpenAlAudioDevice();
    EXPECT_EQ(device->LoadSample(dir.File("tone.wav"), 2), 0u); // not open yet
    if (!device->Open())
        GTEST_SKIP() << "no OpenAL output, not even the null driver";

    const backend::AudioHandle sample = device->LoadSample(dir.File("tone.wav"), 2);
    ASSERT_NE(sample, 0u);
    EXPECT_EQ(device->SampleFrequency(sample), 22050u);
    EXPECT_EQ(device->LoadSample(dir.File("nothing.wav"), 2), 0u);

    const backend::AudioHandle a = device->PlaySample(sample, -1, 75);
    const backend::AudioHandle b = device->PlaySample(sample, 33075, 50);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(device->PlaySample(sample, -1, 75), 0u); // both channels busy
    device->SetVolume(a, 20);
    device->SetVolume(12345, 20); // unknown: ignored

    const backend::AudioHandle stream = device->LoadStream(dir.File("music.wav"));
    ASSERT_NE(stream, 0u);
    device->PlayStream(stream, true, true);
    device->SetVolume(stream, 60);
    device->PauseOutput();
    device->ResumeOutput();
    device->StopStream(stream);
    device->PlayStream(stream, false, false);
    device->Close();
    device->Close();
    EXPECT_EQ(device->PlaySample(sample, -1, 75), 0u); // closed
}

TEST(OpenAlAudioDevice, SoundSystemPlaysASampleAndALoopingTrack)
{
    testing_support::TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("Sound").c_str(), 0700), 0);
    WriteToneWav(dir.File("Sound/Click.wav"), 22050, 1, 0.2f);
    WriteToneWav(dir.File("Sound/Theme.wav"), 44100, 2, 0.5f);
    testing_support::ScopedCurrentDir cwd(dir.Path());
    testing_support::ScopedLogFile logFile;

    Sound::SoundSystemImpl sound;
    sound.Init();
    if (!sound.IsOpen()) {
        GTEST_SKIP() << "no OpenAL output, not even the null driver";
    }
    sound.LoadSample("Click", "click.wav", 2); // names are matched ignoring case
    sound.LoadTrack("Theme", "Common", "theme.wav", false);
    ASSERT_NE(sound.FindSample("Click")->sample, 0u);
    EXPECT_EQ(sound.FindSample("Click")->defaultFrequency, 22050u);
    ASSERT_NE(sound.FindTrack("Theme")->stream, 0u);

    sound.PlaySample("Click");
    sound.PlaySamplePitched("Click", 1.2f);
    EXPECT_NE(sound.LastChannel("Click"), 0u);
    sound.FadeInTrack("Theme", 0.1f, true);
    for (int i = 0; i < 10; ++i)
        sound.UpdateTracks(0.02f);
    EXPECT_EQ(sound.FindTrack("Theme")->state, Sound::TrackState::Playing);
    sound.Pause();
    sound.Resume();
    sound.StopTrack("Theme");
    sound.Shutdown();
    sound.PlaySample("Click");
    sound.FadeInTrack("Theme", 0.1f, true);
    logFile.Close();

    const std::string log = logFile.Text();
    EXPECT_NE(log.find("Sample started: Click"), std::string::npos);
    EXPECT_NE(log.find("Track started: Theme"), std::string::npos);
}
