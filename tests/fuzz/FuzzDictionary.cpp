#include "tests/fuzz/FuzzDictionary.h"

#include <cctype>
#include <sstream>

namespace fuzz {

namespace {

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One entry line: text up to a quote (the entry's name, if any), the quoted
// bytes, the closing quote as the line's last character but spaces. An empty
// entry ("") is refused, as libFuzzer refuses it.
bool ParseEntry(const std::string& line, std::string& entry)
{
    entry.clear();
    std::size_t left = 0;
    std::size_t right = line.size() - 1;
    while (left < right && IsSpace(line[left]))
        ++left;
    while (right > left && IsSpace(line[right]))
        --right;
    if (right - left < 2 || line[right] != '"')
        return false;
    --right;
    while (left < right && line[left] != '"')
        ++left;
    if (left >= right)
        return false;
    ++left;
    for (std::size_t pos = left; pos <= right; ++pos) {
        const unsigned char c = static_cast<unsigned char>(line[pos]);
        if (!std::isprint(c) && !std::isspace(c))
            return false;
        if (c != '\\') {
            entry.push_back(static_cast<char>(c));
            continue;
        }
        if (pos + 1 <= right && (line[pos + 1] == '\\' || line[pos + 1] == '"')) {
            entry.push_back(line[pos + 1]);
            ++pos;
            continue;
        }
        if (pos + 3 <= right && line[pos + 1] == 'x' && HexDigit(line[pos + 2]) >= 0 && HexDigit(line[pos + 3]) >= 0) {
            entry.push_back(static_cast<char>(HexDigit(line[pos + 2]) * 16 + HexDigit(line[pos + 3])));
            pos += 3;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

DictionaryFile ParseDictionary(const std::string& text)
{
    DictionaryFile result;
    if (text.empty()) {
        result.error = "the file is empty";
        return result;
    }
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    std::string entry;
    while (std::getline(lines, line, '\n')) {
        ++number;
        std::size_t pos = 0;
        while (pos < line.size() && IsSpace(line[pos]))
            ++pos;
        if (pos == line.size() || line[pos] == '#')
            continue;
        if (!ParseEntry(line, entry)) {
            result.entries.clear();
            result.error = "line " + std::to_string(number) + ": " + line;
            return result;
        }
        result.entries.push_back(entry);
    }
    return result;
}

} // namespace fuzz
