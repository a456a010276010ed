#pragma once

// A triangle strip with its texture, drawn with the depth test at a place
// of its own (the main menu's waves).

#include "engine/render/Texture.h"
#include "engine/render/VertexBatch.h"

struct StripMesh {
    VertexBatch batch;
    Texture* texture = nullptr;
    int x = 0;
    int y = 0;

    void Draw() const;
};
