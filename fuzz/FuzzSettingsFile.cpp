// Sys.ndx as users and other programs leave it: read, fixed up, written, and
// the written file reads back to itself.
#include "FuzzSupport.h"
#include "platform/FileIo.h"
#include "settings/SettingsFile.h"

namespace {

std::string readAndWrite(std::string_view bytes)
{
    kolv::LogSettings settings;
    kolv::applySettingsDefaults(settings);
    kolv::applySettingsLines(settings, kolv::splitLines(bytes));
    kolv::applySettingsFixUps(settings);
    return kolv::settingsFileText(settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string written = readAndWrite(kolv::fuzz::bytesOf(data, size));
    kolv::fuzz::require(readAndWrite(written) == written, "a saved Sys.ndx reads back as it was saved");
    return 0;
}
