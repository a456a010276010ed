#include "gui/script_api/SceneBindings.h"

#include "engine/platform/HtmlLog.h"
#include "engine/script/ScriptHost.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/SceneLibrary.h"

#include <luabind/luabind.hpp>

void RegisterSceneScriptClasses(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<LayerSet>("LayerSet")
            .def("getLayer", &LayerSet::getLayer)
            .def("UploadResources", &LayerSet::UploadResources)
            .def("ReleaseResources", &LayerSet::ReleaseResources)
            .def("setText", &LayerSet::setText),
        class_<AnimLayer>("AnimLayer")
            .def_readwrite("x", &AnimLayer::x)
            .def_readwrite("y", &AnimLayer::y)
            .def_readwrite("isVisible", &AnimLayer::isVisible)
            .def_readwrite("scale", &AnimLayer::scale)
            .def("getObject", &AnimLayer::getObject),
        class_<LayerObject>("LayerObject")
            .def_readwrite("x", &LayerObject::x)
            .def_readwrite("y", &LayerObject::y)
            .def_readwrite("rotX", &LayerObject::rotX)
            .def_readwrite("rotY", &LayerObject::rotY)
            .def_readwrite("isVisible", &LayerObject::isVisible)
            .def_readwrite("scale", &LayerObject::scale)
            .def_readwrite("angle", &LayerObject::angle)
            .def_readwrite("color", &LayerObject::color)
            .def("Do", &LayerObject::Do),
        def("LoadAnimation", &LoadAnimation)
    ];
}

void ExposeLayerSetToScript(const LayerSet& set)
{
    lua_State* L = g_luaState;
    if (!L)
        return;
    try {
        luabind::object table = luabind::newtable(L);
        table["set"] = const_cast<LayerSet*>(&set);
        for (const auto& layer : set.layers) {
            luabind::object layerTable = luabind::newtable(L);
            layerTable["layer"] = layer.get();
            for (const auto& object : layer->objects)
                layerTable[object->name] = object.get();
            table[layer->name] = layerTable;
        }
        luabind::globals(L)[set.name] = table;
    } catch (const std::exception& e) {
        LogError("LUA ERROR", e.what());
    }
}
