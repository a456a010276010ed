// The message box drawn into a real GL context: its pop-in scale and shadow,
// and its buttons drawn where the presses find them.

#include "MessageBoxFixture.h"

#include "gui/widgets/CheckBox.h"
#include "tests/support/GlTestContext.h"

using namespace testing_support;

namespace {

class MessageBoxDrawingTest : public MessageBoxFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("message box drawing test"));
        Fill("#message_tile_texture", 0xFF0000C0u);
        Fill("#message_tile_shadow", 0xFF000000u);
        Fill("#Normal", 0xFFFF0000u);
        Fill("#Active", 0xFFFF0000u);
        Fill("#Pressed", 0xFFFF0000u);
        Fill("#Off", 0xFF00FF00u);
        Fill("#On", 0xFF00FF00u);
    }
    void TearDown() override { _gl.Close(); }

    // The registered picture filled with one colour; its padding clear.
    void Fill(const std::string& id, std::uint32_t argb)
    {
        Sprite* sprite = services.pictures[id].get();
        if (!sprite)
            sprite = services.AddPicture(id, 128, 128);
        const int w = sprite->textureWidth, h = sprite->textureHeight;
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0u);
        for (int y = 0; y < sprite->imageHeight; ++y)
            for (int x = 0; x < sprite->imageWidth; ++x)
                pixels[static_cast<std::size_t>(y) * w + x] = argb;
        UploadTexture(*sprite, w, h, pixels);
    }

    GlTestContext _gl;
};

} // namespace

TEST_F(MessageBoxDrawingTest, ThePopInFollowsTheAlpha)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    box->SetColor(Color(255, 255, 255, 0));
    box->Draw();
    EXPECT_FLOAT_EQ(box->Scale(), 0.5f);
    EXPECT_FLOAT_EQ(box->ShadowOffset(), -10.0f);
    box->SetColor(Color(255, 255, 255, 255));
    box->Draw();
    EXPECT_FLOAT_EQ(box->Scale(), 1.0f);
    EXPECT_FLOAT_EQ(box->ShadowOffset(), 12.0f);
    EXPECT_EQ(0xFFFFFFFFu, g_renderDevice.CurrentColor());
}

TEST_F(MessageBoxDrawingTest, ButtonsAreDrawnWhereThePressesTakeThem)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    box->SetColor(Color(255, 255, 255, 255));
    box->Draw();
    // Frame, button and check box drawn 6 to the left and 6 up.
    ExpectAt(240 - 6 + 20, 300 + 6 + 60, {0, 0, 0xC0});
    ExpectAt(475 - 6 + 40, 315 + 6 + 24, {255, 0, 0});
    ExpectAt(475 - 6 + 79, 315 + 6 + 24, {255, 0, 0});
    ExpectAt(475 - 6 + 81, 315 + 6 + 24, {0, 0, 0xC0});
    ExpectAt(260 - 6 + 30, 328 + 6 + 16, {0, 255, 0});

    g_messageQueue.clear();
    // A press on the drawn button, near its right edge, takes it.
    EXPECT_TRUE(box->MouseDown(Point(475 - 6 + 78, 315 + 6 + 24)));
    box->MouseUp(Point(475 - 6 + 78, 315 + 6 + 24));
    // Just right of the drawn button: the frame, not the button.
    box->MouseDown(Point(475 - 6 + 82, 315 + 6 + 24));
    box->MouseUp(Point(475 - 6 + 82, 315 + 6 + 24));
    // The drawn check box.
    box->MouseDown(Point(260 - 6 + 30, 328 + 6 + 16));
    box->MouseUp(Point(260 - 6 + 30, 328 + 6 + 16));
    EXPECT_EQ(TakePosted(), (std::vector<std::string>{"MessageBoxBtn2/down/0", "MessageBoxBtn1/Change/0"}));
}

TEST_F(MessageBoxDrawingTest, WhereverTheBoxStandsItsButtonIsPressedWhereDrawn)
{
    // Corners low and high on the screen: the button keeps its place in
    // the frame, (235, 15) from the corner, drawn 6 to the left and 6 up.
    for (const Point& corner : {Point(20, 20), Point(240, 300), Point(420, 430)}) {
        SCOPED_TRACE(std::to_string(corner.x) + "," + std::to_string(corner.y));
        auto box = Make();
        box->SetPosition(corner);
        box->SetColor(Color(255, 255, 255, 255));
        g_renderDevice.End2D();
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        box->Draw();
        const Point button(corner.x + 235 - 6, corner.y + 15 + 6);
        ExpectAt(button.x + 40, button.y + 2, {255, 0, 0});
        ExpectAt(button.x + 40, button.y + 46, {255, 0, 0});
        ExpectAt(button.x + 40, button.y - 2, {0, 0, 0xC0}); // the frame just under it

        g_messageQueue.clear();
        box->MouseDown(Point(button.x + 40, button.y - 2));
        box->MouseUp(Point(button.x + 40, button.y - 2));
        EXPECT_TRUE(TakePosted().empty()) << "a press under the drawn button misses it";
        EXPECT_TRUE(box->MouseDown(Point(button.x + 40, button.y + 2)));
        box->MouseUp(Point(button.x + 40, button.y + 2));
        EXPECT_EQ(TakePosted(), (std::vector<std::string>{"MessageBoxBtn2/down/0"}));
    }
}
