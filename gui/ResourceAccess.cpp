#include "gui/ResourceAccess.h"

#include "engine/render/ImageLoader.h"
#include "engine/resources/ResourceManager.h"

namespace {

ResourceGroupService* g_groupService = nullptr;

} // namespace

namespace GuiResources {

void SetGroupService(ResourceGroupService* service)
{
    g_groupService = service;
}

void UploadGroup(const std::string& group)
{
    if (g_groupService)
        g_groupService->UploadGroup(group);
    else
        g_resourceManager.UploadGroup(group);
}

void ReleaseGroup(const std::string& group)
{
    if (g_groupService)
        g_groupService->ReleaseGroup(group);
    else
        g_resourceManager.ReleaseGroup(group);
}

Sprite* FindTexture(const std::string& name)
{
    if (name.empty() || name[0] != '#')
        return nullptr;
    return g_resourceManager.GetTexture(name);
}

Sprite* GetTexture(const std::string& name, OwnedSprite& owned, const ImageData* alphaMask, PictureLookup lookUp)
{
    owned.reset();
    if (!name.empty() && name[0] == '#') {
        Sprite* picture = lookUp ? lookUp(name) : FindTexture(name);
        if (!picture)
            LogImageError("Can't load texture " + name + ". No picture is registered under that name.");
        return picture;
    }
    // The image loader decides which file serves the name (PNG copies, JPEG
    // pairs); a name that gives no picture makes no sprite, and the loader
    // has logged it.
    owned = LoadSpriteFile(name, alphaMask);
    return owned.get();
}

} // namespace GuiResources
