#include "gui/effects/ParticleTextures.h"

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"

namespace {

// The registered 2D texture of an id, or null.
Texture* FindRegisteredTexture(const std::string& id)
{
    return g_resourceManager.GetTexture("#" + id);
}

} // namespace

std::shared_ptr<Texture> LoadParticleTexture(const std::string& name)
{
    if (name.empty())
        return nullptr;
    if (name[0] == '#') {
        Texture* registered = FindRegisteredTexture(name.substr(1));
        // Aliasing an empty owner: shared by every copy, deleted by none.
        return registered ? std::shared_ptr<Texture>(std::shared_ptr<Texture>(), registered) : nullptr;
    }
    auto texture = std::make_shared<Texture>();
    texture->image.Load(name);
    if (texture->image.IsEmpty())
        return nullptr;
    texture->Upload(true);
    return texture;
}
