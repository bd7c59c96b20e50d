#include "FuzzSupport.h"

#include <filesystem>
#include <unistd.h>

namespace kolv::fuzz {

std::string scratchFolder()
{
    static const std::string folder = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("kolv-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

}  // namespace kolv::fuzz
