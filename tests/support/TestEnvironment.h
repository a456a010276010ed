#pragma once

#include <string>

namespace testing_support {

// A folder under the system's temporary folder, removed with its contents
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return _path; }
    std::string File(const std::string& name) const { return _path + "/" + name; }

private:
    std::string _path;
};

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool PathExists(const std::string& path);

// The data folder of the current test (XDG_DATA_HOME), fresh for each test.
std::string DataHome();

// The source tree, for committed fixtures.
std::string SourceDir();

// Makes the given folder current for the lifetime of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::string& dir);
    ~ScopedCurrentDir();

private:
    std::string _previous;
};

} // namespace testing_support
