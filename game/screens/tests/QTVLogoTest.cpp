// The publisher-logo button: its pictures beside the game, the cross-fade
// queue, switching it off through g_logoWidget, and what a click hands to
// the desktop for each kind of "..\website.url".

#include "ImageFixtures.h"
#include "game/screens/QTVLogo.h"
#include "game/screens/WebsiteShortcut.h"
#include "gui/widgets/tests/WidgetTestSupport.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

namespace {

std::string SolidPng(int width, int height, std::uint8_t red)
{
    fixtures::PngSpec entry;
    entry.width = width;
    entry.height = height;
    entry.colorType = 2;
    for (int i = 0; i < width * height; ++i) {
        entry.rows.push_back(red);
        entry.rows.push_back(40);
        entry.rows.push_back(40);
    }
    return fixtures::MakePng(entry);
}

// The game folder's parent with fsdata/ beside data/, data/ current.
class QTVLogoTest : public ::testing::Test {
protected:
    QTVLogoTest()
    {
        std::filesystem::create_directories(_dir.File("data"));
        std::filesystem::create_directories(_dir.File("fsdata"));
        _cwd = std::make_unique<ScopedCurrentDir>(_dir.File("data"));
    }
    ~QTVLogoTest() override
    {
        _cwd.reset();
        g_logoWidget = nullptr;
    }

    void WritePictures(bool normal = true, bool hover = true)
    {
        if (normal)
            WriteTextFile(_dir.File("fsdata/logo_na.png"), SolidPng(120, 60, 200));
        if (hover)
            WriteTextFile(_dir.File("fsdata/logo_a.png"), SolidPng(120, 60, 250));
    }
    void WriteShortcut(const std::string& text) { WriteTextFile(_dir.File("website.url"), text); }

    std::unique_ptr<QTVLogo> Make()
    {
        XmlElement element("<QTVLogo name=\"Publisher\"><position x=\"20\" y=\"580\"/></QTVLogo>");
        return std::unique_ptr<QTVLogo>(static_cast<QTVLogo*>(CreateQTVLogo(element)));
    }

    // Over it, pressed and released there.
    static void Click(QTVLogo& logo, Point at = Point(50, 40))
    {
        logo.MouseMove(at);
        logo.MouseDown(at);
        logo.MouseUp(at);
    }

    FakeWidgetServices services;
    FakeProcess process;

private:
    TempDir _dir;
    std::unique_ptr<ScopedCurrentDir> _cwd;
};

} // namespace

TEST_F(QTVLogoTest, BothPicturesMakeAButtonOfTheNormalPicturesSize)
{
    WritePictures();
    auto logo = Make();
    ASSERT_NE(logo->Animator(), nullptr);
    EXPECT_EQ(g_logoWidget, logo.get());
    EXPECT_EQ(logo->position, Point(20, 20));
    EXPECT_EQ(logo->size, Point(120, 60));
    EXPECT_TRUE(logo->fixed);
    EXPECT_EQ(logo->Animator()->Current().picture, logo->NormalPicture());
}

TEST_F(QTVLogoTest, WithoutEitherPictureItNeitherDrawsNorAnswers)
{
    // Only the hover picture, only the normal one, neither.
    for (int missing = 0; missing < 3; ++missing) {
        WritePictures(missing == 1, missing == 0);
        WriteShortcut("URL=https://example.org/\n");
        auto logo = Make();
        EXPECT_EQ(logo->Animator(), nullptr) << missing;
        if (missing != 1) {
            EXPECT_EQ(logo->size, Point(100, 100));
        }
        Click(*logo);
        EXPECT_FALSE(logo->MouseDown(Point(50, 40)));
        EXPECT_TRUE(services.samples.empty());
        EXPECT_TRUE(process.Starts().empty());
        logo->Update(1.0f);
        logo->Draw();
        std::filesystem::remove(std::filesystem::path("../fsdata/logo_na.png"));
        std::filesystem::remove(std::filesystem::path("../fsdata/logo_a.png"));
    }
}

TEST_F(QTVLogoTest, HoverCrossFadesInASeventhOfASecond)
{
    WritePictures();
    auto logo = Make();
    const QTVLogoAnimator& animator = *logo->Animator();
    logo->MouseMove(Point(50, 40));
    ASSERT_EQ(animator.Queue().size(), 1u);
    logo->Update(1.0f / 14.0f);
    const auto layers = animator.Layers();
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0].state->picture, logo->NormalPicture());
    EXPECT_EQ(layers[0].alpha, 255);
    EXPECT_EQ(layers[1].state->picture, logo->HoverPicture());
    EXPECT_NEAR(layers[1].alpha, 127, 1);
    logo->Update(1.0f / 14.0f + 0.001f);
    EXPECT_TRUE(animator.Queue().empty());
    EXPECT_EQ(animator.Current().picture, logo->HoverPicture());
    EXPECT_FLOAT_EQ(animator.Fade(), 1.0f);
    // Hovering on changes nothing.
    logo->MouseMove(Point(60, 40));
    EXPECT_TRUE(animator.Queue().empty());
}

TEST_F(QTVLogoTest, InAndOutQuicklyQueuesAtMostOneStatePerPicture)
{
    Sprite normal, hover;
    QTVLogoAnimator animator(&normal);
    animator.SwitchTo(&normal); // shows already
    EXPECT_TRUE(animator.Queue().empty());
    animator.SwitchTo(&hover);
    animator.SwitchTo(&normal);
    ASSERT_EQ(animator.Queue().size(), 2u);
    animator.SwitchTo(&hover); // cuts the queue at the queued hover state
    ASSERT_EQ(animator.Queue().size(), 1u);
    EXPECT_EQ(animator.Queue().front().picture, &hover);
    animator.SwitchTo(&normal);
    animator.SwitchTo(&normal);
    EXPECT_EQ(animator.Queue().size(), 2u);
    // Past the half of the fade the incoming state is under the outgoing one.
    animator.Update(0.1f);
    const auto layers = animator.Layers();
    EXPECT_EQ(layers[0].state->picture, &hover);
    EXPECT_EQ(layers[0].alpha, 255);
    EXPECT_EQ(layers[1].state->picture, &normal);
    EXPECT_EQ(layers[1].alpha, static_cast<int>(255.0f * (1.0f - 0.1f * 7.0f)));
}

TEST_F(QTVLogoTest, SwitchedOffItIsHiddenDeafAndSilentButItsFadeRunsOn)
{
    WritePictures();
    WriteShortcut("[InternetShortcut]\nURL=https://example.org/\n");
    auto logo = Make();
    logo->MouseMove(Point(50, 40));
    g_logoWidget->SetEnabled(false);
    EXPECT_FALSE(logo->enabled);
    EXPECT_FALSE(logo->MouseDown(Point(50, 40)));
    logo->MouseUp(Point(50, 40));
    EXPECT_TRUE(services.samples.empty());
    EXPECT_TRUE(process.Starts().empty());
    g_logoWidget->Update(1.0f);
    EXPECT_TRUE(logo->Animator()->Queue().empty()); // the fade went on
    // A press held while it went off opens nothing once it is on again.
    g_logoWidget->SetEnabled(true);
    EXPECT_TRUE(logo->MouseDown(Point(50, 40)));
    logo->SetEnabled(false);
    logo->MouseUp(Point(50, 40));
    logo->SetEnabled(true);
    logo->MouseUp(Point(50, 40));
    EXPECT_TRUE(process.Starts().empty());
}

TEST_F(QTVLogoTest, PressedInsideMovedOutAndReleasedOpensNothing)
{
    WritePictures();
    WriteShortcut("URL=https://example.org/\n");
    auto logo = Make();
    logo->MouseMove(Point(50, 40));
    EXPECT_TRUE(logo->MouseDown(Point(50, 40)));
    EXPECT_EQ(services.samples, std::vector<std::string>{"ButtonClick"});
    logo->MouseMove(Point(500, 400));
    logo->MouseUp(Point(500, 400));
    EXPECT_TRUE(process.Starts().empty());
    Click(*logo);
    EXPECT_EQ(process.Opened(), std::vector<std::string>{"https://example.org/"});
}

TEST_F(QTVLogoTest, OnlyAWebAddressOfTheShortcutReachesTheDesktop)
{
    WritePictures();
    struct Case {
        const char* text; // null: no file
        const char* opened;
        bool logged;
    };
    const Case cases[] = {
        {"[InternetShortcut]\r\nURL=http://velmora.example/\r\n", "http://velmora.example/", false},
        {"[InternetShortcut]\nUrl=HTTPS://velmora.example/play?a=1&b=2\n", "HTTPS://velmora.example/play?a=1&b=2", false},
        {"[InternetShortcut]\nURL=file:///etc/passwd\n", nullptr, true},
        {"URL=javascript:alert(1)", nullptr, true},
        {"[InternetShortcut]\nIconIndex=0\n", nullptr, true},
        {"", nullptr, true},
        {nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(std::filesystem::path("../website.url"));
        if (c.text)
            WriteShortcut(c.text);
        ScopedLogFile log;
        const std::size_t before = process.Opened().size();
        auto logo = Make();
        Click(*logo);
        const std::string label = c.text ? c.text : "(no file)";
        const std::vector<std::string> all = process.Opened();
        const std::vector<std::string> opened(all.begin() + static_cast<long>(before), all.end());
        if (c.opened)
            EXPECT_EQ(opened, std::vector<std::string>{c.opened}) << label;
        else
            EXPECT_TRUE(opened.empty()) << label;
        EXPECT_EQ(log.Text().find("Color = Red") != std::string::npos, c.logged) << label;
    }
}

TEST_F(QTVLogoTest, ALogoThatGoesIsNoLongerTheProcessWideOne)
{
    WritePictures();
    auto first = Make();
    auto second = Make();
    EXPECT_EQ(g_logoWidget, second.get());
    first.reset();
    EXPECT_EQ(g_logoWidget, second.get());
    second.reset();
    EXPECT_EQ(g_logoWidget, nullptr);
}

TEST(WebsiteShortcut, TheFirstUrlLineDecides)
{
    EXPECT_EQ(WebAddressOfShortcut("URL=https://a.example/\nURL=https://b.example/\n"), "https://a.example/");
    EXPECT_EQ(WebAddressOfShortcut("URL=ftp://a.example/\nURL=https://b.example/\n"), "");
    EXPECT_EQ(WebAddressOfShortcut("  URL=  http://a.example/x y  \n"), "http://a.example/x y");
    EXPECT_EQ(WebAddressOfShortcut("NOURL=http://a.example/"), "");
}
