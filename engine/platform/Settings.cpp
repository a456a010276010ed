#include "engine/platform/Settings.h"

#include "engine/util/FileSystem.h"
#include "engine/util/StringUtils.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

bool IsKeyCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

bool ParseSettingsLine(const std::string& line, std::string& key, std::string& value)
{
    std::string::size_type start = 0;
    while (start < line.size() && !IsKeyCharacter(line[start]))
        ++start;
    if (start == line.size())
        return false;
    std::string::size_type end = start + 1;
    while (end < line.size() && IsKeyCharacter(line[end]))
        ++end;
    if (end == line.size())
        return false;
    const std::string::size_type equals = line.find('=', end);
    if (equals == std::string::npos)
        return false;
    const std::string::size_type valueStart = line.find_first_not_of(" =", equals + 1);
    if (valueStart == std::string::npos)
        return false;
    key = line.substr(start, end - start);
    value = line.substr(valueStart);
    return !value.empty();
}

Settings ReadSettingsFile(const std::string& name)
{
    Settings settings;
    std::vector<std::string> lines;
    ReadTextLines(name, lines);
    lines.resize(14);

    std::string key;
    std::string value;
    for (int index = 0; index < 14; ++index) {
        // Line 1 may change the folder, so later lines are looked up in the
        // file already read.
        if (!ParseSettingsLine(lines[static_cast<size_t>(index)], key, value))
            continue;
        switch (index + 1) {
        case 1:
            if (key == "path") {
                settings.path = value;
                if (::chdir(ResolvePath(value).c_str()) != 0)
                    settings.path.clear();
            }
            break;
        case 3: settings.useScreensaver = StringToBool(value); break;
        case 4: settings.exitTarget = value; break;
        case 5: settings.useExternalScreensaver = StringToBool(value); break;
        case 6: settings.countSplashes = true; break;
        case 7: settings.loadPngImages = StringToBool(value); break;
        case 8: settings.useJpegPairs = StringToBool(value); break;
        case 9: settings.runFirstStart = StringToBool(value); break;
        case 10: settings.logInGameFolder = StringToBool(value); break;
        case 11: settings.truncateLog = StringToBool(value); break;
        case 12: {
            int version = 0;
            if (std::sscanf(value.c_str(), "%d", &version) == 1)
                settings.requiredGameInfoVersion = version;
            break;
        }
        case 13: settings.windowTitle = value; break;
        case 14: settings.editAcceptsHighCharacters = StringToBool(value); break;
        default: break; // line 2 is read and not used
        }
    }
    return settings;
}
