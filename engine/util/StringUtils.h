#pragma once

// Text conversions shared by every reader of the game's data files.

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

// The integer that "%d" reads from the start of the text (0 when none).
int StringToInt(const std::string& text);
// The float that "%f" reads from the start of the text (0 when none).
float StringToFloat(const std::string& text);
// True exactly for "true" and "1".
bool StringToBool(const std::string& text);

// Appends the non-empty pieces of text between runs of delimiter characters.
void SplitString(const std::string& text, std::vector<std::string>& pieces, const std::string& delimiters);

std::string IntToString(int value);

// Text of a value as a default-formatted string stream writes it.
template <typename T>
std::string ToString(const T& value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}
template <typename T>
std::string ToString(T* pointer)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%08llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(pointer)));
    return buffer;
}

// Lower-case copy using the ASCII letters only (names are byte strings).
std::string AsciiLower(const std::string& text);

// Text made safe to show inside HTML: &, <, >, " are written as entities.
std::string HtmlEscape(const std::string& text);
