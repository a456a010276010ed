// The strict lookups: a missing picture, sample, track, effect or text id is
// quiet in play and writes one line under the fixed title in the strict
// mode; names that are there write nothing.

#include "engine/platform/HtmlLog.h"
#include "engine/platform/StrictLookups.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "gui/ResourceAccess.h"
#include "gui/StringTable.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/ParticleManager.h"
#include "tests/support/ScopedLogFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

int Count(const std::string& text, const std::string& piece)
{
    int n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

class StrictLookupsTest : public testing::Test {
protected:
    ~StrictLookupsTest() override { SetStrictLookups(false); }

    int MissingLines() const { return Count(_log.Text(), kMissingNameTitle); }

    testing_support::ScopedLogFile _log;
};

struct Lookup {
    const char* what;
    std::function<void(const std::string& name)> run;
};

const Lookup kLookups[] = {
    {"picture", [](const std::string& name) { GuiResources::FindTexture("#" + name); }},
    {"picture", [](const std::string& name) { g_resourceManager.FindBigTexture(name); }},
    {"picture", [](const std::string& name) { g_resourceManager.FindAnimation(name); }},
    {"sample", [](const std::string& name) { g_sound.PlaySample(name); }},
    {"track", [](const std::string& name) { g_sound.FadeInTrack(name, 1.0f, true); }},
    {"effect", [](const std::string& name) { EffectList().Add(name, 0.0f, 0.0f); }},
    {"text", [](const std::string& name) { GetText(name); }},
};

TEST_F(StrictLookupsTest, AMissingNameIsQuietInPlay)
{
    SetStrictLookups(false);
    for (const Lookup& lookup : kLookups)
        lookup.run("NoSuchName");
    EXPECT_EQ(MissingLines(), 0) << _log.Text();
}

TEST_F(StrictLookupsTest, EachMissingNameWritesOneLineNamingItInTheStrictMode)
{
    SetStrictLookups(true);
    int expected = 0;
    for (const Lookup& lookup : kLookups) {
        const std::string name = std::string("Missing_") + lookup.what + std::to_string(expected);
        lookup.run(name);
        ++expected;
        EXPECT_EQ(MissingLines(), expected) << lookup.what;
        EXPECT_NE(_log.Text().find(std::string(lookup.what) + " &quot;" + name + "&quot; is not there."), std::string::npos)
            << _log.Text();
    }
}

TEST_F(StrictLookupsTest, NamesThatAreThereWriteNothing)
{
    SetStrictLookups(true);
    StringTable table{{"Present", "here"}};
    const StringTable* previous = g_stringTable;
    g_stringTable = &table;
    EXPECT_EQ(GetText("Present"), "here");
    g_stringTable = previous;
    g_particleManager.Effect("PresentEffect");
    EffectList().Add("PresentEffect", 0.0f, 0.0f);
    g_particleManager._effects.erase("PresentEffect");
    EXPECT_EQ(MissingLines(), 0) << _log.Text();
}

} // namespace
