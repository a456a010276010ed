#pragma once

// The program's log (g_log) on a fresh file of its own for the lifetime of
// the object, so a test can read what was logged.

#include "tests/support/TestEnvironment.h"

#include <string>

namespace testing_support {

class ScopedLogFile {
public:
    ScopedLogFile();
    ~ScopedLogFile();
    ScopedLogFile(const ScopedLogFile&) = delete;
    ScopedLogFile& operator=(const ScopedLogFile&) = delete;

    // Closes the log early; the text stays readable.
    void Close();
    // Everything written to the file so far.
    std::string Text() const;
    const std::string& Path() const { return _path; }

private:
    TempDir _dir;
    std::string _path;
    bool _open = true;
};

} // namespace testing_support
