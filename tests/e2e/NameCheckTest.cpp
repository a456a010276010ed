// The names the data gives each other, checked in the game folder the build
// assembles: every "#" picture or string and "@" text that a layer file, a
// data file or a script names is registered; every file they name is there;
// every layer (and widget) a script sends to or shows is defined; every
// track and sample a script or Music.xml plays is registered.

#include "engine/resources/ResourceFile.h"
#include "engine/util/FileSystem.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool EndsWithFileExtension(const std::string& value)
{
    static const std::regex extension(R"(.*\.(png|jpg|tga|wav|ogg|lua|xml|txt)$)", std::regex::icase);
    return std::regex_match(value, extension);
}

// A name the data uses, where it was found, and whether it is only the
// start of the name (a script string followed by "..").
struct Use {
    std::string name;
    std::string where;
    bool prefix = false;
};

class NameCheckTest : public testing::Test {
protected:
    NameCheckTest() : _inGame(std::string(std::getenv("VELMORA_GAME_DIR")) + "/data")
    {
        ResourceFile resources;
        EXPECT_TRUE(resources.Load("resources.xml"));
        for (const auto* list : {&resources.textures, &resources.textures2D, &resources.bigTextures})
            for (const PictureDeclaration& picture : *list)
                _pictures.insert(picture.id);
        for (const FrameSequenceDeclaration& frames : resources.frameAnimations)
            _pictures.insert(frames.entry.id);
        for (const SpriteAnimationDeclaration& animation : resources.animations)
            _pictures.insert(animation.id);
        for (const SampleDeclaration& sample : resources.samples)
            _samples.insert(sample.id);
        for (const TrackDeclaration& track : resources.tracks)
            _tracks.insert(track.id);
        ReadTextIds("gui/Text.xml");
        for (const auto& entry : fs::directory_iterator("gui"))
            if (entry.path().extension() == ".xml")
                ReadLayers(entry.path());
        for (const auto& entry : fs::recursive_directory_iterator("."))
            if (entry.path().extension() == ".xml" && entry.path().filename() != "Level.xml" &&
                entry.path().filename() != "resources.xml")
                CollectXmlUses(entry.path());
        for (const auto& entry : fs::recursive_directory_iterator("."))
            if (entry.path().extension() == ".lua")
                CollectScriptUses(entry.path());
    }

    static bool Known(const std::set<std::string>& names, const Use& use)
    {
        if (!use.prefix)
            return names.count(use.name) > 0;
        const auto next = names.lower_bound(use.name);
        return next != names.end() && next->compare(0, use.name.size(), use.name) == 0;
    }

    std::set<std::string> _pictures;
    std::set<std::string> _strings; // "#id" captions
    std::set<std::string> _texts;   // "@id" blocks
    std::set<std::string> _samples;
    std::set<std::string> _tracks;
    std::map<std::string, std::set<std::string>> _layers; // layer -> its widgets
    std::vector<Use> _hashNames, _atNames, _files, _layerUses, _samplesUsed, _tracksUsed, _stageTracks;
    std::vector<std::pair<Use, std::string>> _widgetUses; // (layer use, widget)

private:
    void ReadTextIds(const std::string& file)
    {
        TiXmlDocument document;
        ASSERT_TRUE(document.LoadFile(file.c_str())) << file;
        for (const TiXmlElement* e = document.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement())
            if (const char* id = e->Attribute("id"))
                (e->ValueStr() == "text" ? _texts : _strings).insert(id);
    }

    static void WidgetNames(const TiXmlElement* element, std::set<std::string>& names)
    {
        for (const TiXmlElement* e = element->FirstChildElement(); e; e = e->NextSiblingElement()) {
            if (const char* name = e->Attribute("name"))
                names.insert(name);
            WidgetNames(e, names);
        }
    }

    void ReadLayers(const fs::path& file)
    {
        TiXmlDocument document;
        if (!document.LoadFile(file.string().c_str()) || !document.RootElement())
            return;
        for (const TiXmlElement* e = document.RootElement()->FirstChildElement("Layer"); e;
             e = e->NextSiblingElement("Layer"))
            if (const char* name = e->Attribute("name"))
                WidgetNames(e, _layers[name]);
    }

    void Classify(const std::string& value, const std::string& where)
    {
        if (value.size() > 1 && value[0] == '#')
            _hashNames.push_back({value.substr(1), where});
        else if (value.size() > 1 && value[0] == '@')
            _atNames.push_back({value.substr(1), where});
        else if (EndsWithFileExtension(value) && value.find(' ') == std::string::npos)
            _files.push_back({value, where});
    }

    void CollectXmlUses(const fs::path& file)
    {
        TiXmlDocument document;
        if (!document.LoadFile(file.string().c_str()) || !document.RootElement())
            return;
        const std::string where = file.string();
        std::vector<const TiXmlElement*> pending{document.RootElement()};
        while (!pending.empty()) {
            const TiXmlElement* e = pending.back();
            pending.pop_back();
            for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next())
                Classify(a->ValueStr(), where);
            if (e->GetText())
                Classify(e->GetText(), where);
            if (file.filename() == "Music.xml")
                for (const char* attribute : {"startMusic", "mainMusic"})
                    if (const char* track = e->Attribute(attribute))
                        _stageTracks.push_back({track, where});
            for (const TiXmlElement* child = e->FirstChildElement(); child; child = child->NextSiblingElement())
                pending.push_back(child);
        }
    }

    void CollectScriptUses(const fs::path& file)
    {
        const std::string text = testing_support::ReadTextFile(file.string());
        const std::string where = file.string();
        // Every string literal; one followed by ".." is the start of a name.
        static const std::regex literal(R"re("([^"\n]*)"(\s*\.\.)?)re");
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            const std::string value = (*it)[1];
            const bool prefix = (*it)[2].matched;
            if (value.size() > 1 && (value[0] == '#' || value[0] == '@'))
                (value[0] == '#' ? _hashNames : _atNames).push_back({value.substr(1), where, prefix});
            else if (!prefix && EndsWithFileExtension(value))
                _files.push_back({value, where});
        }
        // The layer functions: the layer first, for some the widget next.
        static const std::regex layerCall(
            R"re(\b(GoTo|getLayer|OpenDialog|Ink|FindWidget|Tell|Ask|Show|StartDelay)\(\s*"([^"]+)"(\s*\.\.)?(\s*,\s*"([^"]+)")?)re");
        for (std::sregex_iterator it(text.begin(), text.end(), layerCall), end; it != end; ++it) {
            const Use layer{(*it)[2], where, (*it)[3].matched};
            _layerUses.push_back(layer);
            const std::string function = (*it)[1];
            const bool namesWidget = function == "FindWidget" || function == "Tell" || function == "Ask" ||
                                     function == "Show" || function == "StartDelay";
            if (namesWidget && !layer.prefix && (*it)[5].matched)
                _widgetUses.emplace_back(layer, (*it)[5]);
        }
        static const std::regex soundCall(R"re(\b(PlaySample|PlaySound|FadeInTrack|FadeOutTrack|PlayTrack|StopTrack)\(\s*"([^"]+)"(\s*\.\.)?)re");
        for (std::sregex_iterator it(text.begin(), text.end(), soundCall), end; it != end; ++it) {
            const std::string function = (*it)[1];
            const Use sound{(*it)[2], where, (*it)[3].matched};
            (function == "PlaySample" || function == "PlaySound" ? _samplesUsed : _tracksUsed).push_back(sound);
        }
    }

    testing_support::ScopedCurrentDir _inGame;
};

TEST_F(NameCheckTest, EveryHashNameIsARegisteredPictureOrString)
{
    ASSERT_FALSE(_hashNames.empty());
    for (const Use& use : _hashNames)
        EXPECT_TRUE(Known(_pictures, use) || Known(_strings, use)) << "#" << use.name << " in " << use.where;
    for (const Use& use : _atNames)
        EXPECT_TRUE(Known(_texts, use)) << "@" << use.name << " in " << use.where;
}

TEST_F(NameCheckTest, EveryFileNamedIsInTheGameFolder)
{
    ASSERT_FALSE(_files.empty());
    for (const Use& use : _files) {
        const bool there = fs::exists(ResolvePath(use.name)) || fs::exists(ResolvePath("gui\\" + use.name));
        EXPECT_TRUE(there) << use.name << " named in " << use.where;
    }
}

TEST_F(NameCheckTest, EveryLayerAndWidgetAScriptNamesIsDefined)
{
    ASSERT_FALSE(_layerUses.empty());
    std::set<std::string> layerNames;
    for (const auto& layer : _layers)
        layerNames.insert(layer.first);
    for (const Use& use : _layerUses)
        EXPECT_TRUE(Known(layerNames, use)) << "layer " << use.name << " in " << use.where;
    for (const auto& use : _widgetUses) {
        const auto layer = _layers.find(use.first.name);
        if (layer != _layers.end()) {
            EXPECT_EQ(layer->second.count(use.second), 1u)
                << "widget " << use.second << " of " << use.first.name << " in " << use.first.where;
        }
    }
}

TEST_F(NameCheckTest, TheStagesTracksOfMusicXmlAreRegistered)
{
    ASSERT_EQ(_stageTracks.size(), 14u);
    for (const Use& use : _stageTracks)
        EXPECT_TRUE(Known(_tracks, use)) << "track " << use.name << " in " << use.where;
}

TEST_F(NameCheckTest, EveryTrackAndSamplePlayedIsRegistered)
{
    ASSERT_FALSE(_tracksUsed.empty());
    for (const Use& use : _tracksUsed)
        EXPECT_TRUE(Known(_tracks, use)) << "track " << use.name << " in " << use.where;
    for (const Use& use : _samplesUsed)
        EXPECT_TRUE(Known(_samples, use)) << "sample " << use.name << " in " << use.where;
}

} // namespace
