#include "gui/scenes/EffectLayerObject.h"

EffectLayerObject::EffectLayerObject(std::unique_ptr<SceneEffect> ownEffect) : effect(std::move(ownEffect)) {}

void EffectLayerObject::Draw()
{
    if (!effect)
        return;
    effect->SetPosition(x, y);
    effect->Draw();
}

void EffectLayerObject::Update(float dt)
{
    if (effect && isVisible)
        effect->Update(dt);
}

void EffectLayerObject::Do(const std::string& command)
{
    if (!effect || command != "Reset")
        return;
    effect->SetPosition(x, y);
    effect->Restart();
}
