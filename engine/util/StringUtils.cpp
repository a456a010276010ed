#include "engine/util/StringUtils.h"

#include <cstdio>

int StringToInt(const std::string& text)
{
    int value = 0;
    std::sscanf(text.c_str(), "%d", &value);
    return value;
}

float StringToFloat(const std::string& text)
{
    float value = 0.0f;
    std::sscanf(text.c_str(), "%f", &value);
    return value;
}

bool StringToBool(const std::string& text)
{
    return text == "true" || text == "1";
}

void SplitString(const std::string& text, std::vector<std::string>& pieces, const std::string& delimiters)
{
    std::string::size_type start = text.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        const std::string::size_type end = text.find_first_of(delimiters, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            return;
        }
        pieces.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(delimiters, end);
    }
}

std::string IntToString(int value)
{
    return std::to_string(value);
}

std::string AsciiLower(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string HtmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}
