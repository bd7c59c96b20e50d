#pragma once
// Shared by the fuzz targets: the input as text, a byte to pick a variant,
// and a check that stops the run like a crash when a promise is broken.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kolv::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The first byte chooses a variant of the run (a font slot, a pattern set);
// the rest is the input.
inline int takeChoice(std::string_view& bytes, int choices)
{
    if (bytes.empty())
        return 0;
    const int choice = static_cast<unsigned char>(bytes.front()) % choices;
    bytes.remove_prefix(1);
    return choice;
}

inline void require(bool promise, const char* what)
{
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// A folder of the process under the temporary folder (in memory where the
// system has one), for targets that must go through files.
std::string scratchFolder();

// Writes the bytes to a file of the scratch folder, without waiting for the
// disk, and gives its path.
std::string writeScratchFile(const std::string& name, std::string_view bytes);

}  // namespace kolv::fuzz
