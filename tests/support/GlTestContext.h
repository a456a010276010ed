#pragma once

// A hidden window with the render device on it, for tests that draw and read
// the pixels back, and the pixel reads themselves. Pictures of failed tests
// are written as <test>.ppm in the folder the test executable started in.

#include "engine/backend/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Texture;

namespace testing_support {

using Rgb = std::array<int, 3>;

// The colour the device clears the screen to.
const Rgb kBackground = {0x3C, 0x3C, 0x3C};

// The pixel at (x, y) of the screen, y counted from the bottom.
Rgb At(int x, int y);
void ExpectAt(int x, int y, const Rgb& expected, int tolerance = 3);

// Puts w x h pixels (ARGB words, bottom row first) on the device as the
// texture's picture.
void UploadTexture(Texture& texture, int w, int h, const std::vector<std::uint32_t>& argb, bool alpha = true);

// The 800 x 600 screen as a binary PPM file.
void SaveScreenPicture(const std::string& path);
// "<folder the tests started in>/<current test><suffix>.ppm".
std::string TestPicturePath(const std::string& suffix = std::string());

class GlTestContext {
public:
    // Opens the window and the device; with begin2D, also starts a frame in
    // the 2D view.
    ::testing::AssertionResult Open(const char* title, bool begin2D = true);
    // Leaves the picture of a failed test, ends the 2D view if Open began it,
    // releases the device and closes the window.
    void Close();

    backend::Window& Window() { return _window; }

private:
    backend::Window _window;
    bool _in2D = false;
};

} // namespace testing_support
