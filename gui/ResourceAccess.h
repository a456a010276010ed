#pragma once

// What layers and the cross-fade ask of the resource manager: a layer's
// background picture by name, and resource groups (which share their names
// with layers) uploaded and released. Tests may watch the group operations.

#include <string>

class Sprite;

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

// "#id" names a registered picture, which the caller does not own; any
// other name is a picture file, loaded through the image loader's name rules
// (PNG copies, JPEG pairs) and uploaded for the caller, who owns it (owned is
// set to true). Null when the name gives no picture.
Sprite* GetTexture(const std::string& name, bool& owned);

} // namespace GuiResources
