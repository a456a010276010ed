// The screens drawn into a real GL context: a gallery whose pictures are
// missing draws nothing, and the sail is bound with its picture mirrored.

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "game/screens/MultList.h"
#include "game/screens/Parus.h"
#include "game/state/GameInfo.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/support/GlTestContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

class ScreenDrawingGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("screen drawing test"));
    }

    void TearDown() override
    {
        kernel.FlushPending();
        kernel.Update(0.0f);
        for (const char* name : _registered)
            g_resourceManager.textures2D.erase(name);
        _gl.Close();
    }

    // A registered picture: uploaded w x h of one colour, or (colour 0) a
    // record that was never uploaded.
    Sprite* Register(const char* name, int w, int h, std::uint32_t argb)
    {
        auto sprite = std::make_unique<Sprite>();
        sprite->imageWidth = w;
        sprite->imageHeight = h;
        if (argb != 0) {
            UploadTexture(*sprite, w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), argb));
            sprite->textureWidth = w;
            sprite->textureHeight = h;
        }
        Sprite* made = sprite.get();
        g_resourceManager.textures2D[name].object = std::move(sprite);
        _registered.push_back(name);
        return made;
    }

    GlTestContext _gl;
    std::vector<const char*> _registered;
};

bool ScreenIsBackground()
{
    g_renderDevice.Gl().Flush();
    const auto pixels = g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        if (pixels[i] != kBackground[0] || pixels[i + 1] != kBackground[1] || pixels[i + 2] != kBackground[2])
            return false;
    return true;
}

} // namespace

TEST_F(ScreenDrawingGlTest, AGalleryWithoutItsPicturesDrawsNothing)
{
    gameInfo.AddNewPlayer("Tess");
    gameInfo.GetPlayer("Tess").firstMultIsShow = true;
    // The shadow is known but not in video memory: no size to cut it by.
    Register("DisableShadow", 64, 64, 0);
    auto list = std::make_unique<MultList>("List", nullptr);
    ASSERT_NE(list->_disableShadow, nullptr);
    list->Draw();
    ASSERT_TRUE(list->MouseDown(Point(100, -10)));
    for (int i = 0; i < 5; ++i) {
        kernel.Update(0.1f);
        list->Draw();
    }
    ASSERT_TRUE(list->MouseDown(Point(300, -10)));
    kernel.Update(0.1f);
    list->Draw();
    EXPECT_TRUE(ScreenIsBackground());
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
    list.reset();
    gameInfo.DeletePlayer("Tess");
    gameInfo.setActivePlayer("");
}

TEST_F(ScreenDrawingGlTest, TheSailIsDrawnWithItsPictureMirrored)
{
    Register("ParusTex", 8, 8, 0xFFC08040u);
    Parus parus("Parus", nullptr);
    parus.Draw();
    GLint wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(wrap, GL_MIRRORED_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
    EXPECT_EQ(wrap, GL_MIRRORED_REPEAT);
    // The sail, shaded 215 to 255 grey over the picture's colour.
    const Rgb middle = At(540, 310);
    EXPECT_NEAR(middle[0], 0xC0 * 235 / 255, 30);
    EXPECT_NEAR(middle[1], 0x80 * 235 / 255, 20);
    ExpectAt(100, 300, kBackground);
}
