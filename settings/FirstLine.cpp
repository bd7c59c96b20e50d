#include "settings/FirstLine.h"

#include "platform/FileIo.h"

#include <cstdio>

namespace kolv {

std::string readFirstLine(const std::string& hostPath)
{
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file)
        return {};
    std::string line;
    int c = 0;
    while ((c = std::fgetc(file)) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    std::fclose(file);
    if (line.size() <= 1)
        return {};
    const std::vector<std::string> lines = splitLines(line);
    return lines.empty() ? std::string() : lines.front();
}

}  // namespace kolv
