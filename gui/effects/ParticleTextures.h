#pragma once

// Where particle pictures come from: a name beginning with "#" is a picture
// registered with the resource manager (shared with it, never owned here);
// any other name is an image file, loaded and uploaded at once. Null when
// nothing could be found or loaded.

#include <memory>
#include <string>

class Texture;

std::shared_ptr<Texture> LoadParticleTexture(const std::string& name);
