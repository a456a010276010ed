#pragma once

// The board's running trace: time-stamped lines, oldest first, at most the
// last 1000, written out on request (log2.txt). It records the moments the
// board blocks and unblocks input, to find out why a board stopped taking it.

#include <ctime>
#include <list>
#include <string>

class TraceLog {
public:
    static constexpr std::size_t kMaxLines = 1000;

    // Stamps the text with the local time and appends it.
    void Write(const std::string& text);
    // The same at a given time.
    void WriteAt(const std::tm& when, const std::string& text);

    const std::list<std::string>& Lines() const { return _lines; }

    // Writes every line, each followed by a carriage return, into the file,
    // emptied first. False when it cannot be written.
    bool SaveTo(const std::string& path) const;

private:
    std::list<std::string> _lines;
};

// "<DD.MM.YYYY - hh:mm:ss> ": two digits but for the year.
std::string FormatTraceStamp(const std::tm& when);
