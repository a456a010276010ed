#include "gui/script_api/GUIManagerBindings.h"

#include "gui/GUIManager.h"
#include "gui/Layer.h"

#include <luabind/luabind.hpp>

void RegisterGUIManagerBindings(lua_State* L)
{
    using namespace luabind;
    using Core::GUIManager;
    module(L)[
        class_<GUIManager>("GUIManager")
            .def("getLayer", &GUIManager::getLayer)
            .def("LoadLayers", &GUIManager::LoadLayers)
            .def("LoadText", &GUIManager::LoadText)
    ];
}
