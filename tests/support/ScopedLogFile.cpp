#include "tests/support/ScopedLogFile.h"

#include "engine/platform/HtmlLog.h"

namespace testing_support {

ScopedLogFile::ScopedLogFile()
    : _path(_dir.File("log.htm"))
{
    g_log.Open(_path, true);
}

ScopedLogFile::~ScopedLogFile()
{
    Close();
}

void ScopedLogFile::Close()
{
    if (_open)
        g_log.Close();
    _open = false;
}

std::string ScopedLogFile::Text() const
{
    return ReadTextFile(_path);
}

} // namespace testing_support
