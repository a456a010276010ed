#include "engine/sound/SoundSystemImpl.h"
#include "engine/sound/tests/RecordingAudioDevice.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

using Sound::SoundSystemImpl;
using Sound::TrackRecord;
using Sound::TrackState;

namespace {

struct SoundFixture {
    RecordingAudioDevice* device = nullptr;
    std::unique_ptr<SoundSystemImpl> sound;

    explicit SoundFixture(bool deviceOpens = true)
    {
        auto recording = std::make_unique<RecordingAudioDevice>();
        recording->openResult = deviceOpens;
        device = recording.get();
        sound = std::make_unique<SoundSystemImpl>(std::move(recording));
        sound->Init();
    }
    const TrackRecord& Track(const std::string& name) const { return *sound->FindTrack(name); }
    RecordingAudioDevice::StreamState& Stream(const std::string& name) { return device->streams.at(Track(name).stream); }
    int DeviceVolume(const std::string& name) { return device->volumes.at(Track(name).stream); }
    void Update(float dt, int frames = 1)
    {
        for (int i = 0; i < frames; ++i)
            sound->UpdateTracks(dt);
    }
};

} // namespace

TEST(SoundSystem, FadeInOfAFreshTrackRisesInTruncatedSteps)
{
    SoundFixture f;
    f.sound->LoadTrack("Theme", "Menu", "theme.ogg", false);
    EXPECT_EQ(f.device->streams.begin()->second.path, "sound/theme.ogg");
    f.sound->FadeInTrack("Theme", 2.0f, true);
    EXPECT_TRUE(f.Stream("Theme").playing);
    EXPECT_EQ(f.Stream("Theme").startsFromBeginning, 1);
    EXPECT_EQ(f.DeviceVolume("Theme"), 0);

    f.Update(0.02f);
    EXPECT_EQ(f.Track("Theme").volume, 0); // 0.75 truncates
    f.Update(0.02f);
    EXPECT_EQ(f.Track("Theme").volume, 1); // 1.5
    f.Update(0.02f, 48);
    EXPECT_EQ(f.Track("Theme").volume, 37); // one second: 37.5
    EXPECT_EQ(f.Track("Theme").state, TrackState::FadeIn);

    int frames = 50;
    while (f.Track("Theme").state == TrackState::FadeIn && frames < 200) {
        f.Update(0.02f);
        ++frames;
    }
    EXPECT_EQ(f.Track("Theme").state, TrackState::Playing);
    EXPECT_GE(f.Track("Theme").elapsed, 2.0f);
    EXPECT_LE(frames, 101); // 100 steps of 0.02f sum to just under 2
    EXPECT_EQ(f.Track("Theme").volume, 75);
    EXPECT_EQ(f.DeviceVolume("Theme"), 75);
}

TEST(SoundSystem, FadesOfNoLengthEndOnTheFirstUpdate)
{
    for (float fadeTime : {0.0f, -1.0f}) {
        SCOPED_TRACE(fadeTime);
        SoundFixture f;
        f.sound->LoadTrack("In", "Common", "in.ogg", false);
        f.sound->LoadTrack("Out", "Common", "out.ogg", false);
        f.sound->PlayTrack("Out");
        f.sound->FadeInTrack("In", fadeTime, true);
        f.sound->FadeOutTrack("Out", fadeTime);
        f.Update(0.0f);
        EXPECT_EQ(f.Track("In").state, TrackState::Playing);
        EXPECT_EQ(f.Track("In").volume, 75);
        EXPECT_EQ(f.Track("Out").state, TrackState::Stopped);
        EXPECT_FALSE(f.Track("Out").playing);
        EXPECT_EQ(f.Track("Out").volume, 0);
        EXPECT_FALSE(f.Stream("Out").playing);
    }
}

TEST(SoundSystem, FadeOutLowersTheVolumeAndStopsTheStream)
{
    SoundFixture f;
    f.sound->LoadTrack("Theme", "Common", "theme.ogg", false);
    f.sound->PlayTrack("Theme");
    f.sound->FadeOutTrack("Theme", 1.0f);
    f.Update(0.5f);
    EXPECT_EQ(f.Track("Theme").volume, 75 - 37);
    EXPECT_TRUE(f.Stream("Theme").playing);
    f.Update(0.5f);
    EXPECT_EQ(f.Track("Theme").state, TrackState::Stopped);
    EXPECT_EQ(f.Track("Theme").volume, 0);
    EXPECT_EQ(f.DeviceVolume("Theme"), 0);
    EXPECT_FALSE(f.Stream("Theme").playing);

    // A track that is not playing is left alone.
    f.sound->FadeOutTrack("Theme", 1.0f);
    EXPECT_EQ(f.Track("Theme").state, TrackState::Stopped);
}

TEST(SoundSystem, DelayedStartBeginsOnlyOnceTheDelayIsExceeded)
{
    SoundFixture f;
    f.sound->LoadTrack("Main", "Common", "main.ogg", false);
    f.sound->PlayTrack("Main");
    f.sound->DelayPlayTrack("Main", 0.5f, 1.0f, true);
    EXPECT_FALSE(f.Track("Main").playing);
    EXPECT_FALSE(f.Stream("Main").playing); // stopped where it was
    EXPECT_EQ(f.Track("Main").state, TrackState::Delayed);

    f.Update(0.25f, 2); // exactly the delay: still waiting
    EXPECT_EQ(f.Track("Main").state, TrackState::Delayed);
    f.Update(0.25f);
    EXPECT_EQ(f.Track("Main").state, TrackState::FadeIn);
    EXPECT_TRUE(f.Track("Main").playing);
    EXPECT_TRUE(f.Stream("Main").playing);
    EXPECT_EQ(f.Stream("Main").resumes, 1); // goes on from where it stopped
    EXPECT_TRUE(f.Stream("Main").loop);
    EXPECT_EQ(f.Track("Main").elapsed, 0.0f);
    EXPECT_EQ(f.Track("Main").fadeStartVolume, 75); // the volume it had

    f.Update(1.0f);
    EXPECT_EQ(f.Track("Main").state, TrackState::Playing);
}

TEST(SoundSystem, FadeOutAllFadesPlayingTracksAndCancelsDelayedOnes)
{
    SoundFixture f;
    f.sound->LoadTrack("Playing", "A", "p.ogg", false);
    f.sound->LoadTrack("Waiting", "B", "w.ogg", false);
    f.sound->LoadTrack("Idle", "A", "i.ogg", false);
    f.sound->PlayTrack("Playing");
    f.sound->DelayPlayTrack("Waiting", 3.0f, 1.0f, true);
    f.sound->FadeOutAllTracks(2.0f);
    EXPECT_EQ(f.Track("Playing").state, TrackState::FadeOut);
    EXPECT_EQ(f.Track("Playing").fadeStartVolume, 75);
    EXPECT_EQ(f.Track("Waiting").state, TrackState::Stopped);
    EXPECT_FALSE(f.Track("Waiting").playing);
    EXPECT_EQ(f.Track("Idle").state, TrackState::Stopped);
    f.Update(5.0f);
    EXPECT_FALSE(f.Stream("Waiting").playing);
}

TEST(SoundSystem, FadeOutTagTracksTouchesOnlyThatTag)
{
    SoundFixture f;
    f.sound->LoadTrack("Menu1", "Menu", "a.ogg", false);
    f.sound->LoadTrack("Menu2", "Menu", "b.ogg", false);
    f.sound->LoadTrack("Game", "Game", "c.ogg", false);
    f.sound->PlayTrack("Menu1");
    f.sound->DelayPlayTrack("Menu2", 1.0f, 1.0f, false);
    f.sound->PlayTrack("Game");
    f.sound->FadeOutTagTracks("Menu", 1.0f);
    EXPECT_EQ(f.Track("Menu1").state, TrackState::FadeOut);
    EXPECT_EQ(f.Track("Menu2").state, TrackState::Stopped);
    EXPECT_EQ(f.Track("Game").state, TrackState::Stopped); // PlayTrack leaves the state
    EXPECT_TRUE(f.Track("Game").playing);
}

TEST(SoundSystem, StopKeepsTheVolumeAndAFadeInRestartsFromIt)
{
    SoundFixture f;
    f.sound->LoadTrack("Theme", "Common", "theme.ogg", false);
    f.sound->FadeInTrack("Theme", 0.0f, false);
    f.Update(0.1f);
    f.sound->StopTrack("Theme");
    EXPECT_FALSE(f.Stream("Theme").playing);
    EXPECT_FALSE(f.Track("Theme").playing);
    EXPECT_EQ(f.Track("Theme").state, TrackState::Stopped);
    EXPECT_EQ(f.Track("Theme").volume, 75);

    f.sound->FadeInTrack("Theme", 1.0f, true);
    EXPECT_EQ(f.Track("Theme").fadeStartVolume, 75);
    EXPECT_EQ(f.Stream("Theme").startsFromBeginning, 2);
}

TEST(SoundSystem, FadeInOnAPlayingTrackRestartsUnlessItLoops)
{
    SoundFixture f;
    f.sound->LoadTrack("Looping", "Common", "a.ogg", false);
    f.sound->LoadTrack("Once", "Common", "b.ogg", false);
    f.sound->FadeInTrack("Looping", 0.0f, true);
    f.sound->FadeInTrack("Once", 0.0f, false);
    f.Update(0.1f);

    f.sound->FadeInTrack("Looping", 1.0f, false);
    EXPECT_EQ(f.Stream("Looping").startsFromBeginning, 1);
    EXPECT_FALSE(f.Track("Looping").loop);
    EXPECT_EQ(f.Track("Looping").fadeStartVolume, 75);

    f.sound->FadeInTrack("Once", 1.0f, true);
    EXPECT_EQ(f.Stream("Once").startsFromBeginning, 2);
    EXPECT_TRUE(f.Stream("Once").loop);
}

TEST(SoundSystem, MusicAndSoundVolumesReachOnlyTheirOwnTracks)
{
    SoundFixture f;
    f.sound->LoadTrack("Music", "Common", "m.ogg", false);
    f.sound->LoadTrack("Ambience", "Common", "a.ogg", true);
    f.sound->LoadTrack("Silent", "Common", "s.ogg", false);
    f.sound->LoadSample("Click", "click.wav", 2);
    f.sound->SetSoundVolume(40);
    f.sound->PlayTrack("Music");
    f.sound->PlayTrack("Ambience");
    EXPECT_EQ(f.Track("Music").volume, 75);
    EXPECT_EQ(f.Track("Ambience").volume, 40);
    f.sound->PlaySample("Click");
    EXPECT_EQ(f.device->samplePlays.back().volume, 40);

    f.sound->SetMusicVolume(20);
    EXPECT_EQ(f.Track("Music").volume, 20);
    EXPECT_EQ(f.DeviceVolume("Music"), 20);
    EXPECT_EQ(f.Track("Ambience").volume, 40); // follows the sound volume
    EXPECT_EQ(f.Track("Silent").volume, 0);    // not playing

    f.sound->SetSoundVolume(10);
    EXPECT_EQ(f.Track("Ambience").volume, 10);
    EXPECT_EQ(f.Track("Music").volume, 20);
    EXPECT_EQ(f.device->volumes.at(f.sound->LastChannel("Click")), 10);

    f.sound->SetMusicVolume(250);
    EXPECT_EQ(f.sound->MusicVolume(), 100);

    // A track that follows the sound volume is silenced when stopped.
    f.sound->StopTrack("Ambience");
    EXPECT_EQ(f.DeviceVolume("Ambience"), 0);
    EXPECT_EQ(f.Track("Ambience").volume, 10);
}

TEST(SoundSystem, VolumesMapLinearlyToGain)
{
    const struct {
        int volume;
        float gain;
    } cases[] = {{0, 0.0f}, {50, 0.5f}, {75, 0.75f}, {100, 1.0f}, {-5, 0.0f}, {150, 1.0f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(backend::VolumeToGain(c.volume), c.gain) << c.volume;
}

TEST(SoundSystem, SamplesKeepTheirLastChannelAndRespectTheirLimit)
{
    SoundFixture f;
    f.sound->LoadSample("Chip", "chip.wav", 2);
    f.sound->PlaySample("Chip");
    const auto first = f.sound->LastChannel("Chip");
    f.sound->PlaySample("Chip");
    const auto second = f.sound->LastChannel("Chip");
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);
    f.sound->PlaySample("Chip"); // both channels busy: refused
    EXPECT_EQ(f.sound->LastChannel("Chip"), second);
    EXPECT_EQ(f.device->samplePlays.size(), 2u);
    f.device->FinishChannels();
    f.sound->PlaySample("Chip");
    EXPECT_EQ(f.device->samplePlays.size(), 3u);
    EXPECT_EQ(f.device->samplePlays.back().frequency, -1); // own rate
}

TEST(SoundSystem, PitchedSamplesScaleTheDefaultRate)
{
    SoundFixture f;
    f.device->sampleFrequency = 22050;
    f.sound->LoadSample("Chip", "chip.wav", 8);
    EXPECT_EQ(f.sound->FindSample("Chip")->defaultFrequency, 22050u);
    const struct {
        float factor;
        int frequency;
    } cases[] = {{1.5f, 33075}, {0.9f, 19845}, {0.0f, -1}, {-2.0f, -1}};
    for (const auto& c : cases) {
        f.sound->PlaySamplePitched("Chip", c.factor);
        EXPECT_EQ(f.device->samplePlays.back().frequency, c.frequency) << c.factor;
    }
}

TEST(SoundSystem, UnknownNamesDoNothing)
{
    SoundFixture f;
    f.sound->LoadTrack("Theme", "Common", "theme.ogg", false);
    const size_t callsBefore = f.device->calls.size();
    f.sound->PlaySample("Nope");
    f.sound->PlaySamplePitched("Nope", 2.0f);
    f.sound->PlayTrack("Nope");
    f.sound->StopTrack("Nope");
    f.sound->SetTrackVolume("Nope", 10);
    f.sound->FadeInTrack("Nope", 1.0f, true);
    f.sound->FadeOutTrack("Nope", 1.0f);
    f.sound->DelayPlayTrack("Nope", 1.0f, 1.0f, true);
    f.sound->FadeOutTagTracks("Nope", 1.0f);
    f.Update(1.0f);
    EXPECT_EQ(f.device->calls.size(), callsBefore);
    EXPECT_EQ(f.Track("Theme").state, TrackState::Stopped);
    // Names are case-sensitive.
    f.sound->PlayTrack("theme");
    EXPECT_FALSE(f.Track("Theme").playing);
}

TEST(SoundSystem, PauseAndResumeActOnceOnTheWholeOutput)
{
    SoundFixture f;
    f.sound->Resume(); // not paused: nothing
    f.sound->Pause();
    f.sound->Pause();
    EXPECT_TRUE(f.device->outputPaused);
    EXPECT_TRUE(f.sound->IsPaused());
    f.sound->Resume();
    f.sound->Resume();
    EXPECT_FALSE(f.device->outputPaused);
    const std::vector<std::string> expected = {"Open", "PauseOutput", "ResumeOutput"};
    EXPECT_EQ(f.device->calls, expected);
}

TEST(SoundSystem, WithoutADeviceEveryCallIsHarmlessAndLoggedOnce)
{
    testing_support::ScopedLogFile log;
    SoundFixture f(false);
    EXPECT_FALSE(f.sound->IsOpen());
    f.sound->LoadSample("Click", "click.wav", 2);
    f.sound->LoadTrack("Theme", "Common", "theme.ogg", false);
    f.sound->PlaySample("Click");
    f.sound->FadeInTrack("Theme", 1.0f, true);
    f.Update(0.5f);
    f.sound->Pause();
    f.sound->Resume();
    f.sound->Shutdown();
    const std::vector<std::string> expected = {"Open"};
    EXPECT_EQ(f.device->calls, expected);
    // The records still follow the calls.
    EXPECT_EQ(f.Track("Theme").state, TrackState::FadeIn);
    EXPECT_EQ(f.Track("Theme").volume, 37);
    log.Close();
    const std::string text = log.Text();
    const std::string line = "No audio device could be opened";
    ASSERT_NE(text.find(line), std::string::npos);
    EXPECT_EQ(text.find(line, text.find(line) + 1), std::string::npos);
}

TEST(SoundSystem, AfterShutdownNoCallReachesTheDevice)
{
    SoundFixture f;
    f.sound->LoadSample("Click", "click.wav", 2);
    f.sound->LoadTrack("Theme", "Common", "theme.ogg", false);
    f.sound->FadeInTrack("Theme", 1.0f, true);
    f.sound->Shutdown();
    f.sound->Shutdown();
    const size_t callsAfterShutdown = f.device->calls.size();
    EXPECT_EQ(f.device->calls.back(), "Close");
    f.sound->PlaySample("Click");
    f.sound->StopTrack("Theme");
    f.sound->FadeInTrack("Theme", 1.0f, true);
    f.sound->SetSoundVolume(10);
    f.sound->SetMusicVolume(10);
    f.sound->Pause();
    f.Update(0.5f);
    EXPECT_EQ(f.device->calls.size(), callsAfterShutdown);
}

TEST(SoundSystem, AFileThatDoesNotLoadIsLoggedAndKeepsHandleZero)
{
    testing_support::ScopedLogFile log;
    SoundFixture f;
    f.sound->LoadSample("Gone", "missing.wav", 2);
    EXPECT_EQ(f.sound->FindSample("Gone")->sample, 0u);
    f.sound->PlaySample("Gone");
    EXPECT_EQ(f.sound->LastChannel("Gone"), 0u);
    log.Close();
    EXPECT_NE(log.Text().find("Can't load sample &quot;Gone&quot; from sound\\missing.wav"), std::string::npos);
}

TEST(SoundSystem, AReplacedOutputIsClosedAndItsSamplesForgotten)
{
    // Tells when it is closed: the sound system frees it right after.
    struct ClosingDevice : RecordingAudioDevice {
        explicit ClosingDevice(bool& closedFlag) : closed(closedFlag) {}
        void Close() override
        {
            closed = true;
            RecordingAudioDevice::Close();
        }
        bool& closed;
    };
    bool closed = false;
    SoundSystemImpl sound(std::make_unique<ClosingDevice>(closed));
    sound.Init();
    sound.LoadSample("Click", "click.wav", 2);
    auto next = std::make_unique<RecordingAudioDevice>();
    RecordingAudioDevice* replacement = next.get();
    sound.ReplaceDevice(std::move(next));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(sound.IsOpen());
    EXPECT_EQ(sound.FindSample("Click"), nullptr);

    sound.Init();
    sound.LoadSample("Click", "click.wav", 2);
    sound.PlaySample("Click");
    EXPECT_EQ(replacement->calls.front(), "Open");
    EXPECT_EQ(replacement->samplePlays.size(), 1u);
}
