#pragma once

// The game's pictures: where each goes in the game folder, its size, and
// the recipe that draws it. The file format follows the name's extension
// (.png, .tga or .jpg).

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TextPainter.h"

#include <functional>
#include <string>
#include <vector>

// The faces pictures letter their titles with.
struct ArtFaces {
    TextPainter& serif;
    TextPainter& serifBold;
};

struct PictureRecipe {
    std::string path; // relative to the game folder, e.g. "data/textures/black.png"
    int width;
    int height;
    std::function<void(Canvas&, ArtFaces&)> draw;
};

const std::vector<PictureRecipe>& GamePictures();

// Draws the recipe's picture and writes it below the game folder; false
// with a reason when the file cannot be written.
bool MakePicture(const PictureRecipe& recipe, ArtFaces& faces, const std::string& gameDir, std::string& error);
