#include "gui/scenes/SceneEffect.h"

std::unique_ptr<SceneEffect> MakeSceneEffect(const std::string&)
{
    return nullptr;
}
