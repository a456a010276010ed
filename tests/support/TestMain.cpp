// Test main shared by every test executable: a headless environment and a
// fresh XDG_DATA_HOME folder for each test, so no test sees another's saves.
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>

namespace {

class FreshDataHome : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        _dir = std::make_unique<testing_support::TempDir>();
        setenv("XDG_DATA_HOME", _dir->Path().c_str(), 1);
    }
    void OnTestEnd(const testing::TestInfo&) override { _dir.reset(); }

private:
    std::unique_ptr<testing_support::TempDir> _dir;
};

} // namespace

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("VELMORA_SOURCE_DIR", VELMORA_SOURCE_DIR_DEFAULT, 0);
    setenv("VELMORA_GAME_DIR", VELMORA_GAME_DIR_DEFAULT, 0);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshDataHome);
    return RUN_ALL_TESTS();
}
