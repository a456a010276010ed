#include "game/board/BoardPictures.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/StringUtils.h"
#include "game/state/ArtefactCatalogue.h"
#include "gui/Layer.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"

#include <cstdlib>
#include <set>
#include <string>

namespace {

const char* const kCountryGroupPrefix = "StageLayer_";
const int kCountries = 7;

bool IsCountryPicture(const std::string& name)
{
    if (name.empty() || name[0] != '#')
        return false;
    const auto found = g_resourceManager.textures2D.find(name.substr(1));
    return found != g_resourceManager.textures2D.end() && found->second.group.rfind(kCountryGroupPrefix, 0) == 0;
}

bool LayerOnScreen(const std::string& name)
{
    const Layer* current = Screen.GetCurrent();
    if (current && current->name == name)
        return true;
    for (const Layer* layer : Screen.GetStack())
        if (layer && layer->name == name)
            return true;
    return false;
}

} // namespace

Sprite* KeptBoardPicture(const std::string& name)
{
    Sprite* picture = g_resourceManager.GetTexture(name);
    if (picture && !IsCountryPicture(name))
        picture->keepLoaded = true;
    return picture;
}

Sprite* BoardPicture(const std::string& name)
{
    if (Sprite* picture = KeptBoardPicture(name))
        return picture;
    static std::set<std::string> reported;
    if (reported.insert(name).second)
        LogError("GameField", "The picture \"" + name + "\" is not registered; the board draws nothing in its place");
    return nullptr;
}

std::string CountryPictureGroup(int stage)
{
    return kCountryGroupPrefix + IntToString(stage);
}

void KeepCountryPictures(int stage)
{
    if (stage < 1 || stage > kCountries)
        return;
    const std::string group = CountryPictureGroup(stage);
    const std::string previous = g_resourceManager.KeptGroup();
    if (previous == group)
        return;
    g_resourceManager.KeepGroupLoaded(group);
    if (previous.empty() || LayerOnScreen(previous))
        return;
    GuiResources::ReleaseGroup(previous);
    const int previousStage = std::atoi(previous.c_str() + std::char_traits<char>::length(kCountryGroupPrefix));
    if (previousStage >= 1 && previousStage <= kCountries)
        ReleaseArtefactElements(previousStage - 1);
}
