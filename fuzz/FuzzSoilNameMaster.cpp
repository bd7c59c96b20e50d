// WdtvJCA.mst, the soil-name master, in the pattern set the first byte
// chooses, and the soil-pattern lookup over it with names of every kind.
#include "FuzzSupport.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Cp932Codec.h"
#include "settings/SoilNameMasterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes = kolv::fuzz::bytesOf(data, size);
    const int set = kolv::fuzz::takeChoice(bytes, 2);
    kolv::SoilNameMaster master;
    kolv::readSoilNameMaster(master, bytes, set);

    static const std::string names[] = {
        kolv::utf8ToCp932("砂礫"),
        kolv::utf8ToCp932("貝殻混じりシルト質粘土"),
        kolv::utf8ToCp932("砂・シルト互層"),
        kolv::utf8ToCp932("礫混じり砂"),
        "",
        "\x82",
        kolv::utf8ToCp932("不明な土"),
    };
    static const std::string hints[] = {"", "247", "0", "-1", "99999999999", "abc"};
    for (const std::string& name : names)
        for (const std::string& hint : hints)
            kolv::lookupSoilPattern(name, hint, master, set);
    // The first line of the master as a name of its own.
    kolv::lookupSoilPattern(bytes.substr(0, bytes.find('\n')), "", master, set);
    return 0;
}
