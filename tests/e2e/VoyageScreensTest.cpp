// The screens around the voyage in the game folder that the build
// assembles: the media text over the opening splash, the title going on at
// a click or by itself, a new profile's story clicked through, the sail and
// the first country's scene, the gallery with its locked and unlocked
// scenes, and the closing pages of a profile at the end of a cycle. A
// picture of each screen is saved beside the test's output
// (voyage_screens/), with the run's log.htm.

#include "engine/script/ScriptHost.h"
#include "game/screens/BookState.h"
#include "game/screens/CompleteScreen.h"
#include "game/screens/History.h"
#include "game/screens/MediaText.h"
#include "game/screens/MultList.h"
#include "game/screens/Parus.h"
#include "game/screens/SplashWait.h"
#include "game/screens/TestWidget.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/LayeredAnimation.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

template <typename Kind>
Kind* WidgetOf(const char* layer, const char* widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? dynamic_cast<Kind*>(found->getWidget(widget)) : nullptr;
}

// Points of the screens, y counted from the top.
const int kPlayX = 620, kPlayY = 260;
const int kGalleryX = 620, kGalleryY = 312;
const int kContinueX = 400, kContinueY = 562;
const int kMapMenuX = 690, kMapMenuY = 561;
const int kGalleryBackX = 728, kGalleryBackY = 570;

Point GalleryItem(int item)
{
    return Point(148 + 72 * item + 36, 530);
}

class VoyageScreensTest : public GameFolderTest {
protected:
    VoyageScreensTest() : GameFolderTest("voyage_screens") {}

    // From the opening splash to the title, fully up.
    void ToTitle()
    {
        Frames(30);
        ASSERT_EQ(TopLayer(), "Splash");
        Click(400, 300);
        Frames(kFadeFrames);
        ASSERT_EQ(TopLayer(), "TitleSplash");
    }

    // Clicks until the book's page has arrived, then turns it.
    void ReadPage(PageBook& book, int page, const std::string& picture)
    {
        ASSERT_EQ(book._currentPage, page);
        Frames(90);
        EXPECT_FALSE(book.PageFinished()) << "its lines burn in one after another";
        Picture(picture + "_burning");
        Click(400, 300);
        EXPECT_TRUE(book.PageFinished());
        Frames(40);
        Picture(picture + "_click_to_continue");
        Click(400, 300);
    }

    // The share of near-black pixels inside the gallery's scene window
    // (within its frame).
    float BlackShareOfTheSceneWindow()
    {
        int w = 0, h = 0;
        const std::vector<std::uint8_t> pixels = ScreenPixels(w, h);
        int black = 0, all = 0;
        for (int y = 62; y < 458; ++y)
            for (int x = 164; x < 644; ++x, ++all) {
                const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 4];
                if (p[0] + p[1] + p[2] < 24)
                    ++black;
            }
        return static_cast<float>(black) / static_cast<float>(all);
    }

    void ExpectACleanLog(const std::string& name)
    {
        Shutdown();
        const std::string log = LogText();
        WriteTextFile(_shots + "/" + name, log);
        EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
    }
};

} // namespace

TEST_F(VoyageScreensTest, ANewProfilesFirstVoyageAndTheGallery)
{
    // The media text zooms in over the engine's splash picture.
    Frames(30);
    ASSERT_EQ(TopLayer(), "Splash");
    const TestWidget* media = WidgetOf<TestWidget>("Splash", "MediaText");
    ASSERT_NE(media, nullptr);
    ASSERT_NE(media->_media, nullptr);
    EXPECT_GT(media->_media->Alpha(), 200);
    EXPECT_GT(media->_media->ScaleX(), 1.0f);
    Picture("01_splash_media_text");

    // The title waits for nothing until its picture is up; then a click
    // goes on to the menu.
    Click(400, 300);
    Frames(20);
    ASSERT_EQ(TopLayer(), "Cross");
    SplashWait* wait = WidgetOf<SplashWait>("TitleSplash", "Wait");
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(wait->_dismissable);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "TitleSplash");
    EXPECT_TRUE(wait->_dismissable);
    Picture("02_title");
    // A new profile, made while the title is up.
    ASSERT_TRUE(gameInfo.AddNewPlayer("Ann"));
    Click(400, 300);
    EXPECT_FALSE(wait->_dismissable);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    Picture("03_main_menu");

    // The first Play opens the story: three pages, each burning in.
    ASSERT_FALSE(gameInfo.getViewHistory());
    Click(kPlayX, kPlayY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "History");
    History* story = WidgetOf<History>("History", "Book");
    ASSERT_NE(story, nullptr);
    EXPECT_TRUE(Books().booksShown);
    EXPECT_TRUE(Books().historyIsShown);
    ReadPage(*story, 0, "04_story_page_1");
    ReadPage(*story, 1, "05_story_page_2");
    ReadPage(*story, 2, "06_story_page_3");
    EXPECT_FALSE(Books().booksShown);
    EXPECT_TRUE(gameInfo.getViewHistory());

    // A profile's first voyage shows the help once; "Back" goes on.
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Help");
    EXPECT_FALSE(gameInfo.getShowHelp());
    Frames(60);
    Picture("06b_help");
    Click(400, 545);

    // Setting out for Phoenicia: the sail goes on by itself three seconds
    // after it is up (a fade takes a second, its last half showing it).
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Sail");
    ASSERT_NE(WidgetOf<Parus>("Sail", "Parus"), nullptr);
    Frames(60);
    Picture("07_sail");
    Frames(90);
    ASSERT_EQ(TopLayer(), "Sail");
    Frames(30 + kFadeFrames);
    ASSERT_EQ(TopLayer(), "CountryScene");

    // Phoenicia's scene plays: the profile's first.
    LayeredAnimation* window = WidgetOf<LayeredAnimation>("CountryScene", "1Scene");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->scene, nullptr);
    EXPECT_EQ(window->scene->name, "Phoenicia");
    EXPECT_TRUE(window->playing);
    EXPECT_FALSE(window->blackScreen);
    Frames(90);
    Picture("08_phoenicia_scene");
    Click(kContinueX, kContinueY);
    Frames(kFadeFrames);
    EXPECT_TRUE(gameInfo.GetPlayer("Ann").firstMultIsShow);
    EXPECT_FALSE(window->playing);
    // On to the world map; its Menu button leads back.
    ASSERT_EQ(TopLayer(), "Map");
    Click(kMapMenuX, kMapMenuY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // The gallery: Phoenicia unlocked and playing, Egypt locked.
    Click(kGalleryX, kGalleryY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Gallery");
    MultList* list = WidgetOf<MultList>("Gallery", "2List");
    LayeredAnimation* galleryWindow = WidgetOf<LayeredAnimation>("Gallery", "1Scene");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(galleryWindow, nullptr);
    EXPECT_EQ(MultList::UnlockedCount(), 1);
    Picture("09_gallery");
    EXPECT_LT(BlackShareOfTheSceneWindow(), 0.05f) << "the gallery opens on its painting, not on a black window";
    Click(GalleryItem(0).x, GalleryItem(0).y);
    Frames(60);
    EXPECT_EQ(list->_selected, 0);
    ASSERT_NE(galleryWindow->scene, nullptr);
    EXPECT_EQ(galleryWindow->scene->name, "Phoenicia");
    EXPECT_TRUE(galleryWindow->playing);
    Picture("10_gallery_unlocked_scene_playing");
    Click(GalleryItem(2).x, GalleryItem(2).y);
    Frames(60);
    EXPECT_EQ(list->_selected, 2);
    EXPECT_FALSE(galleryWindow->playing) << "a locked scene keeps its picture";
    Picture("11_gallery_locked_scene");
    Click(kGalleryBackX, kGalleryBackY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    // Back again after a scene has played: the window shows the painting.
    Click(kGalleryX, kGalleryY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Gallery");
    EXPECT_EQ(galleryWindow->scene, nullptr);
    EXPECT_LT(BlackShareOfTheSceneWindow(), 0.05f);
    Click(kGalleryBackX, kGalleryBackY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    ExpectACleanLog("log_first_voyage.htm");
}

TEST_F(VoyageScreensTest, TheTitleGoesOnByItselfAndACycleEndsWithTheClosingPages)
{
    // Up a quarter of a second: nearly three seconds more and it still waits.
    ToTitle();
    Frames(150);
    EXPECT_EQ(TopLayer(), "TitleSplash");
    Frames(30 + kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // A profile on the last level of Troy, which it has just won.
    ASSERT_TRUE(gameInfo.AddNewPlayer("Cyra"));
    Player& cyra = gameInfo.GetPlayer("Cyra");
    cyra.viewHistory = true;
    cyra.firstMultIsShow = true;
    cyra.stage = cyra.maxStage = 7;
    cyra.level = cyra.maxLevel = 15;
    gameInfo.CompleteLevel();
    ASSERT_EQ(cyra.cycle, 2);

    // The closing pages, moved by the story's controller.
    ASSERT_TRUE(CallScriptFunction("ShowClosingPages"));
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "CompleteScreen");
    CompleteScreen* closing = WidgetOf<CompleteScreen>("CompleteScreen", "Book");
    ASSERT_NE(closing, nullptr);
    EXPECT_EQ(Books().completeScreen, closing);
    EXPECT_FALSE(Books().historyIsShown);
    ReadPage(*closing, 0, "12_closing_page_1");
    ReadPage(*closing, 1, "13_closing_page_2");
    ReadPage(*closing, 2, "14_closing_page_3");
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // In the second cycle every scene is unlocked.
    Click(kGalleryX, kGalleryY);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Gallery");
    EXPECT_EQ(MultList::UnlockedCount(), 8);
    Click(GalleryItem(6).x, GalleryItem(6).y);
    Frames(60);
    LayeredAnimation* window = WidgetOf<LayeredAnimation>("Gallery", "1Scene");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->scene, nullptr);
    EXPECT_EQ(window->scene->name, "Troy");
    EXPECT_TRUE(window->playing);
    Picture("15_gallery_second_cycle");

    ExpectACleanLog("log_closing_pages.htm");
}
