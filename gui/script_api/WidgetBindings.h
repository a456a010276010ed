#pragma once

struct lua_State;

// Class "Widget": AcceptMessage, QueryState, setVisible, setColor. Every kind
// answers through its own virtual operations. AddEffect joins them with the
// particle effects' class "Effect".
void RegisterWidgetBindings(lua_State* L);
