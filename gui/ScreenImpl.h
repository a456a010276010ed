#pragma once

// Which layer is current and the stack of layers shown under it. Only the
// current layer gets input and messages: every change of it rebuilds the
// input map, re-sends the mouse position and empties the message queue.
// The screen owns no layer; they all belong to the GUI manager.

#include <list>
#include <string>

class Layer;

namespace Core {

class ScreenImpl {
public:
    ScreenImpl() = default;
    ScreenImpl(const ScreenImpl&) = delete;
    ScreenImpl& operator=(const ScreenImpl&) = delete;

    // The current layer goes on top of the stack and the argument becomes
    // current (null leaves no layer current).
    void pushLayer(Layer* layer);
    // The top of the stack becomes current; nothing happens on an empty stack.
    void popLayer();
    // Makes a layer current without stacking the old one.
    void SetLayer(Layer* layer);
    // Empties the stack and leaves no layer current.
    void ClearLayers();

    // The name of the current layer, or empty.
    std::string GetTopLayerName() const;
    // Releases the resource group of every stacked layer (groups and layers
    // share their names).
    void ReleaseLayerResources();

    // Input map from the current layer, mouse re-sent, queue emptied.
    void Refresh();
    // Input map from the current layer only (the queue is left alone).
    void RestoreInput();
    // Hands the message queue to the current layer's handler.
    void DispatchMessages();
    // The stacked layers bottom-up, the current one, then the pause veil.
    // Layers under one whose background covers the screen are not drawn.
    void Draw(bool paused);

    Layer* GetCurrent() const { return current; }
    // Bottom first.
    const std::list<Layer*>& GetStack() const { return stack; }

private:
    void DrawPauseVeil();

    Layer* current = nullptr;
    std::list<Layer*> stack;
};

} // namespace Core

extern Core::ScreenImpl Screen;
