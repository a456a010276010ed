#pragma once

// What the application's start asks of the layers above the engine, at the
// points of its fixed order where they come in. The program's composition
// root supplies them; an application without parts starts the engine alone.

class ApplicationParts {
public:
    virtual ~ApplicationParts() = default;

    // Once the script state is open, before the window: the framework's text
    // variables, widget and controller type names and the script API.
    virtual void PrepareFramework() = 0;
    // After the splash frame, before start.lua: the game's own data.
    virtual void LoadGameData() = 0;
    // Once, before the first frame of the main loop.
    virtual void BeginLoop() = 0;
};
