#pragma once

// The dictionary files of the fuzz targets (dict/<target>.dict), read by the
// rules libFuzzer applies when it starts: one entry a line, a quoted string
// with an optional name before it (name="..."), the escapes \\, \" and \xAB,
// blank lines and lines starting with # skipped. libFuzzer refuses to start
// on any other line, so the regression run checks every dictionary the same
// way before a long run finds out.

#include <string>
#include <vector>

namespace fuzz {

struct DictionaryFile {
    std::vector<std::string> entries;
    // Empty when the text is valid, else the line that is not, with its number.
    std::string error;
};

DictionaryFile ParseDictionary(const std::string& text);

// The longest entry libFuzzer keeps; it drops longer ones without a word.
constexpr std::size_t kLongestDictionaryEntry = 64;

} // namespace fuzz
