#pragma once

// What layers, widgets and the cross-fade ask of the resource manager:
// pictures that layer files name, and resource groups (which share their
// names with layers) uploaded and released. Tests may watch the group
// operations.

#include "engine/render/Sprite.h"

#include <string>

class ResourceGroupService {
public:
    virtual ~ResourceGroupService() = default;
    virtual void UploadGroup(const std::string& group) = 0;
    virtual void ReleaseGroup(const std::string& group) = 0;
};

namespace GuiResources {

// Null puts the resource manager back.
void SetGroupService(ResourceGroupService* service);

void UploadGroup(const std::string& group);
void ReleaseGroup(const std::string& group);

// The registered picture of a "#id" name; null for an id that is not
// registered and for any other name.
Sprite* FindTexture(const std::string& name);

// How a "#id" name is looked up (FindTexture unless a caller has its own).
using PictureLookup = Sprite* (*)(const std::string& name);

// A picture that a layer file names: a layer's background, a widget's
// picture, a logo. "#id" gives the registered picture, which the caller does
// not own. Any other name is a picture file, loaded through the image
// loader's name rules (PNG copies, JPEG pairs), its alpha taken from the mask
// when one is given, and uploaded into owned: the caller keeps it, and its
// device texture goes when owned lets it go. Null, with one log line naming
// the picture, when the name gives none.
Sprite* GetTexture(const std::string& name, OwnedSprite& owned, const ImageData* alphaMask = nullptr,
                   PictureLookup lookUp = FindTexture);

} // namespace GuiResources
