// The resource manager without a device: registration, groups, ids, "#"
// names, repeated ids and the paused frame timer. Uploads still decode
// their files, so a changed file shows whether it was read again.

#include "engine/render/tests/ImageFixtures.h"

#include "engine/platform/Application.h"
#include "engine/platform/Settings.h"
#include "engine/render/BigTexture.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/Sprite.h"
#include "engine/render/SpriteAnimation.h"
#include "engine/resources/ResourceManager.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include "tests/support/NullFrameServices.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

using namespace testing_support;

namespace {

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cwd = std::make_unique<ScopedCurrentDir>(dir.Path());
        AllocateImageBuffers();
        g_settings.useJpegPairs = false;
    }
    void TearDown() override { manager.DestroyTextures(); }

    void WritePicture(const std::string& name, int width, int height)
    {
        const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height * 4), 200);
        std::ofstream(dir.File(name), std::ios::binary) << fixtures::MakeTga(width, height, 2, 32, pixels);
    }

    void Load(const std::string& xml)
    {
        WriteTextFile(dir.File("resources.xml"), xml);
        manager.LoadResources("resources.xml");
    }

    TempDir dir;
    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
    ResourceManager manager;
};

TEST_F(ResourceManagerTest, GroupsUploadOnceAndReloadAfterARelease)
{
    WritePicture("a.tga", 8, 8);
    WritePicture("b.tga", 8, 8);
    WritePicture("s.tga", 6, 5);
    Load(R"(<Resources>
      <Textures><texture id="a" path="a.tga" group="Menu" upload="false"/><texture id="b" path="b.tga"/></Textures>
      <Textures2D><texture2D id="s" path="s.tga" group="Menu" upload="false"/></Textures2D>
      <BigTextures><bigtexture id="big" path="a.tga" group="Menu" upload="false" chunkWidth="4" chunkHeight="4"/></BigTextures>
      <FrameAnimations><animation id="fa" path="" prefix="f" format="tga" keys="2" group="Menu" upload="false"/></FrameAnimations>
    </Resources>)");

    auto* a = manager.FindTexture("a");
    auto* b = manager.FindTexture("b");
    auto* s = manager.FindTexture2D("s");
    auto* big = manager.FindBigTexture("big");
    auto* fa = manager.FindFrameAnimation("fa");
    ASSERT_TRUE(a && b && s && big && fa);
    EXPECT_FALSE(a->uploaded);
    EXPECT_TRUE(b->uploaded);
    EXPECT_EQ(b->group, "Common");
    EXPECT_FALSE(s->uploaded);
    // Only the size is read for a 2D texture that is not uploaded.
    EXPECT_EQ(s->object->imageWidth, 6);
    EXPECT_EQ(s->object->textureWidth, 6) << "a texture of the picture's own size";
    EXPECT_TRUE(big->object->chunks.empty());

    manager.UploadGroup("Menu");
    EXPECT_TRUE(a->uploaded && s->uploaded && big->uploaded && fa->uploaded);
    EXPECT_EQ(a->object->image.width, 8);
    EXPECT_EQ(big->object->chunks.size(), 4u);

    // A second upload of the group reads nothing again.
    WritePicture("a.tga", 16, 16);
    manager.UploadGroup("Menu");
    EXPECT_EQ(a->object->image.width, 8);

    manager.ReleaseGroup("Menu");
    EXPECT_FALSE(a->uploaded || s->uploaded || big->uploaded || fa->uploaded);
    EXPECT_TRUE(b->uploaded);
    EXPECT_TRUE(big->object->chunks.empty());

    manager.UploadGroup("Menu");
    EXPECT_EQ(a->object->image.width, 16);
    EXPECT_EQ(big->object->chunks.size(), 16u);

    manager.UploadGroup("Nothing");
    manager.ReleaseGroup("Nothing");
}

TEST_F(ResourceManagerTest, PicturesFlaggedToStayLoadedSurviveGroupAndIdReleases)
{
    WritePicture("p.tga", 8, 8);
    Load(R"(<Resources>
      <Textures><texture id="tex" path="p.tga" group="Level"/></Textures>
      <Textures2D><texture2D id="kept" path="p.tga" group="Level"/><texture2D id="other" path="p.tga" group="Level"/>
      </Textures2D></Resources>)");
    Sprite* kept = manager.GetTexture("#kept");
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->keepLoaded);
    kept->keepLoaded = true;
    manager.FindTexture("tex")->object->keepLoaded = true;

    manager.ReleaseGroup("Level");
    EXPECT_TRUE(manager.FindTexture2D("kept")->uploaded);
    EXPECT_TRUE(manager.FindTexture("tex")->uploaded);
    EXPECT_FALSE(manager.FindTexture2D("other")->uploaded);
    manager.ReleaseResource("kept");
    manager.ReleaseResource("tex");
    EXPECT_TRUE(manager.FindTexture2D("kept")->uploaded);
    EXPECT_TRUE(manager.FindTexture("tex")->uploaded);
    EXPECT_EQ(kept->image.width, 8);

    // Uploading the group again reads only what was released.
    WritePicture("p.tga", 16, 16);
    manager.UploadGroup("Level");
    EXPECT_EQ(kept->image.width, 8);
    EXPECT_EQ(manager.FindTexture2D("other")->object->image.width, 16);

    // Without the flag the picture goes like any other.
    kept->keepLoaded = false;
    manager.ReleaseResource("kept");
    EXPECT_FALSE(manager.FindTexture2D("kept")->uploaded);
}

TEST_F(ResourceManagerTest, TheKeptGroupSurvivesReleasesUntilAnotherIsKept)
{
    WritePicture("p.tga", 8, 8);
    Load(R"(<Resources>
      <Textures2D><texture2D id="one" path="p.tga" group="Country1"/><texture2D id="two" path="p.tga" group="Country2"/>
      </Textures2D></Resources>)");
    manager.UploadGroup("Country1");
    manager.UploadGroup("Country2");
    manager.KeepGroupLoaded("Country1");
    EXPECT_EQ(manager.KeptGroup(), "Country1");
    manager.ReleaseGroup("Country1");
    manager.ReleaseResource("one");
    manager.ReleaseGroup("Country2");
    EXPECT_TRUE(manager.FindTexture2D("one")->uploaded);
    EXPECT_FALSE(manager.FindTexture2D("two")->uploaded);

    // Another country kept: the first one's release takes it now.
    manager.KeepGroupLoaded("Country2");
    manager.ReleaseGroup("Country1");
    EXPECT_FALSE(manager.FindTexture2D("one")->uploaded);
    manager.KeepGroupLoaded("");
    manager.UploadGroup("Country2");
    manager.ReleaseGroup("Country2");
    EXPECT_FALSE(manager.FindTexture2D("two")->uploaded);
}

TEST_F(ResourceManagerTest, HashNamesFindOnlyRegistered2DTextures)
{
    WritePicture("t.tga", 4, 4);
    WritePicture("file.tga", 12, 4);
    Load(R"(<Resources><Textures><texture id="tex" path="t.tga" upload="false"/></Textures>
      <Textures2D><texture2D id="spr" path="t.tga"/></Textures2D></Resources>)");
    EXPECT_EQ(manager.GetTexture("#spr"), manager.FindTexture2D("spr")->object.get());
    EXPECT_EQ(manager.GetTexture("#tex"), nullptr);
    EXPECT_EQ(manager.GetTexture("#none"), nullptr);
    std::unique_ptr<Sprite> own(manager.GetTexture("file.tga"));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->imageWidth, 12);
    EXPECT_EQ(own->textureWidth, 12);
}

TEST_F(ResourceManagerTest, APictureTheFileNamesThatGivesNothingIsLoggedOnceWithItsName)
{
    Load(R"(<Resources>
      <Textures><texture id="t" path="gone_t.tga"/></Textures>
      <Textures2D><texture2D id="s" path="gone_s.png"/><texture2D id="m" path="gone_m.tga" group="Menu" upload="false"/>
      </Textures2D>
      <BigTextures><bigtexture id="b" path="gone_b.jpg"/></BigTextures>
      <Animations><animation id="a" texture="gone_a.png"><frames width="16" height="16" count="2" last="1"/></animation>
      </Animations>
    </Resources>)");
    manager.UploadGroup("Menu");
    const std::string log = logFile.Text();
    for (const char* name : {"gone_t.tga", "gone_s.png", "gone_m.tga", "gone_b.jpg", "gone_a.png"}) {
        const std::string line = std::string("Can't load texture ") + name;
        const std::size_t first = log.find(line);
        EXPECT_NE(first, std::string::npos) << name;
        EXPECT_EQ(log.find(line, first + 1), std::string::npos) << name << " is logged more than once";
    }
}

TEST_F(ResourceManagerTest, AnIdInSeveralKindsIsUploadedAndReleasedInAll)
{
    WritePicture("x.tga", 4, 4);
    Load(R"(<Resources><Textures><texture id="x" path="x.tga" upload="false"/></Textures>
      <Textures2D><texture2D id="x" path="x.tga" upload="false"/></Textures2D></Resources>)");
    manager.UploadResource("x");
    EXPECT_TRUE(manager.FindTexture("x")->uploaded);
    EXPECT_TRUE(manager.FindTexture2D("x")->uploaded);
    manager.ReleaseResource("x");
    EXPECT_FALSE(manager.FindTexture("x")->uploaded);
    EXPECT_FALSE(manager.FindTexture2D("x")->uploaded);
    manager.UploadResource("unknown");
    manager.ReleaseResource("unknown");
}

TEST_F(ResourceManagerTest, ARepeatedIdKeepsTheFirstEntry)
{
    WritePicture("first.tga", 4, 4);
    WritePicture("second.tga", 8, 8);
    Load(R"(<Resources><Textures>
      <texture id="dup" path="first.tga" upload="false" group="One"/>
      <texture id="dup" path="second.tga" group="Two"/></Textures></Resources>)");
    ASSERT_EQ(manager.textures.size(), 1u);
    const auto* entry = manager.FindTexture("dup");
    EXPECT_EQ(entry->path, "first.tga");
    EXPECT_EQ(entry->group, "One");
    // The later element's upload step finds the first entry.
    EXPECT_TRUE(entry->uploaded);
    EXPECT_EQ(entry->object->image.width, 4);
    EXPECT_NE(logFile.Text().find("declared twice"), std::string::npos);
}

TEST_F(ResourceManagerTest, AnimationsTakeTheirSheetByHashOrFile)
{
    WritePicture("sheet.tga", 64, 32);
    Load(R"(<Resources><Textures2D><texture2D id="sheet" path="sheet.tga"/></Textures2D>
      <Animations>
        <animation id="shared" texture="#sheet"><frames width="16" height="16" count="8" last="7"/>
          <playback loop="1" fps="10"/></animation>
        <animation id="own" texture="sheet.tga"><frames width="16" height="16" count="8" first="2" last="5"/>
          <playback forward="false"/></animation>
        <animation id="lost" texture="#missing"><frames width="16" height="16" count="2"/></animation>
      </Animations></Resources>)");
    const auto* shared = manager.FindAnimation("shared");
    const auto* own = manager.FindAnimation("own");
    ASSERT_TRUE(shared && own);
    EXPECT_EQ(manager.FindAnimation("lost"), nullptr);
    EXPECT_NE(logFile.Text().find("#missing"), std::string::npos);

    EXPECT_EQ(shared->object->sprite, manager.FindTexture2D("sheet")->object.get());
    EXPECT_EQ(shared->path, "None");
    EXPECT_EQ(shared->group, "Common");
    EXPECT_FALSE(shared->uploaded);
    EXPECT_EQ(shared->object->mode, 4);
    EXPECT_EQ(shared->object->current, 0);
    EXPECT_FLOAT_EQ(shared->object->frameU, 0.25f);
    EXPECT_FLOAT_EQ(shared->object->frameV, 0.5f);

    EXPECT_NE(own->object->sprite, shared->object->sprite);
    EXPECT_EQ(own->object->step, -1);
    EXPECT_EQ(own->object->current, 5); // backwards: starts on the last frame

    // Group operations leave animations alone.
    manager.ReleaseGroup("Common");
    EXPECT_FALSE(shared->uploaded);
}

TEST_F(ResourceManagerTest, GroupOperationsPauseTheFrameTimer)
{
    std::int64_t ticks = 0;
    Application app(false, std::make_unique<testing_support::NullFrameServices>(), Timer([&ticks] { return ticks += 1000; }, 1000000));
    WritePicture("a.tga", 4, 4);
    Load(R"(<Resources><Textures><texture id="a" path="a.tga" upload="false"/></Textures></Resources>)");
    app.timer.pausedTicks = 0;
    manager.UploadGroup("Common");
    EXPECT_GT(app.timer.pausedTicks, 0);
    app.timer.pausedTicks = 0;
    manager.ReleaseResource("a");
    EXPECT_GT(app.timer.pausedTicks, 0);
}

TEST_F(ResourceManagerTest, DestroyTexturesForgetsEveryPicture)
{
    WritePicture("a.tga", 4, 4);
    Load(R"(<Resources><Textures><texture id="a" path="a.tga"/></Textures>
      <Textures2D><texture2D id="s" path="a.tga"/></Textures2D>
      <Animations><animation id="an" texture="#s"><frames width="2" height="2" count="2"/></animation></Animations>
    </Resources>)");
    manager.DestroyTextures();
    EXPECT_TRUE(manager.textures.empty());
    EXPECT_TRUE(manager.textures2D.empty());
    EXPECT_TRUE(manager.animations.empty());
    EXPECT_EQ(manager.GetTexture("#s"), nullptr);
}

} // namespace

// PNG pictures of every kind that registration loads at once (decoded ahead
// on worker threads), one file named twice and one that fails: each object
// gets its own picture, and the failure its one line.
TEST_F(ResourceManagerTest, PngPicturesLoadedAtRegistrationComeOutAsNamed)
{
    const auto writePng = [this](const std::string& name, int width, int height) {
        fixtures::PngSpec layout;
        layout.width = width;
        layout.height = height;
        layout.rows = fixtures::GradientRgb(width, height);
        std::ofstream(dir.File(name), std::ios::binary) << fixtures::MakePng(layout);
    };
    writePng("t.png", 3, 5);
    writePng("s.png", 6, 7);
    writePng("big.png", 9, 4);
    writePng("sheet.png", 20, 10);
    writePng("f00.png", 5, 3);
    writePng("f01.png", 7, 2);
    WriteTextFile(dir.File("bad.png"), "not a picture");
    Load(R"(<Resources>
      <Textures><texture id="t" path="t.png"/><texture id="again" path="s.png"/><texture id="bad" path="bad.png"/>
      </Textures>
      <Textures2D><texture2D id="s" path="s.png"/></Textures2D>
      <BigTextures><bigtexture id="big" path="big.png" chunkWidth="4" chunkHeight="4"/></BigTextures>
      <Animations><animation id="own" texture="sheet.png"><frames width="10" height="10" count="2"/></animation>
      </Animations>
      <FrameAnimations><animation id="fa" path="" prefix="f" format="png" keys="2"/></FrameAnimations>
    </Resources>)");

    EXPECT_EQ(manager.FindTexture("t")->object->image.width, 3);
    EXPECT_EQ(manager.FindTexture("again")->object->image.width, 6);
    EXPECT_EQ(manager.FindTexture2D("s")->object->imageWidth, 6);
    EXPECT_EQ(manager.FindTexture2D("s")->object->imageHeight, 7);
    EXPECT_EQ(manager.FindBigTexture("big")->object->chunks.size(), 3u);
    EXPECT_EQ(manager.FindAnimation("own")->object->sprite->imageWidth, 20);
    const auto& frames = manager.FindFrameAnimation("fa")->object->frames;
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0]->imageWidth, 5);
    EXPECT_EQ(frames[1]->imageWidth, 7);
    EXPECT_TRUE(manager.FindTexture("bad")->object->image.IsEmpty());
    const std::string log = logFile.Text();
    const std::string line = "Can't load texture bad.png. Error while opening file.";
    const auto first = log.find(line);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find("Can't load texture", first + 1), std::string::npos) << log;
}
