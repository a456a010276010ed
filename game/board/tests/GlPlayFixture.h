#pragma once

// Play tests that draw into a real GL context: the context opened for the
// test, and a plain white picture for the effects to bind.

#include "PlayFixture.h"

#include "engine/render/Sprite.h"
#include "tests/support/GlTestContext.h"

#include <cstdint>
#include <vector>

class GlPlayTest : public PlayTest {
protected:
    explicit GlPlayTest(const char* title) : _title(title) {}

    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open(_title));
        testing_support::UploadTexture(_white, 2, 2, std::vector<std::uint32_t>(4, 0xFFFFFFFFu));
    }
    void TearDown() override
    {
        PlayTest::TearDown();
        _gl.Close();
    }

    testing_support::GlTestContext _gl;
    Sprite _white;

private:
    const char* _title;
};
