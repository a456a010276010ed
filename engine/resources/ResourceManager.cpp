#include "engine/resources/ResourceManager.h"

#include "engine/backend/ProcessMemory.h"
#include "engine/platform/Application.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/StrictLookups.h"
#include "engine/render/BigTexture.h"
#include "engine/render/Font.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/ImagePrefetch.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/render/SpriteAnimation.h"
#include "engine/resources/ResourceFile.h"
#include "engine/sound/SoundSystemImpl.h"

namespace {

// Loading and releasing one object by kind.
void UploadObject(Texture& texture, const std::string& path)
{
    texture.image.Load(path);
    texture.Upload(true);
}

void UploadObject(Sprite& sprite, const std::string& path)
{
    sprite.Load(path);
    sprite.Upload(true);
}

void UploadObject(FrameSequence& sequence, const std::string&)
{
    sequence.LoadFrames();
}

void UploadObject(BigTexture& big, const std::string& path)
{
    big.Split(path);
    big.Upload();
}

// A sprite animation's sheet is uploaded by its reader and never by the
// group and id operations.
void UploadObject(SpriteAnimation&, const std::string&) {}

void ReleaseObject(Texture& texture)
{
    texture.Release();
}

void ReleaseObject(FrameSequence& sequence)
{
    sequence.Release();
}

void ReleaseObject(BigTexture& big)
{
    big.Release();
}

// Whether a group or id release passes the entry by: a picture that its
// holder flagged to stay loaded.
bool KeptLoaded(const Texture& texture)
{
    return texture.keepLoaded;
}

bool KeptLoaded(const FrameSequence&)
{
    return false;
}

bool KeptLoaded(const BigTexture&)
{
    return false;
}

template <typename T>
void Upload(ResourceEntry<T>& entry)
{
    if (entry.uploaded || !entry.object)
        return;
    entry.uploaded = true;
    UploadObject(*entry.object, entry.path);
}

template <typename T>
bool Release(ResourceEntry<T>& entry)
{
    if (!entry.uploaded || !entry.object)
        return false;
    entry.uploaded = false;
    ReleaseObject(*entry.object);
    return true;
}

template <typename T>
ResourceEntry<T>* Find(std::map<std::string, ResourceEntry<T>>& map, const std::string& id)
{
    const auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

// The lookup a caller depends on: a miss is reported in the strict mode.
template <typename T>
ResourceEntry<T>* FindNamed(std::map<std::string, ResourceEntry<T>>& map, const std::string& id)
{
    ResourceEntry<T>* entry = Find(map, id);
    if (!entry)
        ReportMissingName("picture", id);
    return entry;
}

// Registers the object under the declared id (a repeated id keeps the
// first entry and frees the new object), then uploads when asked.
template <typename T>
void RegisterEntry(std::map<std::string, ResourceEntry<T>>& map, const PictureDeclaration& declaration,
                   std::unique_ptr<T> object, const char* kind)
{
    auto it = map.find(declaration.id);
    if (it == map.end()) {
        ResourceEntry<T> entry;
        entry.object = std::move(object);
        entry.path = declaration.path;
        entry.group = declaration.group;
        it = map.emplace(declaration.id, std::move(entry)).first;
    } else {
        LogError(kResourceFileError,
                 std::string("The ") + kind + " \"" + declaration.id + "\" is declared twice; the first one stays.");
    }
    if (declaration.upload)
        Upload(it->second);
}

// A release asked for by group or id (shut-down releases everything); true
// when it released the entry.
template <typename T>
bool ReleaseUnlessKept(ResourceEntry<T>& entry, const std::string& keptGroup)
{
    if (entry.object && KeptLoaded(*entry.object))
        return false;
    if (!keptGroup.empty() && entry.group == keptGroup)
        return false;
    return Release(entry);
}

// True when a release let go of at least one entry.
template <typename T>
bool ForGroup(std::map<std::string, ResourceEntry<T>>& map, const std::string& group, bool upload,
              const std::string& keptGroup)
{
    bool released = false;
    for (auto& item : map) {
        if (item.second.group != group)
            continue;
        if (upload)
            Upload(item.second);
        else if (ReleaseUnlessKept(item.second, keptGroup))
            released = true;
    }
    return released;
}

template <typename T>
void ForId(std::map<std::string, ResourceEntry<T>>& map, const std::string& id, bool upload,
           const std::string& keptGroup)
{
    if (ResourceEntry<T>* entry = Find(map, id)) {
        if (upload)
            Upload(*entry);
        else
            ReleaseUnlessKept(*entry, keptGroup);
    }
}

// The pictures Register decodes as it walks the file, in the order it does.
std::vector<std::string> PicturesLoadedAtOnce(const ResourceFile& file)
{
    std::vector<std::string> names;
    for (const FontDeclaration& declaration : file.fonts)
        names.push_back(Font::PngPictureName(declaration.name));
    for (const auto* list : {&file.textures, &file.textures2D, &file.bigTextures})
        for (const PictureDeclaration& declaration : *list)
            if (declaration.upload)
                names.push_back(declaration.path);
    for (const SpriteAnimationDeclaration& declaration : file.animations)
        if (declaration.texture.empty() || declaration.texture[0] != '#')
            names.push_back(declaration.texture);
    for (const FrameSequenceDeclaration& declaration : file.frameAnimations) {
        if (!declaration.entry.upload)
            continue;
        for (int i = 0; i < declaration.keys; ++i)
            names.push_back(FrameSequence::FrameFileName(declaration.entry.path, declaration.prefix,
                                                         declaration.format, declaration.start, declaration.step, i));
    }
    return names;
}

} // namespace

ResourceManager::ResourceManager() = default;
ResourceManager::~ResourceManager() = default;

void ResourceManager::LoadResources(const std::string& fileName)
{
    ResourceFile file;
    if (file.Load(fileName))
        Register(file);
}

void ResourceManager::Register(const ResourceFile& file)
{
    // Decodes ahead what the walk below loads; what it holds at the end is
    // freed.
    ImagePrefetch prefetch(PicturesLoadedAtOnce(file));
    for (const FontDeclaration& declaration : file.fonts) {
        auto font = std::make_unique<Font>(declaration.name, declaration.scale);
        if (!font->IsLoaded())
            continue;
        font->track = declaration.track;
        if (declaration.spaceSize > -100)
            font->spaceSize = declaration.spaceSize;
        g_renderDevice.AddFont(std::move(font));
    }
    for (const PictureDeclaration& declaration : file.textures) {
        auto texture = std::make_unique<Texture>();
        texture->linearFilter = declaration.linearFilter;
        RegisterEntry(textures, declaration, std::move(texture), "texture");
    }
    for (const PictureDeclaration& declaration : file.textures2D) {
        auto sprite = std::make_unique<Sprite>();
        sprite->LoadInfo(declaration.path);
        sprite->linearFilter = false;
        RegisterEntry(textures2D, declaration, std::move(sprite), "2D texture");
    }
    for (const PictureDeclaration& declaration : file.bigTextures) {
        auto big = std::make_unique<BigTexture>();
        big->chunkWidth = declaration.chunkWidth;
        big->chunkHeight = declaration.chunkHeight;
        RegisterEntry(bigTextures, declaration, std::move(big), "big texture");
    }
    for (const SampleDeclaration& sample : file.samples)
        g_sound.LoadSample(sample.id, sample.path, sample.mix);
    for (const TrackDeclaration& track : file.tracks)
        g_sound.LoadTrack(track.id, track.tag, track.path, track.useSoundVolume);
    for (const SpriteAnimationDeclaration& declaration : file.animations) {
        auto animation = std::make_unique<SpriteAnimation>();
        if (!declaration.texture.empty() && declaration.texture[0] == '#') {
            Sprite* sheet = GetTexture(declaration.texture);
            if (!sheet) {
                LogError(kResourceFileError, "The animation \"" + declaration.id + "\" names the sheet " +
                                                 declaration.texture + ", which is not registered; skipped.");
                continue;
            }
            animation->SetSheet(sheet);
        } else {
            auto sheet = std::make_unique<Sprite>(declaration.texture);
            sheet->Upload(true);
            animation->SetOwnSheet(std::move(sheet));
        }
        animation->frameWidth = declaration.frameWidth;
        animation->frameHeight = declaration.frameHeight;
        animation->frameCount = declaration.frameCount;
        animation->first = declaration.first;
        animation->last = declaration.last;
        animation->playing = declaration.playing;
        animation->mode = declaration.mode;
        animation->frameTime = declaration.frameTime;
        animation->ComputeFrameSize();
        const bool backwards = (declaration.mode & SpriteAnimation::kBackwards) != 0;
        animation->step = backwards ? -1 : 1;
        animation->SetFrame(backwards ? animation->last : animation->first);
        PictureDeclaration entry;
        entry.id = declaration.id;
        entry.upload = false;
        RegisterEntry(animations, entry, std::move(animation), "animation");
    }
    for (const FrameSequenceDeclaration& declaration : file.frameAnimations) {
        auto sequence =
            std::make_unique<FrameSequence>(declaration.entry.path, declaration.prefix, declaration.format,
                                            declaration.keys, declaration.start, declaration.step);
        RegisterEntry(frameAnimations, declaration.entry, std::move(sequence), "frame animation");
    }
}

Sprite* ResourceManager::GetTexture(const std::string& name)
{
    if (!name.empty() && name[0] == '#') {
        ResourceEntry<Sprite>* entry = FindTexture2D(name.substr(1));
        return entry ? entry->object.get() : nullptr;
    }
    return LoadSpriteFile(name).release();
}

ResourceEntry<Texture>* ResourceManager::FindTexture(const std::string& id)
{
    return FindNamed(textures, id);
}

ResourceEntry<Sprite>* ResourceManager::FindTexture2D(const std::string& id)
{
    return FindNamed(textures2D, id);
}

ResourceEntry<FrameSequence>* ResourceManager::FindFrameAnimation(const std::string& id)
{
    return FindNamed(frameAnimations, id);
}

ResourceEntry<SpriteAnimation>* ResourceManager::FindAnimation(const std::string& id)
{
    return FindNamed(animations, id);
}

ResourceEntry<BigTexture>* ResourceManager::FindBigTexture(const std::string& id)
{
    return FindNamed(bigTextures, id);
}

void ResourceManager::UploadGroup(const std::string& group)
{
    ScopedTimerPause pause;
    ForGroup(textures, group, true, _keptGroup);
    ForGroup(textures2D, group, true, _keptGroup);
    ForGroup(frameAnimations, group, true, _keptGroup);
    ForGroup(bigTextures, group, true, _keptGroup);
}

void ResourceManager::ReleaseGroup(const std::string& group)
{
    ScopedTimerPause pause;
    bool released = ForGroup(textures, group, false, _keptGroup);
    released |= ForGroup(textures2D, group, false, _keptGroup);
    released |= ForGroup(frameAnimations, group, false, _keptGroup);
    released |= ForGroup(bigTextures, group, false, _keptGroup);
    // The pictures' memory leaves holes in the heap between what stays;
    // their pages go back now rather than add up screen after screen.
    if (released)
        backend::ReturnFreeMemoryToTheSystem();
}

void ResourceManager::UploadResource(const std::string& id)
{
    ScopedTimerPause pause;
    ForId(textures, id, true, _keptGroup);
    ForId(textures2D, id, true, _keptGroup);
    ForId(frameAnimations, id, true, _keptGroup);
    ForId(bigTextures, id, true, _keptGroup);
}

void ResourceManager::ReleaseResource(const std::string& id)
{
    ScopedTimerPause pause;
    ForId(textures, id, false, _keptGroup);
    ForId(textures2D, id, false, _keptGroup);
    ForId(frameAnimations, id, false, _keptGroup);
    ForId(bigTextures, id, false, _keptGroup);
}

void ResourceManager::DestroyTextures()
{
    // Animations may point at 2D textures: they go first.
    for (auto& item : animations)
        if (item.second.object) {
            item.second.object->ReleaseOwnSheet();
            item.second.object->SetSheet(nullptr);
        }
    animations.clear();
    for (auto& item : textures)
        Release(item.second);
    for (auto& item : textures2D)
        Release(item.second);
    for (auto& item : frameAnimations)
        Release(item.second);
    for (auto& item : bigTextures)
        Release(item.second);
    textures.clear();
    textures2D.clear();
    frameAnimations.clear();
    bigTextures.clear();
}

void LoadResource(const std::string& fileName)
{
    g_resourceManager.LoadResources(fileName);
}

void UploadResourceGroup(const std::string& group)
{
    g_resourceManager.UploadGroup(group);
}

void ReleaseResourceGroup(const std::string& group)
{
    g_resourceManager.ReleaseGroup(group);
}

void UploadResource(const std::string& id)
{
    g_resourceManager.UploadResource(id);
}

void ReleaseResource(const std::string& id)
{
    g_resourceManager.ReleaseResource(id);
}
