#pragma once

// The common ground of the image loading tests: plain files (no JPEG pairs,
// no PNG switch) and allocated image buffers for each test, the settings
// put back after it.

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"

#include <gtest/gtest.h>

#include <string>

class ImageLoadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings = Settings();
        g_settings.useJpegPairs = false;
        g_settings.loadPngImages = false;
        AllocateImageBuffers();
    }
    void TearDown() override { g_settings = Settings(); }

    // How often part occurs in text from offset on.
    static int Occurrences(const std::string& text, std::size_t offset, const std::string& part)
    {
        int count = 0;
        for (std::size_t at = text.find(part, offset); at != std::string::npos; at = text.find(part, at + part.size()))
            ++count;
        return count;
    }
};
