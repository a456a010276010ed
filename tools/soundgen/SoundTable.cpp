#include "tools/soundgen/SoundTable.h"

#include "tools/soundgen/Instruments.h"
#include "tools/soundgen/MusicComposer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int R = kSoundRate;

double Semitones(double base, double steps) { return base * std::pow(2.0, steps / 12.0); }

SampleBuffer Finished(SampleBuffer buffer, float peak)
{
    buffer.Normalise(peak);
    buffer.FadeEnds(0.003);
    return buffer;
}

SampleBuffer Click()
{
    SampleBuffer out(R, 0.08);
    out.Mix(FmTone(R, 1150.0, 0.07, 1.41, 2.0, 0.012), 0.0, 1.0f);
    out.Mix(NoiseBurst(R, 0.03, 3200.0, 11), 0.0, 0.5f);
    return Finished(out, 0.6f);
}

SampleBuffer Hover()
{
    SampleBuffer out(R, 0.14);
    out.Mix(FmTone(R, 1760.0, 0.14, 3.0, 0.8, 0.03), 0.0, 1.0f);
    return Finished(out, 0.3f);
}

// The gallery's choice of a voyage: a plucked fifth rising to the octave.
SampleBuffer Travels()
{
    SampleBuffer out(R, 0.7);
    out.Mix(Pluck(R, 392.0, 0.6, 0.85f, 0.4f, 111), 0.0, 0.8f);
    out.Mix(Pluck(R, Semitones(392.0, 7.0), 0.55, 0.85f, 0.4f, 112), 0.07, 0.7f);
    out.Mix(Pluck(R, Semitones(392.0, 12.0), 0.5, 0.85f, 0.45f, 113), 0.14, 0.6f);
    return Finished(out, 0.55f);
}

SampleBuffer ChipSelect()
{
    SampleBuffer out(R, 0.45);
    out.Mix(Pluck(R, 880.0, 0.45, 0.9f, 0.3f, 21), 0.0, 1.0f);
    out.Mix(FmTone(R, 1760.0, 0.2, 2.0, 1.0, 0.05), 0.0, 0.3f);
    return Finished(out, 0.6f);
}

SampleBuffer ChipWrongMove()
{
    SampleBuffer out(R, 0.45);
    out.Mix(FmTone(R, 110.0, 0.4, 1.0, 4.0, 0.1), 0.0, 0.7f);
    out.Mix(FmTone(R, Semitones(110.0, 1.0), 0.4, 1.0, 4.0, 0.1), 0.08, 0.7f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 31), 0.0, 0.8f);
    return Finished(out, 0.7f);
}

// A rising arpeggio; each level of a chain starts higher and has one note more.
SampleBuffer Chain(int level)
{
    const double root = Semitones(440.0, 3.0 * (level - 1));
    static const double kSteps[] = {0.0, 4.0, 7.0, 12.0, 16.0};
    SampleBuffer out(R, 0.9);
    for (int i = 0; i <= level; ++i)
        out.Mix(Pluck(R, Semitones(root, kSteps[i]), 0.7, 0.85f, 0.4f, 40u + static_cast<std::uint32_t>(i)), 0.06 * i, 0.8f);
    out.Mix(FmTone(R, Semitones(root, kSteps[level] + 12.0), 0.5, 3.5, 1.2, 0.12), 0.06 * level, 0.25f);
    return Finished(out, 0.7f);
}

SampleBuffer Bonus()
{
    SampleBuffer out(R, 1.3);
    static const double kSteps[] = {0, 4, 7, 12, 16, 19, 24, 28};
    for (int i = 0; i < 8; ++i)
        out.Mix(FmTone(R, Semitones(523.25, kSteps[i]), 0.6, 3.5, 1.5, 0.15), 0.05 * i, 0.5f);
    out.Mix(NoiseBurst(R, 0.8, 6000.0, 51), 0.1, 0.25f);
    return Finished(out, 0.7f);
}

SampleBuffer LevelComplete()
{
    SampleBuffer out(R, 2.8);
    const double d = 293.66;
    static const double kRun[] = {0, 4, 7, 12};
    for (int i = 0; i < 4; ++i)
        out.Mix(Pluck(R, Semitones(d, kRun[i]), 1.2, 0.8f, 0.6f, 60u + static_cast<std::uint32_t>(i)), 0.14 * i, 0.7f);
    static const double kChord[] = {-12, 0, 7, 12, 16};
    for (int i = 0; i < 5; ++i)
        out.Mix(Pluck(R, Semitones(d, kChord[i]), 2.2, 0.7f, 0.85f, 70u + static_cast<std::uint32_t>(i)), 0.62 + 0.025 * i, 0.6f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 81), 0.0, 0.6f);
    out.Mix(FrameDrum(R, DrumStroke::Tek, 82), 0.28, 0.4f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 83), 0.62, 0.8f);
    out.Mix(FmTone(R, Semitones(d, 24.0), 1.6, 3.5, 1.0, 0.5), 0.62, 0.15f);
    return Finished(out, 0.75f);
}

SampleBuffer GameOver()
{
    SampleBuffer out(R, 3.2);
    const double e = 164.81;
    static const double kLine[] = {12, 13, 12, 10, 8, 7};
    for (int i = 0; i < 6; ++i)
        out.Mix(Pluck(R, Semitones(e, kLine[i]), 1.2, 0.45f, 0.6f, 90u + static_cast<std::uint32_t>(i)), 0.3 * i, 0.7f);
    SampleBuffer drone = Drone(R, e / 2.0, 3.2);
    for (size_t i = 0; i < drone.Size(); ++i)
        drone[i] *= static_cast<float>(std::exp(-static_cast<double>(i) / R / 1.2));
    out.Mix(drone, 0.0, 0.25f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 99), 1.8, 0.9f);
    return Finished(out, 0.75f);
}

// The flag reaches a waypoint: two soft bell notes a fifth apart.
SampleBuffer MapWaypoint()
{
    SampleBuffer out(R, 0.9);
    out.Mix(FmTone(R, 659.25, 0.7, 3.5, 1.2, 0.25), 0.0, 0.6f);
    out.Mix(FmTone(R, Semitones(659.25, 7.0), 0.8, 3.5, 1.2, 0.3), 0.12, 0.5f);
    return Finished(out, 0.5f);
}

// The island rises: a slow rising arpeggio over a swelling drone.
SampleBuffer IslandRises()
{
    SampleBuffer out(R, 4.0);
    const double a = 220.0;
    SampleBuffer drone = Drone(R, a / 2.0, 4.0);
    for (size_t i = 0; i < drone.Size(); ++i) {
        const double t = static_cast<double>(i) / R;
        drone[i] *= static_cast<float>(std::min(1.0, t / 1.5) * std::exp(-std::max(0.0, t - 2.5) / 0.8));
    }
    out.Mix(drone, 0.0, 0.35f);
    static const double kSteps[] = {0, 4, 7, 12, 16, 19, 24};
    for (int i = 0; i < 7; ++i)
        out.Mix(Pluck(R, Semitones(a, kSteps[i]), 1.6, 0.8f, 0.7f, 120u + static_cast<std::uint32_t>(i)), 0.25 * i, 0.55f);
    out.Mix(FmTone(R, Semitones(a, 24.0), 2.2, 3.5, 1.0, 0.9), 1.75, 0.25f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 121), 1.75, 0.7f);
    return Finished(out, 0.7f);
}
// ---- The main menu (begin) ----

// A gem leaving its place: a bright glassy ping with a shimmer falling away.
SampleBuffer GemOut()
{
    SampleBuffer out(R, 0.9);
    out.Mix(FmTone(R, 1318.5, 0.8, 3.5, 1.2, 0.35), 0.0, 0.8f);
    out.Mix(FmTone(R, 1975.5, 0.6, 2.0, 0.8, 0.25), 0.03, 0.4f);
    out.Mix(NoiseBurst(R, 0.25, 7000.0, 121), 0.0, 0.2f);
    return Finished(out, 0.55f);
}

// A ray of light coming down on a gem: a soft rising chord.
SampleBuffer Ray()
{
    SampleBuffer out(R, 1.6);
    static const double kSteps[] = {0, 7, 12, 16};
    for (int i = 0; i < 4; ++i)
        out.Mix(FmTone(R, Semitones(392.0, kSteps[i]), 1.4 - 0.15 * i, 1.0, 0.6, 0.6), 0.08 * i, 0.35f);
    out.Mix(FmTone(R, 1567.98, 0.9, 3.0, 1.0, 0.4), 0.3, 0.2f);
    return Finished(out, 0.5f);
}

// ---- The main menu (end) ----

// A gem of the shield under the pointer: a glassy chime, each gem a step
// higher on a pentatonic scale; gem 0 (the pointer leaving the gems) a soft
// falling pair.
SampleBuffer ArtefactSound(int gem)
{
    SampleBuffer out(R, 1.0);
    if (gem == 0) {
        out.Mix(FmTone(R, 659.25, 0.5, 2.0, 0.6, 0.2), 0.0, 0.5f);
        out.Mix(FmTone(R, 493.88, 0.6, 2.0, 0.6, 0.25), 0.08, 0.45f);
        return Finished(out, 0.3f);
    }
    static const double kSteps[] = {0, 2, 4, 7, 9, 12, 14};
    const double note = Semitones(523.25, kSteps[gem - 1]);
    out.Mix(FmTone(R, note, 0.9, 3.5, 1.4, 0.35), 0.0, 0.7f);
    out.Mix(FmTone(R, note * 2.0, 0.6, 2.0, 0.8, 0.2), 0.02, 0.25f);
    out.Mix(NoiseBurst(R, 0.12, 8000.0, 2400u + static_cast<std::uint32_t>(gem)), 0.0, 0.08f);
    return Finished(out, 0.45f);
}

// Lightning between two lights: a crackle over a bright, wavering shimmer.
SampleBuffer ShieldWonder()
{
    SampleBuffer out(R, 1.2);
    for (int i = 0; i < 6; ++i)
        out.Mix(NoiseBurst(R, 0.05, 3000.0 + 700.0 * i, 2410u + static_cast<std::uint32_t>(i)), 0.07 * i, 0.5f);
    out.Mix(FmTone(R, 1046.5, 1.1, 1.51, 2.5, 0.5), 0.0, 0.35f);
    out.Mix(FmTone(R, 1567.98, 0.9, 2.01, 1.5, 0.4), 0.1, 0.2f);
    return Finished(out, 0.5f);
}


// ---- The hint, the dead board, the tip window, the hand-over ----
// An idle player's hint: two soft bell notes, the second a fourth higher.
SampleBuffer HintSound()
{
    SampleBuffer out(R, 0.9);
    out.Mix(FmTone(R, 659.25, 0.5, 3.0, 1.0, 0.2), 0.0, 0.6f);
    out.Mix(FmTone(R, Semitones(659.25, 5.0), 0.6, 3.0, 1.0, 0.25), 0.18, 0.6f);
    return Finished(out, 0.4f);
}

// No move left: a falling pair of low tones over a short rustle.
SampleBuffer NoMovesSound()
{
    SampleBuffer out(R, 1.2);
    out.Mix(FmTone(R, 392.0, 0.5, 2.0, 1.5, 0.25), 0.0, 0.6f);
    out.Mix(FmTone(R, Semitones(392.0, -6.0), 0.7, 2.0, 1.5, 0.35), 0.25, 0.6f);
    out.Mix(NoiseBurst(R, 0.6, 1500.0, 401), 0.3, 0.25f);
    return Finished(out, 0.5f);
}

// A tip box opening: a light pluck and its octave.
SampleBuffer TipWindowSound()
{
    SampleBuffer out(R, 0.7);
    out.Mix(Pluck(R, 783.99, 0.4, 0.8f, 0.4f, 402), 0.0, 0.6f);
    out.Mix(Pluck(R, 1567.98, 0.3, 0.8f, 0.4f, 403), 0.07, 0.4f);
    return Finished(out, 0.45f);
}

// The artefact growing over the board: a long swell of rising tones.
SampleBuffer ArtefactCollectSound()
{
    SampleBuffer out(R, 4.8);
    for (int i = 0; i < 12; ++i)
        out.Mix(FmTone(R, Semitones(220.0, 2.0 * i), 0.6, 2.0, 1.2, 0.3), 0.35 * i, 0.6f);
    out.Mix(NoiseBurst(R, 3.0, 800.0, 404), 0.0, 0.15f);
    return Finished(out, 0.55f);
}

// ---- The board's effects and bonuses ----
// A run of FM tones, each one a step higher.
SampleBuffer Rising(double base, int notes, double step, double gap, double ratio, float peak)
{
    SampleBuffer out(R, gap * notes + 0.6);
    for (int i = 0; i < notes; ++i)
        out.Mix(FmTone(R, Semitones(base, step * i), 0.5, ratio, 1.2, 0.2), gap * i, 0.6f);
    return Finished(out, peak);
}

// The charged sun fired: a bright swell into a ringing chord.
SampleBuffer SunStart()
{
    SampleBuffer out = Rising(330.0, 6, 4.0, 0.06, 2.0, 0.6f);
    out.Mix(NoiseBurst(R, 0.5, 2500.0, 301), 0.0, 0.2f);
    return Finished(out, 0.6f);
}

// A chip reaching the sun: one soft chime (pitched up as the sun fills).
SampleBuffer SunAdd()
{
    SampleBuffer out(R, 0.5);
    out.Mix(FmTone(R, 880.0, 0.45, 3.0, 1.0, 0.15), 0.0, 0.7f);
    return Finished(out, 0.4f);
}

// A ray leaving the sun: a short hiss with a tone.
SampleBuffer SunRay()
{
    SampleBuffer out(R, 0.4);
    out.Mix(NoiseBurst(R, 0.3, 4500.0, 302), 0.0, 0.4f);
    out.Mix(FmTone(R, 1320.0, 0.3, 1.5, 2.0, 0.1), 0.02, 0.4f);
    return Finished(out, 0.35f);
}

// A struck chip breaking: a glassy crack.
SampleBuffer ChipCrack(std::uint32_t seed, double pitch)
{
    SampleBuffer out(R, 0.5);
    out.Mix(NoiseBurst(R, 0.12, 6000.0, seed), 0.0, 0.8f);
    out.Mix(FmTone(R, pitch, 0.4, 3.7, 2.0, 0.08), 0.0, 0.5f);
    out.Mix(FmTone(R, pitch * 1.5, 0.3, 2.3, 1.5, 0.06), 0.01, 0.3f);
    return Finished(out, 0.55f);
}

// The bomb: a deep drum with a rumbling burst.
SampleBuffer Bomb()
{
    SampleBuffer out(R, 1.0);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 303), 0.0, 1.0f);
    out.Mix(NoiseBurst(R, 0.8, 180.0, 304), 0.0, 0.9f);
    out.Mix(NoiseBurst(R, 0.3, 1200.0, 305), 0.0, 0.4f);
    return Finished(out, 0.8f);
}

// A chip struck by the flash bursting.
SampleBuffer Boom()
{
    SampleBuffer out(R, 0.5);
    out.Mix(FrameDrum(R, DrumStroke::Tek, 306), 0.0, 0.8f);
    out.Mix(NoiseBurst(R, 0.3, 900.0, 307), 0.0, 0.6f);
    return Finished(out, 0.6f);
}

// A bolt: a crackle of bright noise.
SampleBuffer FlashBolt()
{
    SampleBuffer out(R, 0.35);
    for (int i = 0; i < 5; ++i)
        out.Mix(NoiseBurst(R, 0.05, 3000.0 + 700.0 * i, 308u + static_cast<std::uint32_t>(i)), 0.05 * i, 0.5f);
    return Finished(out, 0.4f);
}

// Time given back: plucks climbing like a clock wound up.
SampleBuffer AddTime()
{
    SampleBuffer out(R, 1.0);
    for (int i = 0; i < 4; ++i)
        out.Mix(Pluck(R, Semitones(523.25, 3.0 * i), 0.3, 0.9f, 0.3f, 310u + static_cast<std::uint32_t>(i)), 0.15 * i, 0.7f);
    return Finished(out, 0.55f);
}

// A life added: a warm major arpeggio.
SampleBuffer AddLife()
{
    SampleBuffer out(R, 1.0);
    static const double kSteps[] = {0, 4, 7, 12};
    for (int i = 0; i < 4; ++i)
        out.Mix(Pluck(R, Semitones(392.0, kSteps[i]), 0.7, 0.8f, 0.5f, 320u + static_cast<std::uint32_t>(i)), 0.1 * i, 0.7f);
    return Finished(out, 0.55f);
}

// Something leaving the bottom of the board on its flight: a rising fifth.
SampleBuffer Fallen(double base, std::uint32_t seed)
{
    SampleBuffer out(R, 0.8);
    out.Mix(FmTone(R, base, 0.6, 2.0, 1.5, 0.25), 0.0, 0.6f);
    out.Mix(FmTone(R, Semitones(base, 7.0), 0.6, 2.0, 1.5, 0.25), 0.08, 0.5f);
    out.Mix(NoiseBurst(R, 0.2, 2000.0, seed), 0.0, 0.2f);
    return Finished(out, 0.5f);
}

// Two chips swapped by the bonus: a whoosh.
SampleBuffer FlyChipSwap()
{
    SampleBuffer out(R, 0.7);
    out.Mix(NoiseBurst(R, 0.6, 1500.0, 330), 0.0, 0.6f);
    out.Mix(FmTone(R, 440.0, 0.5, 1.0, 3.0, 0.3), 0.05, 0.3f);
    return Finished(out, 0.45f);
}
// ---- The level's start and end ----
// The level's name appearing: a plucked fourth with a soft drum.
SampleBuffer LevelStartStage()
{
    SampleBuffer out(R, 1.0);
    out.Mix(Pluck(R, 293.66, 0.9, 0.85f, 0.5f, 401), 0.0, 0.7f);
    out.Mix(Pluck(R, Semitones(293.66, 5.0), 0.8, 0.85f, 0.5f, 402), 0.12, 0.6f);
    out.Mix(FrameDrum(R, DrumStroke::Dum, 403), 0.0, 0.5f);
    return Finished(out, 0.55f);
}

// "Go": a bright rising call.
SampleBuffer Go()
{
    SampleBuffer out(R, 0.8);
    out.Mix(FmTone(R, 587.33, 0.5, 2.0, 1.2, 0.2), 0.0, 0.6f);
    out.Mix(FmTone(R, Semitones(587.33, 7.0), 0.5, 2.0, 1.2, 0.2), 0.1, 0.6f);
    out.Mix(FrameDrum(R, DrumStroke::Tek, 404), 0.0, 0.5f);
    return Finished(out, 0.6f);
}

// The score counting up: a loop of light ticks, four a second.
SampleBuffer ScoreTick()
{
    SampleBuffer out(R, 1.0);
    for (int i = 0; i < 4; ++i)
        out.Mix(FmTone(R, 2093.0, 0.05, 1.41, 1.5, 0.01), 0.25 * i, 0.6f);
    return Finished(out, 0.35f);
}

SampleBuffer Music(const Tune& tune) { return MusicComposer(R).Compose(tune, 16.0); }

// Time running short: a falling pair of tones struck three times.
SampleBuffer TimeUp()
{
    SampleBuffer out(R, 1.4);
    for (int i = 0; i < 3; ++i) {
        out.Mix(FmTone(R, 880.0, 0.25, 2.0, 1.5, 0.1), 0.35 * i, 0.6f);
        out.Mix(FmTone(R, Semitones(880.0, -5.0), 0.3, 2.0, 1.5, 0.12), 0.35 * i + 0.12, 0.6f);
    }
    return Finished(out, 0.7f);
}

} // namespace

const std::vector<SoundRecipe>& GameSounds()
{
    // Modes: Phrygian dominant, Phrygian, double harmonic, Aeolian,
    // Mixolydian, Dorian, harmonic minor; the menu in a calm pentatonic.
    static const std::vector<SoundRecipe> sounds = {
        {"data/sound/click.wav", Click},
        {"data/sound/hover.wav", Hover},
        {"data/sound/travels.wav", Travels},
        {"data/sound/ChipSelect.wav", ChipSelect},
        {"data/sound/ChipWrongMove.wav", ChipWrongMove},
        {"data/sound/chain1.wav", [] { return Chain(1); }},
        {"data/sound/chain2.wav", [] { return Chain(2); }},
        {"data/sound/chain3.wav", [] { return Chain(3); }},
        {"data/sound/chain4.wav", [] { return Chain(4); }},
        {"data/sound/bonus.wav", Bonus},
        {"data/sound/levelcomplete.wav", LevelComplete},
        {"data/sound/gameover.wav", GameOver},
        {"data/sound/map_waypoint.wav", MapWaypoint},
        {"data/sound/velmora.wav", IslandRises},
        {"data/sound/music/map.ogg", [] { return Music({{0, 2, 4, 7, 9}, 174.61, 72.0, "D...D.T.", 110}); }},
        {"data/sound/GemOut.wav", GemOut},
        {"data/sound/Ray.wav", Ray},
        {"data/sound/tips/Hint.wav", HintSound},
        {"data/sound/tips/NoMoves.wav", NoMovesSound},
        {"data/sound/tips/TipWindow.wav", TipWindowSound},
        {"data/sound/tips/ArtefactCollect.wav", ArtefactCollectSound},
        {"data/sound/effects/SunStart.wav", SunStart},
        {"data/sound/effects/SunAdd.wav", SunAdd},
        {"data/sound/effects/SunRay.wav", SunRay},
        {"data/sound/effects/SunChipDestroy.wav", [] { return ChipCrack(340, 1760.0); }},
        {"data/sound/effects/Bomb.wav", Bomb},
        {"data/sound/effects/Boom.wav", Boom},
        {"data/sound/effects/Flash.wav", FlashBolt},
        {"data/sound/effects/FlashStart.wav", [] { return Rising(660.0, 5, 5.0, 0.04, 3.5, 0.5f); }},
        {"data/sound/effects/AddTime.wav", AddTime},
        {"data/sound/effects/AddLife.wav", AddLife},
        {"data/sound/effects/FallenVisBonus.wav", [] { return Fallen(587.33, 341); }},
        {"data/sound/effects/LifeBonusFly.wav", [] { return Fallen(493.88, 342); }},
        {"data/sound/effects/FallenArtefact.wav", [] { return Fallen(392.0, 343); }},
        {"data/sound/effects/FlyChipSwap.wav", FlyChipSwap},
        {"data/sound/LevelStartStage.wav", LevelStartStage},
        {"data/sound/Go.wav", Go},
        {"data/sound/ScoreTick.wav", ScoreTick},
        // The charged sun's beams reach the ring.
        {"data/sound/effects/SunWonder.wav", [] { return Rising(523.25, 3, 7.0, 0.09, 2.5, 0.35f); }},
        {"data/sound/shield/ArtefactSound0.wav", [] { return ArtefactSound(0); }},
        {"data/sound/shield/ArtefactSound1.wav", [] { return ArtefactSound(1); }},
        {"data/sound/shield/ArtefactSound2.wav", [] { return ArtefactSound(2); }},
        {"data/sound/shield/ArtefactSound3.wav", [] { return ArtefactSound(3); }},
        {"data/sound/shield/ArtefactSound4.wav", [] { return ArtefactSound(4); }},
        {"data/sound/shield/ArtefactSound5.wav", [] { return ArtefactSound(5); }},
        {"data/sound/shield/ArtefactSound6.wav", [] { return ArtefactSound(6); }},
        {"data/sound/shield/ArtefactSound7.wav", [] { return ArtefactSound(7); }},
        {"data/sound/shield/ShieldWonder.wav", ShieldWonder},
        {"data/sound/music/menu.ogg", [] { return Music({{0, 2, 4, 7, 9}, 146.83, 80.0, "D...T...", 100}); }},
        {"data/sound/music/stage1.ogg", [] { return Music({{0, 1, 4, 5, 7, 8, 10}, 146.83, 96.0, "D..TD.T.", 101}); }},
        {"data/sound/music/stage2.ogg", [] { return Music({{0, 1, 3, 5, 7, 8, 10}, 164.81, 84.0, "D.T.D.TT", 102}); }},
        {"data/sound/music/stage3.ogg", [] { return Music({{0, 1, 4, 5, 7, 8, 11}, 138.59, 90.0, "D..T.DT.", 103}); }},
        {"data/sound/music/stage4.ogg", [] { return Music({{0, 2, 3, 5, 7, 8, 10}, 220.0, 100.0, "D.TTD.T.", 104}); }},
        {"data/sound/music/stage5.ogg", [] { return Music({{0, 2, 4, 5, 7, 9, 10}, 196.0, 108.0, "D.T.D.T.", 105}); }},
        {"data/sound/music/stage6.ogg", [] { return Music({{0, 2, 3, 5, 7, 9, 10}, 146.83, 92.0, "D..TD..T", 106}); }},
        {"data/sound/music/stage7.ogg", [] { return Music({{0, 2, 3, 5, 7, 8, 11}, 123.47, 104.0, "D.TDD.T.", 107}); }},
        // The stages' main tracks, the hurry warning and its track
        {"data/sound/music/stage1main.ogg", [] { return Music({{0, 1, 4, 5, 7, 8, 10}, 146.83, 104.0, "D.TTD.T.", 111}); }},
        {"data/sound/music/stage2main.ogg", [] { return Music({{0, 1, 3, 5, 7, 8, 10}, 164.81, 92.0, "D..TD.TT", 112}); }},
        {"data/sound/music/stage3main.ogg", [] { return Music({{0, 1, 4, 5, 7, 8, 11}, 138.59, 98.0, "D.TT.DT.", 113}); }},
        {"data/sound/music/stage4main.ogg", [] { return Music({{0, 2, 3, 5, 7, 8, 10}, 220.0, 108.0, "D.T.D.TT", 114}); }},
        {"data/sound/music/stage5main.ogg", [] { return Music({{0, 2, 4, 5, 7, 9, 10}, 196.0, 116.0, "D.TTD.T.", 115}); }},
        {"data/sound/music/stage6main.ogg", [] { return Music({{0, 2, 3, 5, 7, 9, 10}, 146.83, 100.0, "D.T.D..T", 116}); }},
        {"data/sound/music/stage7main.ogg", [] { return Music({{0, 2, 3, 5, 7, 8, 11}, 123.47, 112.0, "D.TDD.TT", 117}); }},
        {"data/sound/music/timeout.ogg", [] { return Music({{0, 1, 3, 6, 7, 8, 11}, 110.0, 132.0, "DTDTDTDT", 118}); }},
        {"data/sound/TimeUp.wav", TimeUp},
        // The board's knock, fall and start; a chain's
        // matches rise a whole tone a step.
        {"data/sound/board/ChipKnock.wav", [] { return ChipCrack(350, 880.0); }},
        {"data/sound/board/ChipFall.wav", [] { return Fallen(261.63, 351); }},
        {"data/sound/board/LevelStart.wav", [] { return Rising(293.66, 4, 5.0, 0.08, 2.0, 0.5f); }},
        {"data/sound/board/Match1.wav", [] { return Rising(392.0, 3, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match2.wav", [] { return Rising(440.0, 3, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match3.wav", [] { return Rising(493.88, 3, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match4.wav", [] { return Rising(554.37, 3, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match5.wav", [] { return Rising(622.25, 4, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match6.wav", [] { return Rising(698.46, 4, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match7.wav", [] { return Rising(783.99, 4, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/Match8.wav", [] { return Rising(880.0, 5, 4.0, 0.05, 3.0, 0.45f); }},
        {"data/sound/board/SunComplete.wav", [] { return Rising(587.33, 5, 7.0, 0.07, 2.0, 0.5f); }},
        {"data/sound/board/ChipToSun.wav", [] { return Rising(659.25, 2, 7.0, 0.04, 3.0, 0.35f); }},
        {"data/sound/board/ChipUnlock.wav", [] { return ChipCrack(352, 1320.0); }},
        {"data/sound/board/IceBreak.wav", [] { return ChipCrack(353, 2093.0); }},
    };
    return sounds;
}
