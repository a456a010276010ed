// The application drives the global sound service: focus pauses and resumes
// it, the close handling shuts it down, and each frame advances its tracks.

#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/sound/SoundSystemImpl.h"

#include "tests/support/NullFrameServices.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

} // namespace

TEST(SoundWiring, FocusPausesAndResumesAndClosingShutsDown)
{
    g_sound.Init(); // the null driver of the tests
    Application app(false, std::make_unique<testing_support::NullFrameServices>());
    app.OnDeactivated();
    EXPECT_TRUE(g_sound.IsPaused());
    EXPECT_TRUE(app.paused);
    app.OnActivated();
    EXPECT_FALSE(g_sound.IsPaused());
    app.OnWindowClosed();
    EXPECT_FALSE(g_sound.IsOpen());
}

TEST(SoundWiring, TheFrameAdvancesTheTracks)
{
    g_sound.LoadTrack("Wired", "Common", "none.ogg", false);
    g_sound.FadeInTrack("Wired", 1.0f, true);
    GameFrameServices().UpdateSound(0.5f);
    EXPECT_EQ(g_sound.FindTrack("Wired")->volume, 37);
}
