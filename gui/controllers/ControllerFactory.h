#pragma once

// The controllers that scripts make by type name ("Fader", "CrossFade",
// "WidgetMover") from a variable set of named arguments. A creator whose
// required arguments are missing or of another kind logs and makes nothing.

#include "gui/VariableSet.h"
#include "gui/controllers/IController.h"
#include "gui/controllers/VarlistObjectFactory.h"

#include <boost/variant/get.hpp>

#include <string>

using ControllerFactory = VarlistObjectFactory<IController, std::string>;

extern ControllerFactory controlFactory;

// Registers "Fader", "CrossFade" and "WidgetMover", in this order.
void RegisterControllerKinds();

// The log line of a creator that refuses its arguments.
void LogControllerArgumentError(const std::string& kind, const std::string& problem);

// The value of a required argument, or null (logged) when it is missing or
// of another kind.
template <typename T>
const T* RequiredArgument(VariableSet& variables, const std::string& kind, const std::string& key)
{
    const T* value = variables.Has(key) ? boost::get<T>(&variables[key]) : nullptr;
    if (!value)
        LogControllerArgumentError(kind, "the argument \"" + key + "\" is missing or of another kind; no controller was made");
    return value;
}

// The required argument "Widget": a widget that exists, or null (logged).
Widget* RequiredWidgetArgument(VariableSet& variables, const std::string& kind);

// The value of an optional argument, or null when it is absent; a value of
// another kind is logged and ignored.
template <typename T>
const T* OptionalArgument(VariableSet& variables, const std::string& kind, const std::string& key)
{
    if (!variables.Has(key))
        return nullptr;
    const T* value = boost::get<T>(&variables[key]);
    if (!value)
        LogControllerArgumentError(kind, "the argument \"" + key + "\" is of another kind and was ignored");
    return value;
}
