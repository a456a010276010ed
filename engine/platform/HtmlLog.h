#pragma once

// The running log, log.htm: HTML fragments appended one entry at a time. Every
// write opens, appends and closes the file, so the log survives a crash up to
// its last line. Every text, source and label is HTML-escaped, so a script's
// "<name>" or a player's "&" reads in a browser as it was written; only the
// raw Append writes markup.

#include <ctime>
#include <initializer_list>
#include <string>

class HtmlLog {
public:
    HtmlLog() = default;
    ~HtmlLog();
    HtmlLog(const HtmlLog&) = delete;
    HtmlLog& operator=(const HtmlLog&) = delete;

    // Names the log file; empties it first when truncate is set; then writes
    // the header.
    void Open(const std::string& path, bool truncate);

    void Write(const std::string& text, const std::string& colour);
    void WriteBlack(const std::string& text) { Write(text, "Black"); }
    void WriteError(const std::string& source, const std::string& text);
    void WriteLabeled(const std::string& label, const std::string& colour, const std::string& text);
    // A line without time stamp.
    void WritePlain(const std::string& text);
    void Append(const std::string& text);

    // Writes the footer when anything was written and forgets the file.
    void Close();

    const std::string& Path() const { return _path; }

private:
    void AppendFragments(std::initializer_list<std::string> fragments);

    std::string _path;
    bool _written = false;
};

// "<B><Font ...>" "<DD.MM.YYYY - hh:mm:ss> " "</Font></B>" for the given time.
std::string FormatLogTimeStamp(const std::tm& when);

extern HtmlLog g_log;

void OpenLogFile(const std::string& path, bool truncate);
void WriteLogLine(const std::string& text);
void LogError(const std::string& source, const std::string& text);
void LogErrorText(const std::string& text);
