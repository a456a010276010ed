#pragma once

// Input events as the window system would send them, for driving the window
// procedure from tests. Mouse positions are window pixels, y downward.

#include <SDL2/SDL.h>

namespace testing_support {

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key, bool repeat = false);
SDL_Event TextEvent(const char* utf8);
SDL_Event ButtonEvent(Uint32 type, Uint8 button, int x, int y, Uint8 clicks = 1);
SDL_Event MotionEvent(int x, int y);
SDL_Event WindowEvent(SDL_WindowEventID id, Uint32 windowId = 0);

} // namespace testing_support
