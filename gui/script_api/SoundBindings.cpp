#include "gui/script_api/SoundBindings.h"

#include "engine/sound/SoundSystemImpl.h"

#include <luabind/luabind.hpp>

void RegisterSoundBindings(lua_State* L)
{
    using namespace luabind;
    using Sound::SoundSystemImpl;
    module(L)[
        class_<SoundSystemImpl>("SoundSystem")
            .def("PlaySample", &SoundSystemImpl::PlaySample)
            .def("FadeInTrack", &SoundSystemImpl::FadeInTrack)
            .def("FadeOutTrack", &SoundSystemImpl::FadeOutTrack)
            .def("FadeOutAllTracks", &SoundSystemImpl::FadeOutAllTracks)
            .def("FadeOutTagTracks", &SoundSystemImpl::FadeOutTagTracks)
            .def("DelayPlayTrack", &SoundSystemImpl::DelayPlayTrack)
            .def("SetSoundVolume", &SoundSystemImpl::SetSoundVolume)
            .def("SetMusicVolume", &SoundSystemImpl::SetMusicVolume)
            .def("StopTrack", &SoundSystemImpl::StopTrack)
    ];
}
