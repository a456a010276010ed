#pragma once

// A large picture cut into a grid of chunk textures (256 x 256 by default),
// chunks listed row by row from the bottom, each row from the left. The
// chunks of the right column and the top row are as wide and high as the
// picture leaves them; only where textures must be powers of two is the
// picture padded to whole chunks.

#include "engine/render/Texture.h"

#include <memory>
#include <string>
#include <vector>

class BigTexture {
public:
    struct Chunk {
        std::unique_ptr<Texture> texture;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    BigTexture() = default;
    explicit BigTexture(const std::string& name);

    // Loads the picture and cuts it into chunks that own their pixels. A
    // picture whose padded canvas would not fit the image buffer is logged
    // and gives no chunks.
    void Split(const std::string& name);
    // Uploads each chunk (freeing its pixels).
    void Upload();
    void Draw(int x, int y) const;
    // Frees the chunk textures and forgets them.
    void Release();

    int chunkWidth = 256;
    int chunkHeight = 256;
    int rows = 0;
    int columns = 0;
    std::vector<Chunk> chunks;
};
