#pragma once
// A pattern folder for the soil column tests: drive C: of a temporary data
// root holds "C:\Jbptn" (and "C:\Jbptn01"), filled with small monochrome
// bitmaps whose sizes tell them apart in the recorded drawing.
#include "render/BitmapFile.h"
#include "settings/LogSettings.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>

namespace kolv::test {

// A bitmap of width x height whose pixel (x, y) is black when black(x, y).
template <class Black> MonochromeBitmap bitmapOf(int width, int height, Black black)
{
    MonochromeBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.stride = (width + 31) / 32 * 4;
    bitmap.bits.assign(static_cast<std::size_t>(bitmap.stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!black(x, y))
                bitmap.bits[static_cast<std::size_t>(y) * bitmap.stride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
    return bitmap;
}

inline MonochromeBitmap squareBitmap(int side)
{
    return bitmapOf(side, side, [](int x, int y) { return (x + y) % 3 == 0; });
}

class PatternTestFolder {
public:
    explicit PatternTestFolder(LogSettings& settings)
    {
        settings.dataRoot = root_.path();
        settings.patternFolder = "C:\\Jbptn";
        std::filesystem::create_directories(folder());
        std::filesystem::create_directories(folder() + "01");
    }

    std::string folder() const { return root_.path() + "/drive_c/Jbptn"; }

    // J<number>.BMP of the colour folder: a side x side bitmap.
    void addSquare(long number, int side) const { addBitmap(number, squareBitmap(side)); }

    void addBitmap(long number, const MonochromeBitmap& bitmap, const std::string& suffix = "") const
    {
        writeFile(folder() + suffix + "/J" + std::to_string(number) + ".BMP", encodeBitmap(bitmap));
    }

    void addFile(const std::string& name, const std::string& bytes) const { writeFile(folder() + "/" + name, bytes); }

private:
    TemporaryFolder root_;
};

}  // namespace kolv::test
