#include "gui/scenes/SceneEffect.h"

#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleManager.h"

namespace {

// A copy of a library effect, held by its scene object alone.
class OwnedParticleEffect : public SceneEffect {
public:
    explicit OwnedParticleEffect(const ParticleEffect& description) : _effect(description) { _effect.Reset(); }

    void SetPosition(float x, float y) override
    {
        _effect.posX = x;
        _effect.posY = y;
    }
    void Restart() override { _effect.Reset(); }
    void Update(float dt) override { _effect.Update(dt); }
    void Draw() override { _effect.Draw(); }

private:
    ParticleEffect _effect;
};

} // namespace

std::unique_ptr<SceneEffect> MakeSceneEffect(const std::string& effectName)
{
    // Looked up without adding an empty entry for an unknown name.
    const auto found = g_particleManager._effects.find(effectName);
    if (found == g_particleManager._effects.end())
        return nullptr;
    return std::make_unique<OwnedParticleEffect>(found->second);
}
