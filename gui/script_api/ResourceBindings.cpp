#include "gui/script_api/ResourceBindings.h"

#include "engine/resources/ResourceManager.h"

#include <luabind/luabind.hpp>

void RegisterResourceBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("LoadResource", &LoadResource),
        def("UploadResourceGroup", &UploadResourceGroup),
        def("ReleaseResourceGroup", &ReleaseResourceGroup),
        def("UploadResource", &UploadResource),
        def("ReleaseResource", &ReleaseResource)
    ];
}
