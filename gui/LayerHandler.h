#pragma once

// What a layer does with the messages that the queue drain hands it. The
// plain handler (a "Handler" element) drops them; a script handler (a
// "Script" element) calls a global Lua function with each message.

#include <string>

class Layer;
class Message;

class LayerHandler {
public:
    explicit LayerHandler(Layer* layer) : owner(layer) {}
    virtual ~LayerHandler() = default;
    LayerHandler(const LayerHandler&) = delete;
    LayerHandler& operator=(const LayerHandler&) = delete;

    virtual void HandleMessage(const Message& message);

    Layer* owner;
};

class ScriptHandler : public LayerHandler {
public:
    ScriptHandler(Layer* layer, std::string function) : LayerHandler(layer), functionName(std::move(function)) {}

    // A missing or failing function is logged as "LUA Error calling [name]"
    // and the drain goes on.
    void HandleMessage(const Message& message) override;

    std::string functionName;
};
