// The pattern bitmaps: any file that decodes stays within the limits and
// writes to a monochrome file with the same pixels.
#include "FuzzSupport.h"
#include "render/BitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kolv::MonochromeBitmap bitmap;
    if (!kolv::decodeBitmap(kolv::fuzz::bytesOf(data, size), bitmap))
        return 0;
    kolv::fuzz::require(bitmap.width > 0 && bitmap.width <= kolv::bitmapSideLimit, "a width within the limit");
    kolv::fuzz::require(bitmap.height > 0 && bitmap.height <= kolv::bitmapSideLimit, "a height within the limit");
    kolv::fuzz::require(bitmap.bits.size() >= static_cast<std::size_t>(bitmap.stride) * bitmap.height,
                        "every row held");

    kolv::MonochromeBitmap reread;
    kolv::fuzz::require(kolv::decodeBitmap(kolv::encodeBitmap(bitmap), reread), "a written bitmap reads back");
    kolv::fuzz::require(reread.width == bitmap.width && reread.height == bitmap.height, "the same size");
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            kolv::fuzz::require(reread.pixelIsWhite(x, y) == bitmap.pixelIsWhite(x, y), "the same pixels");
    return 0;
}
