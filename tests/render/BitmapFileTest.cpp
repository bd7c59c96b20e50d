// Reading the pattern bitmaps: the colour depths a pattern file may have,
// and files whose headers do not match their bytes.
#include "render/BitmapFile.h"

#include "PatternTestFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace kolv {
namespace {

using test::bitmapOf;

void putU32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

void putU16(std::string& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// A bitmap file as other programs write them. pixel(x, y), y counted from the
// top, gives a palette index for up to 8 bits, else a 0xRRGGBB colour.
std::string bitmapFile(int width, int height, int bitCount, const std::vector<std::uint32_t>& palette,
                       const std::function<std::uint32_t(int, int)>& pixel, bool topDown = false)
{
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    const std::size_t offset = 54 + 4 * palette.size();
    std::string bytes(offset + rowBytes * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    putU32(bytes, 10, static_cast<std::uint32_t>(offset));
    putU32(bytes, 14, 40);
    putU32(bytes, 18, static_cast<std::uint32_t>(width));
    putU32(bytes, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    putU16(bytes, 26, 1);
    putU16(bytes, 28, static_cast<std::uint16_t>(bitCount));
    putU32(bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t entry = 0; entry < palette.size(); ++entry)
        putU32(bytes, 54 + 4 * entry, palette[entry]);  // 0x00RRGGBB is stored B, G, R, 0
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixel(x, y);
            if (bitCount >= 24) {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bitCount / 8);
                bytes[at] = static_cast<char>(value & 0xFF);
                bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
                bytes[at + 2] = static_cast<char>((value >> 16) & 0xFF);
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                bytes[row + bit / 8] |= static_cast<char>(value << (8 - bitCount - bit % 8));
            }
        }
    }
    return bytes;
}

std::vector<bool> blackPixels(const MonochromeBitmap& bitmap)
{
    std::vector<bool> black;
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            black.push_back(!bitmap.pixelIsWhite(x, y));
    return black;
}

TEST(BitmapFile, MonochromeFilesKeepTheirPixelsWhicheverWayTheRowsRunAndThePaletteLies)
{
    // A 10 x 3 bitmap (rows padded to 4 bytes) with one black diagonal.
    auto diagonal = [](int x, int y) { return x == 3 * y ? 0u : 1u; };
    const MonochromeBitmap expected = bitmapOf(10, 3, [](int x, int y) { return x == 3 * y; });
    for (const bool topDown : {false, true}) {
        MonochromeBitmap bitmap;
        ASSERT_TRUE(decodeBitmap(bitmapFile(10, 3, 1, {0x000000, 0xFFFFFF}, diagonal, topDown), bitmap));
        EXPECT_EQ(bitmap.width, 10);
        EXPECT_EQ(bitmap.height, 3);
        EXPECT_EQ(blackPixels(bitmap), blackPixels(expected)) << "top-down " << topDown;
    }
    // An inverted palette: index 0 is white, so the same bits show the negative.
    MonochromeBitmap inverted;
    ASSERT_TRUE(decodeBitmap(bitmapFile(10, 3, 1, {0xFFFFFF, 0x000000}, diagonal), inverted));
    EXPECT_FALSE(inverted.pixelIsWhite(0, 1));
    EXPECT_TRUE(inverted.pixelIsWhite(0, 0));
}

TEST(BitmapFile, ColourFilesKeepTheirMarksAndLoseTheirPaleTints)
{
    struct Case {
        std::uint32_t colour;
        bool white;
    };
    const Case cases[] = {
        {0xFFFFFF, true}, {0x000000, false}, {0xFFFF00, true},  // pale yellow fill
        {0xC8C8C8, true}, {0x808080, false}, {0x000080, false}, {0xC83C28, false},
    };
    for (const Case& c : cases) {
        for (const int bitCount : {4, 8, 24, 32}) {
            const bool indexed = bitCount <= 8;
            const std::vector<std::uint32_t> palette =
                indexed ? std::vector<std::uint32_t>{0xFFFFFF, c.colour} : std::vector<std::uint32_t>{};
            const std::string file = bitmapFile(5, 2, bitCount, palette, [&](int x, int) {
                return x == 2 ? (indexed ? 1u : c.colour) : (indexed ? 0u : 0xFFFFFFu);
            });
            MonochromeBitmap bitmap;
            ASSERT_TRUE(decodeBitmap(file, bitmap)) << bitCount;
            EXPECT_EQ(bitmap.pixelIsWhite(2, 1), c.white) << std::hex << c.colour << " at " << std::dec << bitCount;
            EXPECT_TRUE(bitmap.pixelIsWhite(1, 1));
        }
    }
}

TEST(BitmapFile, AnIndexPastAShortenedColourTableIsInk)
{
    MonochromeBitmap bitmap;
    ASSERT_TRUE(
        decodeBitmap(bitmapFile(4, 1, 8, {0xFFFFFF, 0xFFFFFF}, [](int x, int) { return x == 1 ? 200u : 0u; }), bitmap));
    EXPECT_TRUE(bitmap.pixelIsWhite(0, 0));
    EXPECT_FALSE(bitmap.pixelIsWhite(1, 0));
}

TEST(BitmapFile, WrittenFilesReadBackAsTheyWereWritten)
{
    const MonochromeBitmap original = bitmapOf(37, 5, [](int x, int y) { return (x * y) % 7 == 1; });
    MonochromeBitmap read;
    ASSERT_TRUE(decodeBitmap(encodeBitmap(original), read));
    EXPECT_EQ(read.width, 37);
    EXPECT_EQ(read.height, 5);
    EXPECT_EQ(blackPixels(read), blackPixels(original));
}

TEST(BitmapFile, HeadersThatDoNotMatchTheirBytesAreRefusedWhole)
{
    const std::string valid = encodeBitmap(bitmapOf(8, 8, [](int x, int) { return x < 4; }));
    struct Case {
        const char* name;
        std::function<void(std::string&)> spoil;
    };
    const Case cases[] = {
        {"empty file", [](std::string& b) { b.clear(); }},
        {"not a bitmap", [](std::string& b) { b[0] = 'X'; }},
        {"last row cut off", [](std::string& b) { b.pop_back(); }},
        {"headers only", [](std::string& b) { b.resize(54); }},
        {"stated size beyond the file",
         [&](std::string& b) { putU32(b, 2, static_cast<std::uint32_t>(b.size() + 1)); }},
        {"pixel rows after the end", [&](std::string& b) { putU32(b, 10, static_cast<std::uint32_t>(b.size())); }},
        {"pixel rows inside the headers", [](std::string& b) { putU32(b, 10, 20); }},
        {"pixel offset near 4 GB", [](std::string& b) { putU32(b, 10, 0xFFFFFFF0u); }},
        {"core header", [](std::string& b) { putU32(b, 14, 12); }},
        {"header larger than the file", [](std::string& b) { putU32(b, 14, 0x7FFFFFFFu); }},
        {"no width", [](std::string& b) { putU32(b, 18, 0); }},
        {"negative width", [](std::string& b) { putU32(b, 18, static_cast<std::uint32_t>(-8)); }},
        {"no height", [](std::string& b) { putU32(b, 22, 0); }},
        {"more rows than bytes", [](std::string& b) { putU32(b, 22, 9); }},
        {"oversized width", [](std::string& b) { putU32(b, 18, 100000); }},
        {"oversized top-down height", [](std::string& b) { putU32(b, 22, static_cast<std::uint32_t>(-100000)); }},
        {"smallest height", [](std::string& b) { putU32(b, 22, 0x80000000u); }},
        {"two planes", [](std::string& b) { putU16(b, 26, 2); }},
        {"16 bits per pixel", [](std::string& b) { putU16(b, 28, 16); }},
        {"2 bits per pixel", [](std::string& b) { putU16(b, 28, 2); }},
        {"8 bits per pixel in a 1-bit file", [](std::string& b) { putU16(b, 28, 8); }},
        {"run-length compressed", [](std::string& b) { putU32(b, 30, 1); }},
    };
    for (const Case& c : cases) {
        std::string bytes = valid;
        c.spoil(bytes);
        MonochromeBitmap bitmap = bitmapOf(2, 2, [](int, int) { return true; });
        EXPECT_FALSE(decodeBitmap(bytes, bitmap)) << c.name;
        EXPECT_EQ(bitmap.width, 2) << c.name << ": the bitmap must stay as it was";
    }
}

TEST(BitmapFile, EveryCutOfAFileAndEveryDamagedHeaderByteIsSurvived)
{
    const std::string valid = bitmapFile(13, 7, 8, std::vector<std::uint32_t>(256, 0x808080),
                                         [](int x, int y) { return static_cast<std::uint32_t>(x * y); });
    MonochromeBitmap bitmap;
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(decodeBitmap(std::string_view(valid).substr(0, length), bitmap)) << length;
    for (std::size_t at = 0; at < 54; ++at) {
        for (const unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::string bytes = valid;
            bytes[at] = static_cast<char>(value);
            decodeBitmap(bytes, bitmap);
        }
    }
}

TEST(BitmapFile, PatternFilesAreNamedByNumberInTheFolderOfTheChosenSet)
{
    LogSettings settings;
    settings.patternFolder = "C:\\Ostrand\\Qelm3\\Jbptn";
    EXPECT_EQ(patternBitmapPath(settings, 1100), "C:\\Ostrand\\Qelm3\\Jbptn\\J1100.BMP");
    settings.bitmapMono = 1;
    EXPECT_EQ(patternBitmapPath(settings, 3), "C:\\Ostrand\\Qelm3\\Jbptn01\\J3.BMP");
    settings.patternFolder = "C:\\Jbptn\\";
    EXPECT_EQ(patternBitmapPath(settings, 10100), "C:\\Jbptn01\\J10100.BMP");
}

TEST(BitmapFile, PatternFilesAreFoundWithoutRegardToCase)
{
    LogSettings settings;
    const test::PatternTestFolder folder(settings);
    folder.addFile("j1100.bmp", encodeBitmap(test::squareBitmap(12)));
    folder.addBitmap(50, test::squareBitmap(6), "01");
    MonochromeBitmap bitmap;
    ASSERT_TRUE(readPatternBitmap(settings, 1100, bitmap));
    EXPECT_EQ(bitmap.width, 12);
    EXPECT_FALSE(readPatternBitmap(settings, 50, bitmap));
    settings.bitmapMono = 1;
    ASSERT_TRUE(readPatternBitmap(settings, 50, bitmap));
    EXPECT_EQ(bitmap.width, 6);
    EXPECT_FALSE(readPatternBitmap(settings, 1100, bitmap));
}

}  // namespace
}  // namespace kolv
