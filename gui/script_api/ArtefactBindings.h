#pragma once

struct lua_State;

// UploadArtefactTexture, ReleaseArtefactTexture, UploadArtefactElements and
// ReleaseArtefactElements, each with a 0-based artefact index.
void RegisterArtefactBindings(lua_State* L);
