#include "platform/FileIo.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

namespace {

// Links followed before a path is taken for a loop, as the kernel does.
constexpr int mostLinksFollowed = 40;

bool writeAll(int descriptor, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string folderOf(const std::string& hostPath)
{
    const std::size_t slash = hostPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : hostPath.substr(0, slash + 1);
}

// A regular file, or none yet: the bytes go to a temporary file in the same
// folder, are flushed to disk and only then renamed over the target, so a
// failed save (full disk, no permission) leaves the previous file intact.
bool replaceAtomically(const std::string& hostPath, std::string_view bytes)
{
    std::string temporary = folderOf(hostPath) + ".kolv-save-XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    bool ok = writeAll(descriptor, bytes);
    // The file replaced keeps its permissions, and its owner and group where
    // this user may give them; a new file gets the usual read-write for the user.
    struct stat info {};
    if (stat(hostPath.c_str(), &info) == 0) {
        if (fchown(descriptor, info.st_uid, info.st_gid) != 0
            && fchown(descriptor, static_cast<uid_t>(-1), info.st_gid) != 0) {
            // Not permitted: the file becomes this user's, as any editor's save would.
        }
        ok = ok && fchmod(descriptor, info.st_mode & 07777) == 0;
    } else {
        ok = ok && fchmod(descriptor, 0644) == 0;
    }
    ok = ok && fsync(descriptor) == 0;
    ok = (::close(descriptor) == 0) && ok;
    if (ok)
        ok = std::rename(temporary.c_str(), hostPath.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

int connectToSocket(const std::string& hostPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (hostPath.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, hostPath.c_str(), hostPath.size() + 1);
    const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor >= 0 && connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// A device, a pipe or a socket: the bytes are written to it as they are;
// renaming over it would replace the node by a plain file.
bool streamTo(const std::string& hostPath, std::string_view bytes)
{
    int descriptor = ::open(hostPath.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0 && errno == ENXIO)
        descriptor = connectToSocket(hostPath);
    if (descriptor < 0)
        return false;
    const bool ok = writeAll(descriptor, bytes);
    return (::close(descriptor) == 0) && ok;
}

// The path with its folder's links resolved ("/dev/fd/1" is
// "/proc/<this process>/fd/1"); the path as given when the folder cannot be
// resolved.
std::string withRealFolder(const std::string& hostPath)
{
    const std::size_t slash = hostPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : hostPath.substr(0, slash + 1);
    char* real = realpath(folder.c_str(), nullptr);
    if (!real)
        return hostPath;
    std::string resolved = real;
    std::free(real);
    return resolved + (resolved.back() == '/' ? "" : "/") + hostPath.substr(slash == std::string::npos ? 0 : slash + 1);
}

// A path in this process's descriptor folder (what /dev/stdout and
// /dev/fd/N lead to) names an open descriptor: the bytes go to it where it
// stands, as a shell redirection (">" or ">>") set it up, whatever kind of
// file it is.
std::optional<int> ownDescriptorOf(const std::string& resolvedPath)
{
    const std::size_t slash = resolvedPath.find_last_of('/');
    if (slash == std::string::npos || resolvedPath.compare(0, 6, "/proc/") != 0)
        return std::nullopt;
    const std::string folder = resolvedPath.substr(0, slash + 1);
    bool own = false;
    for (const char* descriptors : {"/proc/self/fd/", "/proc/thread-self/fd/"})
        own = own || withRealFolder(descriptors) == folder;
    int descriptor = -1;
    const char* first = resolvedPath.data() + slash + 1;
    const char* last = resolvedPath.data() + resolvedPath.size();
    const auto [end, error] = std::from_chars(first, last, descriptor);
    if (!own || error != std::errc() || end != last || first == last)
        return std::nullopt;
    return descriptor;
}

std::optional<std::string> linkTarget(const std::string& hostPath)
{
    std::string target(4096, '\0');
    const ssize_t length = readlink(hostPath.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size())
        return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    return target.front() == '/' ? target : folderOf(hostPath) + target;
}

}  // namespace

bool writeFileAtomically(const std::string& hostPath, std::string_view bytes)
{
    std::string path = hostPath;
    for (int followed = 0; followed <= mostLinksFollowed; ++followed) {
        path = withRealFolder(path);
        if (const std::optional<int> descriptor = ownDescriptorOf(path))
            return writeAll(*descriptor, bytes);
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0)
            return errno == ENOENT && replaceAtomically(path, bytes);
        if (S_ISREG(info.st_mode))
            return replaceAtomically(path, bytes);
        if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))
            return streamTo(path, bytes);
        if (!S_ISLNK(info.st_mode))
            return false;  // a folder or a block device is never written over
        // A link stays: what it leads to is written, in that file's own folder.
        const std::optional<std::string> target = linkTarget(path);
        if (!target)
            return false;
        // Other links into /proc (a descriptor of another process, a pipe's
        // name) are opened as they stand.
        if (path.compare(0, 6, "/proc/") == 0)
            return streamTo(path, bytes);
        path = *target;
    }
    return false;
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
