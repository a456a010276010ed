#pragma once

struct lua_State;

// LoadResource, UploadResourceGroup, ReleaseResourceGroup, UploadResource,
// ReleaseResource.
void RegisterResourceBindings(lua_State* L);
