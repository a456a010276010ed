#include "engine/resources/ResourceFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

#include <cstdio>

const char* const kResourceFileError = "Resource file load error";

namespace {

// "%d" of the attribute; false (value untouched) when absent or not a number.
bool ParseInt(const TiXmlElement* element, const char* name, int& value)
{
    const char* text = element->Attribute(name);
    int parsed = 0;
    if (!text || std::sscanf(text, "%d", &parsed) != 1)
        return false;
    value = parsed;
    return true;
}

bool ParseFloat(const TiXmlElement* element, const char* name, float& value)
{
    const char* text = element->Attribute(name);
    float parsed = 0.0f;
    if (!text || std::sscanf(text, "%f", &parsed) != 1)
        return false;
    value = parsed;
    return true;
}

// A positive chunk size raised to the next power of two; others keep 256.
int ChunkSize(const TiXmlElement* element, const char* name)
{
    int value = 256;
    if (!ParseInt(element, name, value) || value <= 0)
        return 256;
    int size = 1;
    while (size < value && size < (1 << 30))
        size <<= 1;
    return size;
}

template <typename Reader>
void ForEachChild(const TiXmlElement* root, const char* section, const char* child, Reader read)
{
    const TiXmlElement* sectionElement = root->FirstChildElement(section);
    if (!sectionElement)
        return;
    for (const TiXmlElement* e = sectionElement->FirstChildElement(child); e; e = e->NextSiblingElement(child))
        read(e);
}

} // namespace

bool ResourceFile::Load(const std::string& name)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(kResourceFileError, name);
        return false;
    }
    return Read(document, name);
}

bool ResourceFile::Read(const TiXmlDocument& document, const std::string& name)
{
    fileName = name;
    const TiXmlElement* root = document.FirstChildElement("Resources");
    if (!root) {
        LogError(kResourceFileError, name + ": no \"Resources\" element");
        return false;
    }
    g_log.WriteLabeled("Load resources", "DarkBlue", name);
    ForEachChild(root, "Fonts", "font", [this](const TiXmlElement* e) { ReadFonts(e); });
    ForEachChild(root, "Textures", "texture", [this](const TiXmlElement* e) { ReadTexture(e); });
    ForEachChild(root, "Textures2D", "texture2D", [this](const TiXmlElement* e) { ReadTexture2D(e); });
    ForEachChild(root, "BigTextures", "bigtexture", [this](const TiXmlElement* e) { ReadBigTexture(e); });
    ForEachChild(root, "Sounds", "sample", [this](const TiXmlElement* e) { ReadSample(e); });
    ForEachChild(root, "Sounds", "track", [this](const TiXmlElement* e) { ReadTrack(e); });
    ForEachChild(root, "Animations", "animation", [this](const TiXmlElement* e) { ReadSpriteAnimation(e); });
    ForEachChild(root, "FrameAnimations", "animation", [this](const TiXmlElement* e) { ReadFrameSequence(e); });
    return true;
}

void ResourceFile::ReadFonts(const TiXmlElement* element)
{
    FontDeclaration font;
    if (!ReadStringAttribute(element, "name", font.name))
        return;
    ParseFloat(element, "scale", font.scale);
    ParseFloat(element, "track", font.track);
    int spaceSize = -100;
    if (ParseInt(element, "spaceSize", spaceSize) && spaceSize > -100)
        font.spaceSize = spaceSize;
    fonts.push_back(font);
}

bool ResourceFile::ReadEntry(const TiXmlElement* element, bool needsPath, PictureDeclaration& entry)
{
    if (!ReadStringAttribute(element, "id", entry.id))
        return false;
    const bool hasPath = ReadStringAttribute(element, "path", entry.path);
    if (entry.id == "SPLASH2" && hasPath && !FileExists(entry.path))
        entry.path = "splash2.jpg";
    if (needsPath && !hasPath)
        return false;
    ReadBoolAttribute(element, "upload", entry.upload);
    ReadStringAttribute(element, "group", entry.group);
    return true;
}

void ResourceFile::ReadTexture(const TiXmlElement* element)
{
    PictureDeclaration entry;
    if (!ReadEntry(element, true, entry))
        return;
    std::string filter = "NEAREST";
    ReadStringAttribute(element, "filter", filter);
    entry.linearFilter = filter != "NEAREST";
    textures.push_back(entry);
}

void ResourceFile::ReadTexture2D(const TiXmlElement* element)
{
    PictureDeclaration entry;
    if (ReadEntry(element, true, entry))
        textures2D.push_back(entry);
}

void ResourceFile::ReadBigTexture(const TiXmlElement* element)
{
    PictureDeclaration entry;
    if (!ReadEntry(element, true, entry))
        return;
    entry.chunkWidth = ChunkSize(element, "chunkWidth");
    entry.chunkHeight = ChunkSize(element, "chunkHeight");
    bigTextures.push_back(entry);
}

void ResourceFile::ReadSample(const TiXmlElement* element)
{
    SampleDeclaration sample;
    ReadStringAttribute(element, "id", sample.id);
    ReadStringAttribute(element, "path", sample.path);
    int mix = 0;
    ParseInt(element, "mix", mix);
    sample.mix = mix == 0 ? 2 : mix;
    samples.push_back(sample);
}

void ResourceFile::ReadTrack(const TiXmlElement* element)
{
    TrackDeclaration track;
    ReadStringAttribute(element, "id", track.id);
    ReadStringAttribute(element, "path", track.path);
    ReadStringAttribute(element, "tag", track.tag);
    ReadBoolAttribute(element, "useSoundVolume", track.useSoundVolume);
    tracks.push_back(track);
}

void ResourceFile::ReadSpriteAnimation(const TiXmlElement* element)
{
    SpriteAnimationDeclaration animation;
    if (!ReadStringAttribute(element, "id", animation.id))
        return;
    if (!ReadStringAttribute(element, "texture", animation.texture)) {
        LogError(kResourceFileError, fileName + ": animation \"" + animation.id + "\" has no texture; skipped");
        return;
    }
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string kind = child->ValueStr();
        if (kind == "frames") {
            ParseInt(child, "width", animation.frameWidth);
            ParseInt(child, "height", animation.frameHeight);
            ParseInt(child, "count", animation.frameCount);
            int n = 0;
            if (ParseInt(child, "last", n))
                animation.last = (n >= 0 && n <= animation.frameCount - 1) ? n : animation.frameCount - 1;
            if (ParseInt(child, "first", n))
                animation.first = (n >= 0 && n <= animation.frameCount - 1) ? n : 0;
        } else if (kind == "playback") {
            bool play = true;
            ReadBoolAttribute(child, "play", play);
            animation.playing = play;
            bool loop = false;
            if (ReadBoolAttribute(child, "loop", loop) && loop)
                animation.mode |= 4;
            bool forward = true;
            if (ReadBoolAttribute(child, "forward", forward) && !forward)
                animation.mode |= 1;
            float fps = 0.0f;
            if (ParseFloat(child, "fps", fps)) {
                if (fps > 0.0f) {
                    animation.frameTime = 1.0f / fps;
                } else {
                    animation.frameTime = 0.0f;
                    LogError(kResourceFileError, fileName + ": animation \"" + animation.id + "\" has fps " +
                                                     ToString(fps) + "; it does not advance");
                }
            }
            bool pingpong = false;
            if (ReadBoolAttribute(child, "pingpong", pingpong) && pingpong)
                animation.mode |= 2;
        }
    }
    animations.push_back(animation);
}

void ResourceFile::ReadFrameSequence(const TiXmlElement* element)
{
    FrameSequenceDeclaration sequence;
    if (!ReadStringAttribute(element, "id", sequence.entry.id))
        return;
    PictureDeclaration& entry = sequence.entry;
    std::string path;
    const bool hasPath = ReadStringAttribute(element, "path", path);
    if (entry.id == "SPLASH2" && hasPath && !FileExists(path))
        path = "splash2.jpg";
    if (!hasPath || !ReadStringAttribute(element, "prefix", sequence.prefix) ||
        !ReadStringAttribute(element, "format", sequence.format) || !ParseInt(element, "keys", sequence.keys))
        return;
    if (sequence.keys < 0 || sequence.keys > 10000) {
        LogError(kResourceFileError,
                 fileName + ": frame animation \"" + entry.id + "\" has " + ToString(sequence.keys) + " keys; skipped");
        return;
    }
    ParseInt(element, "start", sequence.start);
    ParseInt(element, "step", sequence.step);
    entry.path = path;
    ReadBoolAttribute(element, "upload", entry.upload);
    ReadStringAttribute(element, "group", entry.group);
    frameAnimations.push_back(sequence);
}
