#include "game/board/TraceLog.h"

#include "engine/util/FileSystem.h"

#include <cstdio>

std::string FormatTraceStamp(const std::tm& when)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "<%02d.%02d.%d - %02d:%02d:%02d> ", when.tm_mday, when.tm_mon + 1,
                  when.tm_year + 1900, when.tm_hour, when.tm_min, when.tm_sec);
    return buffer;
}

void TraceLog::Write(const std::string& text)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    WriteAt(local, text);
}

void TraceLog::WriteAt(const std::tm& when, const std::string& text)
{
    _lines.push_back(FormatTraceStamp(when) + text);
    while (_lines.size() > kMaxLines)
        _lines.pop_front();
}

bool TraceLog::SaveTo(const std::string& path) const
{
    FILE* file = std::fopen(ResolvePath(path).c_str(), "wb");
    if (!file)
        return false;
    for (const std::string& line : _lines) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\r', file);
    }
    return std::fclose(file) == 0;
}
