#include "gui/ResourceAccess.h"

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/FileSystem.h"

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
    // A file that is not there makes no picture (and no empty sprite).
    if (!FileExists(name))
        return nullptr;
    Sprite* sprite = g_resourceManager.GetTexture(name);
    owned = sprite != nullptr;
    return sprite;
}

} // namespace GuiResources
