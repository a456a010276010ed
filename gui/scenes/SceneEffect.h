#pragma once

// What an effect object of a scene needs of the particle effects: its own
// running copy of a library effect, which the object alone updates, draws
// and owns (the effect observer never sees it, so it never goes away under
// the object).

#include <memory>
#include <string>

class SceneEffect {
public:
    virtual ~SceneEffect() = default;
    virtual void SetPosition(float x, float y) = 0;
    // Starts the effect again from its beginning.
    virtual void Restart() = 0;
    virtual void Update(float dt) = 0;
    virtual void Draw() = 0;
};

// A started copy of the library's effect of that name; null when the
// library has no such effect.
std::unique_ptr<SceneEffect> MakeSceneEffect(const std::string& effectName);
