#include "gui/ResourceAccess.h"

#include "engine/render/Sprite.h"
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
}

void ReleaseGroup(const std::string& group)
{
    if (g_groupService)
        g_groupService->ReleaseGroup(group);
}

Sprite* GetTexture(const std::string& name, bool& owned)
{
    owned = false;
    if (name.empty() || name[0] == '#')
        return nullptr;
    if (!FileExists(name))
        return nullptr;
    auto* sprite = new Sprite(name);
    sprite->Upload(true);
    owned = true;
    return sprite;
}

} // namespace GuiResources
