#pragma once

// Turns an image file named in the game's data into decoded pixels in the
// global pixel buffer. The JPEG-pair and PNG switches of settings.ini decide
// which file really serves a name:
// - pairs on and the name not beginning with "..\": "x.tga" / "x.png" come
//   from "x_base.jpg" (colour) and "x_alpha.jpg" (alpha), "x.jpg" from
//   "x_base.jpg";
// - otherwise, with PNG images on and the name not beginning with "..\", the
//   extension becomes "png"; then by extension: JPEG, TGA, PNG, or "msk" as
//   a JPEG pair.
// Extensions are compared in lower or upper case only. A name without a
// known extension loads nothing and leaves the record as it was. A file that
// is missing, broken or too large for the buffers leaves the record empty.
// A load that leaves the record empty writes one log line naming the picture;
// reading a header alone says nothing of a missing file.

#include "engine/render/ImageData.h"

#include <string>

struct ImageLoadRequest {
    ImageData* image;
    std::string name;
};

void LoadImage(ImageLoadRequest& request);
void LoadImageFile(ImageLoadRequest& request);
// Size and format from the file's header only; same choice of file.
void ReadImageInfo(ImageLoadRequest& request);
// The PNG file a load of the name reads under the current settings, for a
// name of the game folder; empty when a pair, a JPEG, a TGA or a mask serves
// the name, none does, or the name begins with "..\".
std::string PngFileOf(const std::string& name);

// The smallest power of two from 4 to 4096 not below n; 0 when n exceeds 4096.
int PaddedImageSize(int n);
// Re-lays the pixel buffer to power-of-two width and height, the picture at
// the bottom-left of a zero canvas. A picture that would not fit is logged
// and the record emptied.
void PadImageToPowerOfTwo(ImageData& image);
// Leaves a picture that a texture can hold at its own size as it is (4 bytes
// a pixel); one larger than 4096 on a side, or one that does not fit the
// image buffer, is logged and the record emptied.
void CheckTextureSize(ImageData& image);
// Loads, pads and keeps a copy of the pixels in the mask's own buffer.
void LoadMaskImage(const std::string& name, ImageData& mask);
// The mask's first byte of each pixel (read at the mask's own size) becomes
// the image's alpha; pixels beyond the mask get alpha 0.
void MergeAlphaMask(const ImageData& mask, ImageData& image);
void LogImageError(const std::string& text);
// Frees the record's own pixels when it owns them.
void FreeImageBuffer(ImageData& image);
