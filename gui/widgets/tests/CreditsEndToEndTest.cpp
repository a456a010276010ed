// The program's own start-up, layer files and main-loop frames with the
// credits and with a page of text with effects: a layer file makes the
// credits through the widget factory and they roll in the loop's frames; a
// page widget of this test, filled from the game's TextWithEffects.xml,
// burns its strings in behind the bundled flames. Set
// VELMORA_SAVE_PICTURES to keep the pictures (<test>.ppm in the test's
// folder) of passing runs too.

#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/XmlFile.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/TextWithEffects.h"
#include "gui/widgets/Credits.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/TestEnvironment.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <filesystem>

using namespace testing_support;

namespace {

// A page as the screens keep one: its text with effects, owned effects on
// the widget, stepped by a controller of its own.
class TextPage : public Widget {
public:
    class Clock : public IController {
    public:
        explicit Clock(TextPage* page) : _page(page) {}
        void Update(float dt) override
        {
            if (_page)
                _page->text.Update(dt);
        }
        bool IsFinished() override { return _page == nullptr; }
        void OnWidgetDeleted(const Widget* widget) override
        {
            if (widget == _page)
                _page = nullptr;
        }

    private:
        TextPage* _page;
    };

    TextPage(const std::string& widgetName, const TiXmlElement*) : Widget(widgetName)
    {
        SetPosition(Point(0, 0)); // strings hang from the top-left corner
        TiXmlDocument file;
        if (LoadXmlFile("TextWithEffects.xml", file))
            text.Load(file.RootElement()->FirstChildElement("Text"));
        text.SetOwner(&effects);
        text.Reset();
        kernel.AddController(new Clock(this));
    }
    void Draw() override { text.DrawAt(position); }

    TextWithEffects text;
};

class CreditsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_game.File("start.lua"), "LoadResource('resources.xml')\n"
                                               "LoadParticles('particles.xml')\n"
                                               "LoadEffects('effects.xml')\n"
                                               "ShowWindowIfNoSplashes()\n");
        WriteTextFile(_game.File("resources.xml"),
                      "<Resources><Fonts><font name='Title'/><font name='TitleLight'/><font name='text'/></Fonts>"
                      "<Textures2D><texture2D id='particle' path='textures\\particle.png'/>"
                      "<texture2D id='spark' path='textures\\spark.png'/>"
                      "<texture2D id='HISTORY_FIRST_PLANE' path='textures\\water.png'/></Textures2D></Resources>");
        for (const char* file : {"particles.xml", "effects.xml", "TextWithEffects.xml"})
            WriteTextFile(_game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
        const std::string data = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data/";
        std::filesystem::copy(data + "font", _game.File("font"));
        std::filesystem::copy(data + "textures", _game.File("textures"));
        WriteTextFile(_game.File("texts.xml"), R"(<TextResources>
  <text id="Credits">
    <string font="Title">Velmora Ascendant</string>
    <string font="text"> </string>
    <string font="TitleLight">Programming</string>
    <string font="text">The engine team</string>
    <string font="text"> </string>
    <string font="TitleLight">Pictures and sound</string>
    <string font="text">Made by the build</string>
  </text>
</TextResources>)");
        WriteTextFile(_game.File("Screens.xml"), R"(<Gui>
  <Layer name="Credits">
    <Controls>
      <Credits name="roll" width="500" height="400" time="40" from="300" to="1100">
        <position x="150" y="520"/><textPosition x="250" y="0"/>
      </Credits>
    </Controls>
  </Layer>
  <Layer name="Page">
    <Controls><TextPage name="page"/></Controls>
  </Layer>
</Gui>)");

        g_widgetFactory.Register("TextPage", CreateWidgetOfKind<TextPage>);
        ASSERT_TRUE(_game.Start());
        GUI.LoadText("texts.xml");
        GUI.LoadLayers("Screens.xml");
        AddEffectObserver();
    }

    void TearDown() override { _game.Stop(); }

    void Show(const char* layerName)
    {
        Layer* layer = GUI.getLayer(layerName);
        ASSERT_NE(layer, nullptr) << layerName;
        Screen.pushLayer(layer);
    }

    // Frames as the main loop runs them, for about that many milliseconds
    // or until done() holds.
    template <typename Done>
    void RunFrames(Uint32 milliseconds, Done done)
    {
        _game.App().running = true;
        const Uint32 start = SDL_GetTicks();
        while (SDL_GetTicks() - start < milliseconds && !done()) {
            _game.App().Frame();
            SDL_Delay(10);
        }
    }

    // The screen drawn once more without presenting, for reading back.
    void DrawScreen()
    {
        _services.BeginFrame();
        _services.DrawScreen(false);
    }

    // Rows (from the bottom) with pixels brighter than the level in a band.
    static int BrightestIn(int x, int y, int w, int h)
    {
        const auto p = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        int brightest = 0;
        for (int i = 0; i < w * h; ++i)
            brightest = std::max(brightest, std::min({int(p[i * 4]), int(p[i * 4 + 1]), int(p[i * 4 + 2])}));
        return brightest;
    }

    EndToEndGame _game{"Credits Test"};
    GameFrameServices _services;
};

} // namespace

TEST_F(CreditsEndToEndTest, TheCreditsRollOnTheirLayer)
{
    Show("Credits");
    auto* credits = dynamic_cast<Credits*>(GUI.getLayer("Credits")->getWidget("roll"));
    ASSERT_NE(credits, nullptr) << "the layer file makes the credits through the factory";
    RunFrames(1500, [] { return false; });
    const float clock = credits->RollClock();
    EXPECT_GT(clock, 1.0f);
    // 800 points in 40 seconds: 20 a second upward.
    EXPECT_NEAR(credits->ScrollOffset(), 300 + static_cast<int>(20.0f * clock), 1);
    DrawScreen();
    // The text rises through the pane (x 150 to 650, y 120 to 520).
    EXPECT_GT(BrightestIn(150, 120, 500, 400), 250) << "the white text";
    // The rainbows and the arcs' glow, which move with the clock, stay
    // below white; text leaking out of the pane would be white.
    EXPECT_LT(BrightestIn(0, 0, 140, 600), 250) << "nothing leaves the pane on the left";

    credits->AcceptMessage(Message("Reset"));
    EXPECT_EQ(credits->ScrollOffset(), 300);
}

TEST_F(CreditsEndToEndTest, APageBurnsInBehindItsFlamesInTheMainLoop)
{
    Show("Page");
    auto* page = dynamic_cast<TextPage*>(GUI.getLayer("Page")->getWidget("page"));
    ASSERT_NE(page, nullptr);
    const TextEffectString& caption = *page->text.Find("Caption");
    bool sawFlames = false;
    // Until the first row burns (its show time is 1.2 s, the burn 0.6 s).
    RunFrames(4000, [&] {
        sawFlames = sawFlames || caption.RightFlame() != nullptr;
        return page->text.Find("TilesCaption")->_state == TextEffectString::kArriving &&
               page->text.Find("TilesCaption")->_time > 0.3f;
    });
    EXPECT_TRUE(sawFlames);
    EXPECT_TRUE(caption._done);
    EXPECT_FALSE(page->effects.Empty()) << "the row's flame burns on the page";
    DrawScreen();
    EXPECT_GT(BrightestIn(250, 480, 300, 50), 220) << "the caption stands in white";
}
