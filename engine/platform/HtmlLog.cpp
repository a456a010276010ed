#include "engine/platform/HtmlLog.h"

#include "engine/util/StringUtils.h"

#include <cstdio>

namespace {

std::string TwoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string CurrentTimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatLogTimeStamp(local);
}

} // namespace

std::string FormatLogTimeStamp(const std::tm& when)
{
    return "<B><Font Size = 1 Color = DarkGreen Face = Verdana><" + TwoDigits(when.tm_mday) + "." +
           TwoDigits(when.tm_mon + 1) + "." + std::to_string(when.tm_year + 1900) + " - " +
           TwoDigits(when.tm_hour) + ":" + TwoDigits(when.tm_min) + ":" + TwoDigits(when.tm_sec) +
           "> </Font></B>";
}

HtmlLog::~HtmlLog()
{
    Close();
}

void HtmlLog::Open(const std::string& path, bool truncate)
{
    _path = path;
    if (truncate) {
        if (FILE* f = std::fopen(_path.c_str(), "w"))
            std::fclose(f);
    }
    Append("<Title>Log File</Title>");
    Append("<Html> <Body BgColor = Cornsilk>");
    Append("<B><Font Size = 3 Color = DarkBlue Face = Verdana>Log file</B><BR>");
}

void HtmlLog::AppendFragments(std::initializer_list<std::string> fragments)
{
    if (_path.empty())
        return;
    FILE* f = std::fopen(_path.c_str(), "a+");
    if (!f)
        return; // a log that cannot be written never fails its caller
    for (const std::string& fragment : fragments)
        std::fwrite(fragment.data(), 1, fragment.size(), f);
    std::fclose(f);
    _written = true;
}

void HtmlLog::Write(const std::string& text, const std::string& colour)
{
    AppendFragments(
        {CurrentTimeStamp(), "<Font Size = 1 Color = " + colour + " Face = Verdana>", HtmlEscape(text), "</Font><BR>"});
}

void HtmlLog::WriteError(const std::string& source, const std::string& text)
{
    AppendFragments({CurrentTimeStamp(), "<B><Font Size = 1 Color = Red Face = Verdana>", HtmlEscape(source), " : ",
                     "</B></Font>", "<Font Size = 1 Color = Black Face = Verdana>", HtmlEscape(text), "</Font><BR>"});
}

void HtmlLog::WriteLabeled(const std::string& label, const std::string& colour, const std::string& text)
{
    AppendFragments({CurrentTimeStamp(), "<Font Size = 1 Color = " + colour + " Face = Verdana>", HtmlEscape(label),
                     " : ", "</Font>", "<Font Size = 1 Color = Black Face = Verdana>", HtmlEscape(text), "</Font><BR>"});
}

void HtmlLog::WritePlain(const std::string& text)
{
    AppendFragments({"<Font Size = 1 Color = Black Face = Verdana>", HtmlEscape(text), "</Font><BR>"});
}

void HtmlLog::Append(const std::string& text)
{
    AppendFragments({text});
}

void HtmlLog::Close()
{
    if (_written)
        AppendFragments({"</Font> </P> </Body> </Html>"});
    _written = false;
    _path.clear();
}

void OpenLogFile(const std::string& path, bool truncate)
{
    g_log.Open(path, truncate);
}

void WriteLogLine(const std::string& text)
{
    g_log.WritePlain(text);
}

void LogError(const std::string& source, const std::string& text)
{
    g_log.WriteError(source, text);
}

void LogErrorText(const std::string& text)
{
    g_log.WriteError("ERROR", text);
}
