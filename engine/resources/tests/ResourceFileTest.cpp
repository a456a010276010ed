// The resource file reader: sections, defaults, skipped elements and the
// numbers that count as absent.

#include "engine/resources/ResourceFile.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace testing_support;

namespace {

ResourceFile ReadText(const std::string& xml)
{
    TiXmlDocument document;
    document.Parse(xml.c_str());
    ResourceFile file;
    file.Read(document, "test.xml");
    return file;
}

TEST(ResourceFile, EverySectionWithItsDefaults)
{
    const ResourceFile file = ReadText(R"(<Resources>
      <Fonts><font name="Letter"/><font name="Title" scale="1.5" track="0" spaceSize="7"/><font scale="2"/></Fonts>
      <Textures><texture id="t" path="a.tga"/><texture id="lin" path="b.tga" filter="LINEAR" upload="false" group="Menu"/>
                <texture id="nopath"/><texture path="c.tga"/></Textures>
      <Textures2D><texture2D id="s" path="s.tga" upload="0"/></Textures2D>
      <BigTextures><bigtexture id="big" path="big.jpg"/></BigTextures>
      <Sounds><sample id="click" path="click.wav"/><sample id="m" path="m.wav" mix="5"/>
              <track id="theme" path="theme.ogg"/><track id="t2" path="t2.ogg" tag="Game" useSoundVolume="true"/></Sounds>
      <Animations><animation id="a" texture="#s"/></Animations>
      <FrameAnimations><animation id="fish" path="anim\" prefix="fish" format="png" keys="4"/></FrameAnimations>
    </Resources>)");

    ASSERT_EQ(file.fonts.size(), 2u); // the font without a name is skipped
    EXPECT_EQ(file.fonts[0].name, "Letter");
    EXPECT_FLOAT_EQ(file.fonts[0].scale, 1.0f);
    EXPECT_FLOAT_EQ(file.fonts[0].track, 2.0f);
    EXPECT_EQ(file.fonts[0].spaceSize, -100);
    EXPECT_FLOAT_EQ(file.fonts[1].scale, 1.5f);
    EXPECT_FLOAT_EQ(file.fonts[1].track, 0.0f);
    EXPECT_EQ(file.fonts[1].spaceSize, 7);

    ASSERT_EQ(file.textures.size(), 2u); // no path, no id: skipped
    EXPECT_EQ(file.textures[0].id, "t");
    EXPECT_EQ(file.textures[0].path, "a.tga");
    EXPECT_TRUE(file.textures[0].upload);
    EXPECT_EQ(file.textures[0].group, "Common");
    EXPECT_FALSE(file.textures[0].linearFilter);
    EXPECT_FALSE(file.textures[1].upload);
    EXPECT_EQ(file.textures[1].group, "Menu");
    EXPECT_TRUE(file.textures[1].linearFilter);

    ASSERT_EQ(file.textures2D.size(), 1u);
    EXPECT_FALSE(file.textures2D[0].upload);
    ASSERT_EQ(file.bigTextures.size(), 1u);
    EXPECT_EQ(file.bigTextures[0].chunkWidth, 256);
    EXPECT_EQ(file.bigTextures[0].chunkHeight, 256);

    ASSERT_EQ(file.samples.size(), 2u);
    EXPECT_EQ(file.samples[0].mix, 2);
    EXPECT_EQ(file.samples[1].mix, 5);
    ASSERT_EQ(file.tracks.size(), 2u);
    EXPECT_EQ(file.tracks[0].tag, "Common");
    EXPECT_FALSE(file.tracks[0].useSoundVolume);
    EXPECT_EQ(file.tracks[1].tag, "Game");
    EXPECT_TRUE(file.tracks[1].useSoundVolume);

    ASSERT_EQ(file.animations.size(), 1u);
    EXPECT_EQ(file.animations[0].texture, "#s");
    EXPECT_TRUE(file.animations[0].playing);
    ASSERT_EQ(file.frameAnimations.size(), 1u);
    EXPECT_EQ(file.frameAnimations[0].entry.path, "anim\\");
    EXPECT_EQ(file.frameAnimations[0].keys, 4);
    EXPECT_EQ(file.frameAnimations[0].start, 0);
    EXPECT_EQ(file.frameAnimations[0].step, 1);
    EXPECT_EQ(file.frameAnimations[0].entry.group, "Common");
}

TEST(ResourceFile, MissingSectionsLeaveTheOthers)
{
    const ResourceFile file = ReadText(R"(<Resources><Textures><texture id="t" path="a.tga"/></Textures></Resources>)");
    EXPECT_TRUE(file.fonts.empty());
    EXPECT_TRUE(file.samples.empty());
    EXPECT_EQ(file.textures.size(), 1u);
}

TEST(ResourceFile, OnlyTheFirstSectionOfANameCounts)
{
    const ResourceFile file = ReadText(R"(<Resources><Textures><texture id="a" path="a.tga"/></Textures>
      <Textures><texture id="b" path="b.tga"/></Textures></Resources>)");
    ASSERT_EQ(file.textures.size(), 1u);
    EXPECT_EQ(file.textures[0].id, "a");
}

TEST(ResourceFile, ChunkSizesRiseToPowersOfTwo)
{
    const struct {
        const char* value;
        int expected;
    } cases[] = {{"100", 128}, {"300", 512}, {"256", 256}, {"1", 1}, {"0", 256}, {"-5", 256}, {"abc", 256}};
    for (const auto& c : cases) {
        const ResourceFile file = ReadText(std::string("<Resources><BigTextures><bigtexture id=\"b\" path=\"b.jpg\" ") +
                                           "chunkWidth=\"" + c.value + "\" chunkHeight=\"" + c.value +
                                           "\"/></BigTextures></Resources>");
        ASSERT_EQ(file.bigTextures.size(), 1u);
        EXPECT_EQ(file.bigTextures[0].chunkWidth, c.expected) << c.value;
        EXPECT_EQ(file.bigTextures[0].chunkHeight, c.expected) << c.value;
    }
}

TEST(ResourceFile, NumbersThatDoNotParseCountAsAbsent)
{
    const ResourceFile file = ReadText(R"(<Resources><Fonts><font name="F" scale="big" spaceSize="wide"/></Fonts>
      <Sounds><sample id="a" path="a.wav" mix="0"/><sample id="b" path="b.wav" mix="many"/><sample/></Sounds></Resources>)");
    ASSERT_EQ(file.fonts.size(), 1u);
    EXPECT_FLOAT_EQ(file.fonts[0].scale, 1.0f);
    EXPECT_EQ(file.fonts[0].spaceSize, -100);
    ASSERT_EQ(file.samples.size(), 3u);
    EXPECT_EQ(file.samples[0].mix, 2);
    EXPECT_EQ(file.samples[1].mix, 2);
    EXPECT_EQ(file.samples[2].id, "");
    EXPECT_EQ(file.samples[2].path, "");
}

TEST(ResourceFile, AnimationFramesAndPlayback)
{
    const ResourceFile file = ReadText(R"(<Resources><Animations>
      <animation id="range" texture="sheet.tga"><frames width="32" height="16" count="8" last="5" first="2"/>
        <playback loop="true" fps="10"/></animation>
      <animation id="outside" texture="sheet.tga"><frames count="8" last="9" first="-1"/>
        <playback forward="false" pingpong="1" play="false"/></animation>
      <animation id="still" texture="sheet.tga"><frames count="4"/><playback fps="0"/></animation>
      <animation id="notexture"><frames count="4"/></animation>
    </Animations></Resources>)");
    ASSERT_EQ(file.animations.size(), 3u);
    const auto& range = file.animations[0];
    EXPECT_EQ(range.frameWidth, 32);
    EXPECT_EQ(range.frameHeight, 16);
    EXPECT_EQ(range.frameCount, 8);
    EXPECT_EQ(range.first, 2);
    EXPECT_EQ(range.last, 5);
    EXPECT_EQ(range.mode, 4);
    EXPECT_FLOAT_EQ(range.frameTime, 0.1f);
    const auto& outside = file.animations[1];
    EXPECT_EQ(outside.last, 7);
    EXPECT_EQ(outside.first, 0);
    EXPECT_EQ(outside.mode, 1 | 2);
    EXPECT_FALSE(outside.playing);
    EXPECT_EQ(file.animations[2].frameTime, 0.0f);
    EXPECT_EQ(file.animations[2].last, 0); // absent "last" stays 0
}

TEST(ResourceFile, FrameAnimationsNeedTheirFourAttributes)
{
    const ResourceFile file = ReadText(R"(<Resources><FrameAnimations>
      <animation id="ok" path="p\" prefix="f" format="png" keys="3" start="8" step="2" upload="false" group="Menu"/>
      <animation id="noprefix" path="p\" format="png" keys="3"/>
      <animation id="nokeys" path="p\" prefix="f" format="png"/>
      <animation id="negative" path="p\" prefix="f" format="png" keys="-2"/>
    </FrameAnimations></Resources>)");
    ASSERT_EQ(file.frameAnimations.size(), 1u);
    const auto& ok = file.frameAnimations[0];
    EXPECT_EQ(ok.entry.id, "ok");
    EXPECT_EQ(ok.start, 8);
    EXPECT_EQ(ok.step, 2);
    EXPECT_FALSE(ok.entry.upload);
    EXPECT_EQ(ok.entry.group, "Menu");
}

TEST(ResourceFile, MissingSplash2FallsBackToItsDefaultFile)
{
    TempDir dir;
    ScopedCurrentDir cwd(dir.Path());
    WriteTextFile(dir.File("there.jpg"), "x");
    const ResourceFile file = ReadText(R"(<Resources><Textures2D>
      <texture2D id="SPLASH2" path="gone.jpg"/><texture2D id="SPLASH1" path="gone.jpg"/></Textures2D>
      <BigTextures><bigtexture id="SPLASH2" path="there.jpg"/></BigTextures></Resources>)");
    ASSERT_EQ(file.textures2D.size(), 2u);
    EXPECT_EQ(file.textures2D[0].path, "splash2.jpg");
    EXPECT_EQ(file.textures2D[1].path, "gone.jpg");
    EXPECT_EQ(file.bigTextures[0].path, "there.jpg");
}

TEST(ResourceFile, UnreadableFilesAreLoggedAndGiveNothing)
{
    TempDir dir;
    ScopedCurrentDir cwd(dir.Path());
    WriteTextFile(dir.File("broken.xml"), "<Resources><Fonts>");
    WriteTextFile(dir.File("other.xml"), "<Other/>");
    ScopedLogFile logFile;
    for (const char* name : {"missing.xml", "broken.xml", "other.xml"}) {
        ResourceFile file;
        EXPECT_FALSE(file.Load(name)) << name;
    }
    logFile.Close();
    const std::string log = logFile.Text();
    for (const char* name : {"missing.xml", "broken.xml", "other.xml"})
        EXPECT_NE(log.find(std::string("Resource file load error : </B></Font><Font Size = 1 Color = Black Face = "
                                       "Verdana>") + name),
                  std::string::npos)
            << name;
}

} // namespace
