#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kolv::fuzz {

namespace {

// The folder to remove when the process ends; plain bytes, so that it is
// still there after the static objects are gone.
char folderRemovedAtExit[4096];

void removeScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folderRemovedAtExit, ignored);
}

}  // namespace

std::string scratchFolder()
{
    static const std::string folder = [] {
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path root =
            std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
        const std::filesystem::path path = root / ("kolv-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        path.string().copy(folderRemovedAtExit, sizeof folderRemovedAtExit - 1);
        std::atexit(removeScratchFolder);
        return path.string();
    }();
    return folder;
}

std::string writeScratchFile(const std::string& name, std::string_view bytes)
{
    const std::string path = scratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace kolv::fuzz
