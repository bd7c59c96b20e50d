// Font1.ndx to Font6.ndx: read with the size and face rules of the slot the
// first byte chooses, then written.
#include "FuzzSupport.h"
#include "settings/FontSlotFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes = kolv::fuzz::bytesOf(data, size);
    const int slot = 1 + kolv::fuzz::takeChoice(bytes, 6);
    const kolv::FontSlot font = kolv::readFontSlot(bytes, slot);
    kolv::fuzz::require(font.size > 1.0 && font.size <= 400.0, "a font size within the slot's range");
    kolv::fuzz::require(font.face.size() > 1, "a font face of more than one byte");
    kolv::fontSlotFileText(font);
    return 0;
}
