#pragma once

// A particle effect of the library ("Effect"), copied and started when the
// object is built. The object alone updates, draws and owns it. Command:
// "Reset" starts it again at the object's position.

#include "gui/scenes/LayerObject.h"
#include "gui/scenes/SceneEffect.h"

#include <memory>

class EffectLayerObject : public LayerObject {
public:
    EffectLayerObject() = default;
    // Null: the object does nothing.
    explicit EffectLayerObject(std::unique_ptr<SceneEffect> effect);

    void Draw() override;
    // Only while visible.
    void Update(float dt) override;
    void Do(const std::string& command) override;

    std::unique_ptr<SceneEffect> effect;
};
