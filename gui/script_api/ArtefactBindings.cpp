#include "gui/script_api/ArtefactBindings.h"

#include "game/state/ArtefactCatalogue.h"

#include <luabind/luabind.hpp>

void RegisterArtefactBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("UploadArtefactTexture", &UploadArtefactTexture),
        def("ReleaseArtefactTexture", &ReleaseArtefactTexture),
        def("UploadArtefactElements", &UploadArtefactElements),
        def("ReleaseArtefactElements", &ReleaseArtefactElements)
    ];
}
