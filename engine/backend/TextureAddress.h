#pragma once

// How a texture is sampled outside 0..1, in the numbers the old device used
// for its address modes: 1 wraps (repeats), 2 repeats mirrored, 3 clamps to
// the edge.

namespace backend {

enum class TextureAddress { Wrap = 1, Mirror = 2, Clamp = 3 };

} // namespace backend
