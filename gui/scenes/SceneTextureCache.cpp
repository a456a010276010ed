#include "gui/scenes/SceneTextureCache.h"

SceneTextureCache g_sceneTextures;

TextureInfo& SceneTextureCache::Entry(const std::string& file)
{
    std::unique_ptr<TextureInfo>& entry = _entries[file];
    if (!entry) {
        entry = std::make_unique<TextureInfo>();
        entry->file = file;
    }
    return *entry;
}

TextureInfo* SceneTextureCache::Register(const std::string& file)
{
    TextureInfo& entry = Entry(file);
    // A scene rebuilt while its pictures are up: the old device texture is
    // given back instead of being lost.
    if (entry.uploaded || entry.sprite.deviceTexture)
        entry.sprite.Release();
    entry.uploaded = false;
    return &entry;
}

TextureInfo* SceneTextureCache::Upload(const std::string& file)
{
    TextureInfo& entry = Entry(file);
    if (entry.uploaded)
        return &entry;
    entry.sprite.Load(file);
    entry.sprite.linearFilter = true;
    entry.sprite.addressMode = backend::TextureAddress::Clamp;
    entry.sprite.Upload(true);
    entry.uploaded = true;
    return &entry;
}

void SceneTextureCache::Release(const std::string& file)
{
    TextureInfo* entry = Find(file);
    if (!entry || !entry->uploaded)
        return;
    entry->sprite.Release();
    entry->uploaded = false;
}

TextureInfo* SceneTextureCache::Find(const std::string& file)
{
    auto found = _entries.find(file);
    return found == _entries.end() ? nullptr : found->second.get();
}

void SceneTextureCache::ReleaseAll()
{
    for (auto& [file, entry] : _entries) {
        entry->sprite.Release();
        entry->uploaded = false;
    }
}
