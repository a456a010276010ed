#pragma once

// The resource file: an XML document whose root "Resources" declares fonts,
// textures, 2D textures, big textures, samples, music tracks, sprite
// animations and frame animations, each section read from the first element
// of its name. Reading turns the file into declarations with every default
// applied; the resource manager builds and registers the objects. Numbers
// that do not parse count as absent.

#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

// The fixed log title of a resource file that cannot be used.
extern const char* const kResourceFileError;

struct FontDeclaration {
    std::string name;
    float scale = 1.0f;
    float track = 2.0f;
    // Stored only when greater than -100.
    int spaceSize = -100;
};

// A texture, 2D texture, big texture or frame animation entry.
struct PictureDeclaration {
    std::string id;
    std::string path = "None";
    bool upload = true;
    std::string group = "Common";
    // Textures: "filter" other than "NEAREST".
    bool linearFilter = false;
    // Big textures: powers of two.
    int chunkWidth = 256;
    int chunkHeight = 256;
};

struct SampleDeclaration {
    std::string id;
    std::string path;
    // Simultaneous playbacks; 2 when absent or 0.
    int mix = 2;
};

struct TrackDeclaration {
    std::string id;
    std::string path;
    std::string tag = "Common";
    bool useSoundVolume = false;
};

struct SpriteAnimationDeclaration {
    std::string id;
    // "#id" names a registered 2D texture, anything else a file.
    std::string texture;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    int first = 0;
    int last = 0;
    bool playing = true;
    int mode = 0;
    // 0: never advances (no usable "fps").
    float frameTime = 0.0f;
};

struct FrameSequenceDeclaration {
    PictureDeclaration entry;
    std::string prefix;
    std::string format;
    int keys = 0;
    int start = 0;
    int step = 1;
};

class ResourceFile {
public:
    // Reads the named file; a file that is missing or does not parse is
    // logged with kResourceFileError and gives nothing.
    bool Load(const std::string& name);
    // Reads a parsed document (name only for the log).
    bool Read(const TiXmlDocument& document, const std::string& name);

    std::vector<FontDeclaration> fonts;
    std::vector<PictureDeclaration> textures;
    std::vector<PictureDeclaration> textures2D;
    std::vector<PictureDeclaration> bigTextures;
    std::vector<SampleDeclaration> samples;
    std::vector<TrackDeclaration> tracks;
    std::vector<SpriteAnimationDeclaration> animations;
    std::vector<FrameSequenceDeclaration> frameAnimations;

private:
    void ReadFonts(const TiXmlElement* section);
    // Common entry steps: false when the element is skipped (no "id", or no
    // "path" when needsPath).
    bool ReadEntry(const TiXmlElement* element, bool needsPath, PictureDeclaration& entry);
    void ReadTexture(const TiXmlElement* element);
    void ReadTexture2D(const TiXmlElement* element);
    void ReadBigTexture(const TiXmlElement* element);
    void ReadSample(const TiXmlElement* element);
    void ReadTrack(const TiXmlElement* element);
    void ReadSpriteAnimation(const TiXmlElement* element);
    void ReadFrameSequence(const TiXmlElement* element);

    std::string fileName;
};
