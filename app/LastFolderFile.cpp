#include "app/LastFolderFile.h"

#include "data/Cp932Text.h"
#include "platform/FileIo.h"

#include <vector>

namespace kolv {

namespace {

constexpr std::size_t lineBytesRead = 99;
constexpr std::size_t folderBytesWritten = 500;

}  // namespace

LastFolder readLastFolder(const std::string& hostPath)
{
    LastFolder lastFolder;
    std::string bytes;
    if (!readFileBytes(hostPath, bytes))
        return lastFolder;
    const std::vector<std::string> lines = splitLines(bytes);
    if (!lines.empty())
        lastFolder.folder = std::string(cutToBytes(lines[0], lineBytesRead));
    if (lines.size() > 1)
        lastFolder.secondLine = std::string(cutToBytes(lines[1], lineBytesRead));
    return lastFolder;
}

bool writeLastFolder(const std::string& hostPath, const LastFolder& lastFolder)
{
    const std::string bytes =
        std::string(cutToBytes(lastFolder.folder, folderBytesWritten)) + "\r\n" + lastFolder.secondLine + "\r\n";
    return writeFileAtomically(hostPath, bytes);
}

}  // namespace kolv
