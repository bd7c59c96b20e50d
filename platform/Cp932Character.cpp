#include "platform/Cp932Character.h"

namespace kolv {

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t characterLength(std::string_view text, std::size_t pos)
{
    if (pos + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[pos]))) {
        const unsigned char second = static_cast<unsigned char>(text[pos + 1]);
        if (second >= 0x40 && second <= 0xFC && second != 0x7F)
            return 2;
    }
    return 1;
}

}  // namespace kolv
