#pragma once

// The game's pictures: where each goes in the game folder, its size, and
// the recipe that draws it. The file format follows the name's extension
// (.png, .tga or .jpg).

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

#include <functional>
#include <string>
#include <vector>

// The faces pictures letter their titles with.
struct ArtFaces {
    TitleLetterer& serif;
    TitleLetterer& serifBold;
};

struct PictureRecipe {
    // Where the picture goes, relative to the game folder, e.g.
    // "data/textures/black.png"; one drawing may be written in several
    // formats (the loader's all-PNG setting reads a PNG for every name).
    std::vector<std::string> paths;
    int width;
    int height;
    std::function<void(Canvas&, ArtFaces&)> draw;
};

const std::vector<PictureRecipe>& GamePictures();

// Draws the recipe's picture and writes it to each of its paths below the
// game folder; false with a reason when a file cannot be written.
bool MakePicture(const PictureRecipe& recipe, ArtFaces& faces, const std::string& gameDir, std::string& error);
