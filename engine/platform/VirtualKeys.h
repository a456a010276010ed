#pragma once

// The virtual-key codes the key map and the key flags use: A-Z 65-90,
// 0-9 48-57, space 32, Enter 13, Escape 27, Backspace 8, Tab 9, arrows 37-40,
// and the codes from 91 up for the system keys, the number pad and the
// function keys.

#include <SDL2/SDL_keyboard.h>

// The code of an SDL key, or -1 for a key without one.
int ToVirtualKey(SDL_Keycode key);

// The control character a key down also types (Backspace 8, Tab 9, Enter 13,
// Escape 27), or -1.
int ControlCharacterOf(int virtualKey);
