#include "game/screens/WebsiteShortcut.h"

#include "engine/backend/Process.h"
#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"

#include <cctype>
#include <sstream>

namespace {

const char* const kShortcutError = "website.url";

bool StartsWithNoCase(const std::string& text, const std::string& start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(start[i])))
            return false;
    return true;
}

std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace

std::string WebAddressOfShortcut(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (!StartsWithNoCase(line, "URL="))
            continue;
        const std::string address = Trimmed(line.substr(4));
        if (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"))
            return address;
        return std::string();
    }
    return std::string();
}

bool OpenWebsiteShortcut(const std::string& name)
{
    if (!FileExists(name))
        return false;
    std::string text;
    if (!ReadWholeFile(name, text)) {
        LogError(kShortcutError, name + " cannot be read.");
        return false;
    }
    const std::string address = WebAddressOfShortcut(text);
    if (address.empty()) {
        LogError(kShortcutError, name + " names no web address (http:// or https://): nothing is opened.");
        return false;
    }
    return backend::OpenWithShell(address);
}
