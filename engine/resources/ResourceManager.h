#pragma once

// Every named picture resource of the game, by kind and by id, and which of
// them are in video memory. Fonts go to the render device and samples and
// tracks to the sound system as the resource file is read; pictures are
// registered with their file and group and uploaded at once, a group at a
// time or an id at a time. A picture name beginning with "#" names a
// registered 2D texture.
//
// An id repeated within one kind keeps its first registration; the later
// object is freed.

#include <map>
#include <memory>
#include <string>

class BigTexture;
class FrameSequence;
class ResourceFile;
class Sprite;
class SpriteAnimation;
class Texture;

template <typename T>
struct ResourceEntry {
    std::unique_ptr<T> object;
    bool uploaded = false;
    std::string path = "None";
    std::string group = "Common";
};

class ResourceManager {
public:
    ResourceManager();
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // Reads a resource file; registrations of several files accumulate.
    void LoadResources(const std::string& fileName);
    // Builds and registers what a read file declares, section by section.
    void Register(const ResourceFile& file);

    // "#id": the registered 2D texture or null. Any other name: a new
    // uploaded sprite of that file, owned by the caller (who releases its
    // device texture before deleting it), or null when the file gives no
    // picture.
    Sprite* GetTexture(const std::string& name);

    // The record of an id in one map, or null: the lookups that the board and
    // the screens know as ResourceMap::Find, one per kind (the squares' frame
    // animations "ChipAnim" + colour are FindAnimation's).
    ResourceEntry<Texture>* FindTexture(const std::string& id);
    ResourceEntry<Sprite>* FindTexture2D(const std::string& id);
    ResourceEntry<FrameSequence>* FindFrameAnimation(const std::string& id);
    ResourceEntry<SpriteAnimation>* FindAnimation(const std::string& id);
    ResourceEntry<BigTexture>* FindBigTexture(const std::string& id);

    // Group and id operations over textures, 2D textures, frame animations
    // and big textures, with the frame timer paused. Releases pass by the
    // pictures flagged to stay loaded (Texture::keepLoaded).
    void UploadGroup(const std::string& group);
    void ReleaseGroup(const std::string& group);
    void UploadResource(const std::string& id);
    void ReleaseResource(const std::string& id);
    // At shut-down, while the device lives: every device texture of every
    // resource is released and the objects are deleted.
    void DestroyTextures();

    // The one group that the group and id releases pass by (besides the
    // pictures flagged to stay loaded): the pictures of the country the
    // board plays. Keeping another group, or none (""), ends the keeping of
    // the last one; its pictures stay loaded until a release of them.
    void KeepGroupLoaded(const std::string& group) { _keptGroup = group; }
    const std::string& KeptGroup() const { return _keptGroup; }

    std::map<std::string, ResourceEntry<Texture>> textures;
    std::map<std::string, ResourceEntry<Sprite>> textures2D;
    std::map<std::string, ResourceEntry<FrameSequence>> frameAnimations;
    std::map<std::string, ResourceEntry<SpriteAnimation>> animations;
    std::map<std::string, ResourceEntry<BigTexture>> bigTextures;

private:
    std::string _keptGroup;
};

extern ResourceManager g_resourceManager;

// Script functions.
void LoadResource(const std::string& fileName);
void UploadResourceGroup(const std::string& group);
void ReleaseResourceGroup(const std::string& group);
void UploadResource(const std::string& id);
void ReleaseResource(const std::string& id);
