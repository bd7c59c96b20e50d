#include "platform/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolv {

bool readFileBytes(const std::string& hostPath, std::string& bytes)
{
    bytes.clear();
    struct stat info {};
    if (stat(hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool writeFileAtomically(const std::string& hostPath, std::string_view bytes)
{
    const std::size_t slash = hostPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : hostPath.substr(0, slash + 1);
    std::string temporary = (slash == std::string::npos ? std::string() : folder) + ".kolv-save-XXXXXX";
    int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // Keep the permissions of the file being replaced; a new file gets the
    // usual read-write for the user.
    struct stat info {};
    const mode_t mode = stat(hostPath.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    ok = ok && fchmod(descriptor, mode) == 0;
    ok = ok && fsync(descriptor) == 0;
    ok = (::close(descriptor) == 0) && ok;
    if (ok)
        ok = std::rename(temporary.c_str(), hostPath.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

std::vector<std::string> splitLinesKeepingEnds(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines = splitLinesKeepingEnds(bytes);
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
        }
    }
    return lines;
}

bool fileExists(const std::string& hostPath)
{
    struct stat info {};
    return stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool directoryExists(const std::string& hostPath)
{
    struct stat info {};
    return stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace kolv
