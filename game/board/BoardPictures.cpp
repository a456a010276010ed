#include "game/board/BoardPictures.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"

#include <set>

Sprite* BoardPicture(const std::string& name)
{
    Sprite* picture = g_resourceManager.GetTexture(name);
    if (picture) {
        picture->keepLoaded = true;
        return picture;
    }
    static std::set<std::string> reported;
    if (reported.insert(name).second)
        LogError("GameField", "The picture \"" + name + "\" is not registered; the board draws nothing in its place");
    return nullptr;
}
