// PtnvcJG.ndx, the colours of the vector-drawn patterns.
#include "FuzzSupport.h"
#include "settings/PatternColorFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kolv::PatternColorTable table;
    kolv::readPatternColors(table, kolv::fuzz::bytesOf(data, size));
    kolv::fuzz::require(table.pairs.size() <= kolv::PatternColorTable::capacity, "at most 110 colours");
    return 0;
}
