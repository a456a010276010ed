// The sounds the build synthesises, read back through libsndfile as the
// game's sound system reads them, and the synthesiser's voices themselves.

#include "tools/soundgen/Instruments.h"
#include "tools/soundgen/MusicComposer.h"
#include "tools/soundgen/SoundTable.h"
#include "tools/soundgen/SoundWriter.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

struct Sound {
    SF_INFO info{};
    std::vector<float> samples;
};

bool ReadSound(const std::string& path, Sound& sound)
{
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &sound.info);
    if (!file)
        return false;
    sound.samples.resize(static_cast<size_t>(sound.info.frames * sound.info.channels));
    const sf_count_t read = sf_readf_float(file, sound.samples.data(), sound.info.frames);
    sf_close(file);
    return read == sound.info.frames;
}

std::string GamePath(const std::string& relative)
{
    const char* dir = std::getenv("VELMORA_GAME_DIR");
    return std::string(dir ? dir : "") + "/" + relative;
}

float Rms(const std::vector<float>& samples, size_t from, size_t count)
{
    double sum = 0.0;
    for (size_t i = from; i < from + count && i < samples.size(); ++i)
        sum += samples[i] * samples[i];
    return static_cast<float>(std::sqrt(sum / static_cast<double>(count)));
}

// The strongest period between the limits, by autocorrelation.
double PitchOf(const std::vector<float>& s, size_t from, size_t length, int rate, double low, double high)
{
    double best = -1.0, bestFrequency = 0.0;
    for (int lag = static_cast<int>(rate / high); lag <= static_cast<int>(rate / low); ++lag) {
        double sum = 0.0;
        for (size_t i = from; i < from + length; ++i)
            sum += static_cast<double>(s[i]) * s[i + static_cast<size_t>(lag)];
        if (sum > best) {
            best = sum;
            bestFrequency = static_cast<double>(rate) / lag;
        }
    }
    return bestFrequency;
}

struct Wanted {
    const char* path;
    double minSeconds, maxSeconds;
};

const Wanted kWanted[] = {
    {"data/sound/click.wav", 0.02, 0.3},          {"data/sound/hover.wav", 0.02, 0.3},
    {"data/sound/travels.wav", 0.3, 1.0},
    {"data/sound/ChipSelect.wav", 0.1, 1.0},      {"data/sound/ChipWrongMove.wav", 0.1, 1.0},
    {"data/sound/chain1.wav", 0.3, 1.5},          {"data/sound/chain2.wav", 0.3, 1.5},
    {"data/sound/chain3.wav", 0.3, 1.5},          {"data/sound/chain4.wav", 0.3, 1.5},
    {"data/sound/bonus.wav", 0.5, 2.0},           {"data/sound/levelcomplete.wav", 1.5, 4.0},
    {"data/sound/gameover.wav", 1.5, 4.0},        {"data/sound/music/menu.ogg", 10.0, 20.0},
    {"data/sound/music/stage1.ogg", 10.0, 20.0},  {"data/sound/music/stage2.ogg", 10.0, 20.0},
    {"data/sound/music/stage3.ogg", 10.0, 20.0},  {"data/sound/music/stage4.ogg", 10.0, 20.0},
    {"data/sound/music/stage5.ogg", 10.0, 20.0},  {"data/sound/music/stage6.ogg", 10.0, 20.0},
    {"data/sound/music/stage7.ogg", 10.0, 20.0},
    {"data/sound/map_waypoint.wav", 0.3, 1.5},    {"data/sound/velmora.wav", 2.0, 5.0},
    {"data/sound/music/map.ogg", 10.0, 20.0},
    {"data/sound/GemOut.wav", 0.3, 1.5},          {"data/sound/Ray.wav", 0.5, 2.0},
    {"data/sound/effects/SunStart.wav", 0.2, 1.5},
    {"data/sound/effects/SunAdd.wav", 0.2, 1.5},
    {"data/sound/effects/SunRay.wav", 0.2, 1.5},
    {"data/sound/effects/SunChipDestroy.wav", 0.2, 1.5},
    {"data/sound/effects/Bomb.wav", 0.2, 1.5},
    {"data/sound/effects/Boom.wav", 0.2, 1.5},
    {"data/sound/effects/Flash.wav", 0.2, 1.5},
    {"data/sound/effects/FlashStart.wav", 0.2, 1.5},
    {"data/sound/effects/AddTime.wav", 0.2, 1.5},
    {"data/sound/effects/AddLife.wav", 0.2, 1.5},
    {"data/sound/effects/FallenVisBonus.wav", 0.2, 1.5},
    {"data/sound/effects/LifeBonusFly.wav", 0.2, 1.5},
    {"data/sound/effects/FallenArtefact.wav", 0.2, 1.5},
    {"data/sound/effects/FlyChipSwap.wav", 0.2, 1.5},
    {"data/sound/shield/ArtefactSound0.wav", 0.3, 1.5}, {"data/sound/shield/ArtefactSound1.wav", 0.3, 1.5},
    {"data/sound/shield/ArtefactSound2.wav", 0.3, 1.5}, {"data/sound/shield/ArtefactSound3.wav", 0.3, 1.5},
    {"data/sound/shield/ArtefactSound4.wav", 0.3, 1.5}, {"data/sound/shield/ArtefactSound5.wav", 0.3, 1.5},
    {"data/sound/shield/ArtefactSound6.wav", 0.3, 1.5}, {"data/sound/shield/ArtefactSound7.wav", 0.3, 1.5},
    {"data/sound/shield/ShieldWonder.wav", 0.5, 2.0},
    {"data/sound/music/stage1main.ogg", 10.0, 20.0}, {"data/sound/music/stage2main.ogg", 10.0, 20.0},
    {"data/sound/music/stage3main.ogg", 10.0, 20.0}, {"data/sound/music/stage4main.ogg", 10.0, 20.0},
    {"data/sound/music/stage5main.ogg", 10.0, 20.0}, {"data/sound/music/stage6main.ogg", 10.0, 20.0},
    {"data/sound/music/stage7main.ogg", 10.0, 20.0}, {"data/sound/music/timeout.ogg", 10.0, 20.0},
    {"data/sound/TimeUp.wav", 0.5, 2.0},
    {"data/sound/LevelStartStage.wav", 0.5, 1.5},
    {"data/sound/Go.wav", 0.5, 1.5},
    {"data/sound/ScoreTick.wav", 0.9, 1.1},
    {"data/sound/tips/Hint.wav", 0.3, 1.5},
    {"data/sound/tips/NoMoves.wav", 0.5, 2.0},
    {"data/sound/tips/TipWindow.wav", 0.2, 1.5},
    {"data/sound/tips/ArtefactCollect.wav", 3.0, 6.0},
    {"data/sound/effects/SunWonder.wav", 0.2, 1.5},
    {"data/sound/board/ChipKnock.wav", 0.1, 2.0},
    {"data/sound/board/ChipFall.wav", 0.1, 2.0},
    {"data/sound/board/LevelStart.wav", 0.1, 2.0},
    {"data/sound/board/Match1.wav", 0.1, 2.0},
    {"data/sound/board/Match2.wav", 0.1, 2.0},
    {"data/sound/board/Match3.wav", 0.1, 2.0},
    {"data/sound/board/Match4.wav", 0.1, 2.0},
    {"data/sound/board/Match5.wav", 0.1, 2.0},
    {"data/sound/board/Match6.wav", 0.1, 2.0},
    {"data/sound/board/Match7.wav", 0.1, 2.0},
    {"data/sound/board/Match8.wav", 0.1, 2.0},
    {"data/sound/board/SunComplete.wav", 0.1, 2.0},
    {"data/sound/board/ChipToSun.wav", 0.1, 2.0},
    {"data/sound/board/ChipUnlock.wav", 0.1, 2.0},
    {"data/sound/board/IceBreak.wav", 0.1, 2.0},
};

} // namespace

TEST(GeneratedSounds, EverySoundIsThereAudibleAndUnclipped)
{
    std::set<std::string> made;
    for (const SoundRecipe& recipe : GameSounds())
        made.insert(recipe.path);
    EXPECT_EQ(made.size(), std::size(kWanted));
    for (const Wanted& wanted : kWanted) {
        SCOPED_TRACE(wanted.path);
        EXPECT_TRUE(made.count(wanted.path));
        Sound sound;
        ASSERT_TRUE(ReadSound(GamePath(wanted.path), sound));
        const bool music = std::string(wanted.path).find("/music/") != std::string::npos;
        EXPECT_EQ(sound.info.format, music ? (SF_FORMAT_OGG | SF_FORMAT_VORBIS) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16));
        EXPECT_EQ(sound.info.channels, 1);
        EXPECT_EQ(sound.info.samplerate, kSoundRate);
        const double seconds = static_cast<double>(sound.info.frames) / sound.info.samplerate;
        EXPECT_GE(seconds, wanted.minSeconds);
        EXPECT_LE(seconds, wanted.maxSeconds);
        float peak = 0.0f;
        for (float s : sound.samples)
            peak = std::max(peak, std::fabs(s));
        EXPECT_LT(peak, 0.99f);
        EXPECT_GT(peak, 0.2f);
        EXPECT_GT(Rms(sound.samples, 0, sound.samples.size()), 0.02f);
        if (music) {
            // Sound all the way through, and no jump where the loop wraps.
            const size_t second = static_cast<size_t>(sound.info.samplerate);
            for (size_t at = 0; at + second <= sound.samples.size(); at += second)
                EXPECT_GT(Rms(sound.samples, at, second), 0.02f) << at / second;
            EXPECT_LT(std::fabs(sound.samples.back() - sound.samples.front()), 0.15f);
        }
    }
}

TEST(GeneratedSounds, ChainsRiseInPitch)
{
    double previous = 0.0;
    for (int level = 1; level <= 4; ++level) {
        Sound sound;
        ASSERT_TRUE(ReadSound(GamePath("data/sound/chain" + std::to_string(level) + ".wav"), sound));
        const double pitch = PitchOf(sound.samples, 200, 1000, kSoundRate, 300.0, 1000.0);
        EXPECT_GT(pitch, previous * 1.1) << level;
        previous = pitch;
    }
}

TEST(Synthesiser, PluckedStringsSoundAtTheirPitchAndFade)
{
    for (double frequency : {110.0, 220.0, 440.0, 659.25}) {
        SCOPED_TRACE(frequency);
        const SampleBuffer note = Pluck(kSoundRate, frequency, 1.0, 0.7f, 0.5f, 3);
        const double pitch = PitchOf(note.Samples(), 2000, 4000, kSoundRate, frequency * 0.8, frequency * 1.25);
        EXPECT_NEAR(pitch / frequency, 1.0, 0.015);
        EXPECT_GT(Rms(note.Samples(), 0, 2000), Rms(note.Samples(), note.Size() - 2000, 2000) * 3.0f);
    }
}

TEST(Synthesiser, IsRepeatable)
{
    const SampleBuffer a = Pluck(kSoundRate, 330.0, 0.3, 0.5f, 0.5f, 9), b = Pluck(kSoundRate, 330.0, 0.3, 0.5f, 0.5f, 9);
    EXPECT_EQ(a.Samples(), b.Samples());
    const Tune tune{{0, 2, 3, 5, 7, 9, 10}, 146.83, 120.0, "D..T", 1};
    EXPECT_EQ(MusicComposer(kSoundRate).Compose(tune, 4.0).Samples(), MusicComposer(kSoundRate).Compose(tune, 4.0).Samples());
}

TEST(Synthesiser, LoopsAreWholeBarsWithTheirTailWrapped)
{
    const Tune tune{{0, 2, 4, 7, 9}, 146.83, 120.0, "D.T.", 2};
    const SampleBuffer loop = MusicComposer(kSoundRate).Compose(tune, 8.0);
    EXPECT_EQ(loop.Size(), static_cast<size_t>(8.0 * kSoundRate)); // four bars of two seconds
    EXPECT_LE(loop.Peak(), 0.7001f);

    SampleBuffer buffer(100, 0.05); // five samples
    SampleBuffer tail(100, 0.02);
    tail[0] = 1.0f;
    tail[1] = 2.0f;
    buffer.Mix(tail, 0.04, 1.0f); // samples 4 and 5; 5 is past the end
    buffer.WrapTail(5);
    ASSERT_EQ(buffer.Size(), 5u);
    EXPECT_EQ(buffer[0], 2.0f);
    EXPECT_EQ(buffer[4], 1.0f);
}

TEST(SoundWriter, FilesAreTheSameEveryTimeAndReadBack)
{
    testing_support::TempDir dir;
    SampleBuffer tone = FmTone(kSoundRate, 440.0, 1.0, 2.0, 1.0, 0.3);
    tone[10] = 3.0f; // beyond full scale: clipped, not wrapped
    for (const char* name : {"a.ogg", "a.wav"}) {
        SCOPED_TRACE(name);
        std::string error;
        const std::string first = dir.File(std::string("1") + name), second = dir.File(std::string("2") + name);
        ASSERT_TRUE(WriteSound(first, tone, error)) << error;
        ASSERT_TRUE(WriteSound(second, tone, error)) << error;
        EXPECT_EQ(testing_support::ReadTextFile(first), testing_support::ReadTextFile(second));
        Sound sound;
        ASSERT_TRUE(ReadSound(first, sound));
        EXPECT_EQ(static_cast<size_t>(sound.info.frames), tone.Size());
    }
    Sound wav;
    ASSERT_TRUE(ReadSound(dir.File("1a.wav"), wav));
    EXPECT_NEAR(wav.samples[10], 1.0f, 1e-3f);
    std::string error;
    EXPECT_FALSE(WriteSound(dir.File("no/such/folder.wav"), tone, error));
    EXPECT_NE(error.find("no/such/folder.wav"), std::string::npos);
}
