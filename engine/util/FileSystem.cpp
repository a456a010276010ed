#include "engine/util/FileSystem.h"

#include "engine/util/StringUtils.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// The entry of folder whose name equals component ignoring ASCII case.
bool FindEntryIgnoringCase(const std::string& folder, const std::string& component, std::string& found)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return false;
    const std::string wanted = AsciiLower(component);
    bool ok = false;
    while (dirent* entry = ::readdir(dir)) {
        if (AsciiLower(entry->d_name) == wanted) {
            found = entry->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(dir);
    return ok;
}

} // namespace

std::string ResolvePath(const std::string& name)
{
    std::string path = name;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (path.empty() || Exists(path))
        return path;

    // Walk the components, fixing the letter case of each one that does not
    // exist as written.
    std::string result;
    std::string::size_type pos = 0;
    if (path[0] == '/') {
        result = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= path.size()) {
        std::string::size_type slash = path.find('/', pos);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string component = path.substr(pos, slash - pos);
        pos = slash + 1;
        if (component.empty()) {
            if (slash == path.size())
                break;
            continue;
        }
        std::string candidate = result;
        if (!candidate.empty() && candidate.back() != '/')
            candidate += '/';
        std::string exact = candidate + component;
        if (matching && component != "." && component != ".." && !Exists(exact)) {
            std::string found;
            if (FindEntryIgnoringCase(result, component, found))
                exact = candidate + found;
            else
                matching = false;
        }
        result = exact;
        if (slash == path.size())
            break;
    }
    if (!path.empty() && path.back() == '/' && (result.empty() || result.back() != '/'))
        result += '/';
    return result;
}

bool FileExists(const std::string& name)
{
    FILE* f = std::fopen(ResolvePath(name).c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

bool ReadWholeFile(const std::string& name, std::string& contents)
{
    FILE* f = std::fopen(ResolvePath(name).c_str(), "rb");
    if (!f)
        return false;
    contents.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        contents.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool ReadTextLines(const std::string& name, std::vector<std::string>& lines)
{
    std::string contents;
    if (!ReadWholeFile(name, contents))
        return false;
    std::string::size_type start = 0;
    while (start < contents.size()) {
        std::string::size_type end = contents.find('\n', start);
        if (end == std::string::npos)
            end = contents.size();
        std::string line = contents.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

bool WriteFileAtomically(const std::string& name, const std::string& contents)
{
    const std::string target = ResolvePath(name);
    const std::string temporary = target + ".tmp";
    errno = 0;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        written += static_cast<size_t>(n);
    }
    const bool complete = written == contents.size() && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno != 0 ? errno : EIO;
        ::unlink(temporary.c_str());
        errno = reason; // the caller may say why
        return false;
    }
    std::string folder = ".";
    const std::string::size_type slash = target.rfind('/');
    if (slash != std::string::npos)
        folder = slash == 0 ? "/" : target.substr(0, slash);
    const int dirfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirfd >= 0) {
        ::fsync(dirfd);
        ::close(dirfd);
    }
    return true;
}

bool CreateFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0755) == 0)
        return true;
    struct stat st;
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
