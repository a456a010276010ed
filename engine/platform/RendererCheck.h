#pragma once

// Before the window is made, start-up checks that the renderer can run: an
// OpenGL 2.1 context must be creatable. On failure the player is told with
// the message "Required DirectX 8.0 or latest" titled "DirectX Version:".

bool CheckRenderer();
