#pragma once

// The picture decoders through the game's image loader: the header read
// alone, then the whole picture padded to powers of two as textures are. Each
// input is written under the given name, whose extension picks the decoder.

#include <cstddef>
#include <cstdint>

namespace fuzz {

void LoadPictureAs(const char* fileName, const std::uint8_t* data, std::size_t size);

} // namespace fuzz
