#include "gui/ResourceAccess.h"

#include "engine/render/Sprite.h"
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

Sprite* GetTexture(const std::string& name, bool& owned)
{
    owned = false;
    if (name.empty())
        return nullptr;
    if (name[0] == '#')
        return g_resourceManager.GetTexture(name);
    // The image loader decides which file serves the name (PNG copies, JPEG
    // pairs): a name that gives no picture makes no sprite.
    Sprite* sprite = g_resourceManager.GetTexture(name);
    if (sprite && sprite->image.IsEmpty()) {
        delete sprite;
        return nullptr;
    }
    owned = sprite != nullptr;
    return sprite;
}

} // namespace GuiResources
