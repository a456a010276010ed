// The menu's backdrop drawn into a real GL context and read back: the gems
// a profile has set stand at their places in their pictures, the others do
// not; the shown hi-score panel stands at x 25, 80 above the bottom.

#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"
#include "engine/resources/ResourceManager.h"
#include "game/screens/tests/MenuTestSupport.h"
#include "gui/widgets/tests/WidgetTestSupport.h"
#include "tests/support/GlTestContext.h"

#include <gtest/gtest.h>

using namespace menu_testing;
using namespace testing_support;

namespace {

constexpr std::uint32_t kGemColours[7] = {0xFFE01020, 0xFFF0A010, 0xFF10C040, 0xFF2050E0,
                                           0xFFA030D0, 0xFF20C0C0, 0xFFF0F0F0};

Rgb RgbOf(std::uint32_t argb)
{
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}

class MenuEffectGlTest : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        ASSERT_TRUE(gl.Open("menu backdrop test"));
        for (int i = 0; i < 7; ++i) {
            auto& entry = g_resourceManager.textures["GEM" + std::to_string(i + 1)];
            entry.object = std::make_unique<Texture>();
            UploadTexture(*entry.object, 60, 60, std::vector<std::uint32_t>(60 * 60, kGemColours[i]));
            entry.object->image.width = 60;
            entry.object->image.height = 60;
        }
        Sprite* panel = services.AddPicture("#HISCORE_PANEL", 420, 440);
        UploadTexture(*panel, 512, 512, std::vector<std::uint32_t>(512 * 512, 0xFF805020));
    }
    void TearDown() override
    {
        MenuFixture::TearDown();
        g_resourceManager.DestroyTextures();
        gl.Close();
    }

    void DrawFrame()
    {
        g_renderDevice.BeginFrame();
        backdrop->Draw();
    }

    FakeWidgetServices services;
    GlTestContext gl;
};

} // namespace

TEST_F(MenuEffectGlTest, TheSetGemsStandAtTheirPlaces)
{
    ActiveProfile profile(5, 1, 3);
    Build();
    DrawFrame();
    for (int i = 0; i < 7; ++i) {
        // The gem's centre: x 31 + 63 i + 30, y 135 + 30 from the bottom.
        const int x = 31 + 63 * i + 30;
        if (i < 3)
            ExpectAt(x, 165, RgbOf(kGemColours[i]), 6);
        else
            ExpectAt(x, 165, kBackground, 6);
    }
}

TEST_F(MenuEffectGlTest, TheShownPanelStandsAt25And80)
{
    ActiveProfile profile;
    Build();
    controller->panel.state = HiScorePanel::kShown;
    DrawFrame();
    ExpectAt(30, 85, {0x80, 0x50, 0x20}, 6);
    ExpectAt(440, 515, {0x80, 0x50, 0x20}, 6);
    ExpectAt(20, 85, kBackground, 6);
    ExpectAt(30, 75, kBackground, 6);
    // Hidden, it is not drawn.
    controller->panel.state = HiScorePanel::kHidden;
    DrawFrame();
    ExpectAt(30, 85, kBackground, 6);
}
