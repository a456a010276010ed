#include "tests/support/SdlEvents.h"

#include <cstring>

namespace testing_support {

namespace {

SDL_Event Empty(Uint32 type)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

} // namespace

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key, bool repeat)
{
    SDL_Event event = Empty(type);
    event.key.keysym.sym = key;
    event.key.repeat = repeat ? 1 : 0;
    return event;
}

SDL_Event TextEvent(const char* utf8)
{
    SDL_Event event = Empty(SDL_TEXTINPUT);
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    return event;
}

SDL_Event ButtonEvent(Uint32 type, Uint8 button, int x, int y, Uint8 clicks)
{
    SDL_Event event = Empty(type);
    event.button.button = button;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event MotionEvent(int x, int y)
{
    SDL_Event event = Empty(SDL_MOUSEMOTION);
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event WindowEvent(SDL_WindowEventID id, Uint32 windowId)
{
    SDL_Event event = Empty(SDL_WINDOWEVENT);
    event.window.event = id;
    event.window.windowID = windowId;
    return event;
}

} // namespace testing_support
