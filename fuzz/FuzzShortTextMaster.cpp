// The short-text masters in the layout the first byte chooses: read, written,
// and the written file reads back to itself.
#include "FuzzSupport.h"
#include "settings/ShortTextMaster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes = kolv::fuzz::bytesOf(data, size);
    kolv::ShortTextMaster master;
    master.layout =
        kolv::fuzz::takeChoice(bytes, 2) == 0 ? kolv::ShortTextLayout::MarkAndText : kolv::ShortTextLayout::TextOnly;
    kolv::readShortTextMaster(master, bytes);
    kolv::fuzz::require(master.entries.size() <= kolv::ShortTextMaster::capacity, "at most 80 entries");
    const std::string written = kolv::shortTextMasterText(master);

    kolv::ShortTextMaster reread;
    reread.layout = master.layout;
    kolv::readShortTextMaster(reread, written);
    kolv::fuzz::require(kolv::shortTextMasterText(reread) == written, "a saved master reads back as it was saved");
    return 0;
}
