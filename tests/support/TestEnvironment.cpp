#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace testing_support {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    _path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(_path, ec);
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool PathExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string DataHome()
{
    const char* v = std::getenv("XDG_DATA_HOME");
    return v ? v : "";
}

std::string SourceDir()
{
    const char* v = std::getenv("VELMORA_SOURCE_DIR");
    return v ? v : ".";
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& dir)
    : _previous(std::filesystem::current_path().string())
{
    std::filesystem::current_path(dir);
}

ScopedCurrentDir::~ScopedCurrentDir()
{
    std::error_code ec;
    std::filesystem::current_path(_previous, ec);
}

} // namespace testing_support
