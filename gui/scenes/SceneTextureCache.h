#pragma once

// The pictures of the scenes by file name. Objects that show the same file
// share one entry; entries are never removed and have no use count, so
// releasing a file releases it for every object that shows it. Entries stay
// at one address for the whole run.

#include "engine/render/Sprite.h"

#include <map>
#include <memory>
#include <string>

struct TextureInfo {
    Sprite sprite;
    std::string file;
    bool uploaded = false;
};

class SceneTextureCache {
public:
    // The file's entry as a fresh, not uploaded record. An entry that is
    // uploaded already gives its device texture back first.
    TextureInfo* Register(const std::string& file);
    // Reads the file and makes its device texture (linear filtering, clamped
    // addressing) unless it is up already. An unknown file gets an entry.
    TextureInfo* Upload(const std::string& file);
    // Gives the device texture back when it is up.
    void Release(const std::string& file);
    // The entry, or null.
    TextureInfo* Find(const std::string& file);
    // At shut-down, while the device lives: every device texture goes.
    void ReleaseAll();

    std::size_t Size() const { return _entries.size(); }

private:
    TextureInfo& Entry(const std::string& file);

    std::map<std::string, std::unique_ptr<TextureInfo>> _entries;
};

extern SceneTextureCache g_sceneTextures;
