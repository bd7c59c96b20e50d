#include "render/BitmapFile.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "settings/SettingsStore.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace kolv {

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr std::uint32_t uncompressed = 0;

// Colours at or above this luminance (of 255) count as the white paper.
constexpr int whiteLuminance = 160;

std::uint32_t readU32(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

std::uint16_t readU16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at])
                                      | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::int32_t readI32(std::string_view bytes, std::size_t at)
{
    return static_cast<std::int32_t>(readU32(bytes, at));
}

void appendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void appendU16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

bool isWhite(unsigned blue, unsigned green, unsigned red)
{
    return 299 * red + 587 * green + 114 * blue >= 1000u * whiteLuminance;
}

int monochromeStride(int width)
{
    return (width + 31) / 32 * 4;
}

void setWhite(MonochromeBitmap& bitmap, int x, int y)
{
    bitmap.bits[static_cast<std::size_t>(y) * bitmap.stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
}

// Folder name without a trailing separator, so "01" lands on the name itself.
std::string folderWithoutTrailingSeparator(std::string folder)
{
    while (endsWithText(folder, "\\") || endsWithText(folder, "/"))
        folder.pop_back();
    return folder;
}

}  // namespace

bool decodeBitmap(std::string_view bytes, MonochromeBitmap& bitmap)
{
    if (bytes.size() < fileHeaderSize + infoHeaderSize || bytes.size() > bitmapFileSizeLimit)
        return false;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint64_t statedFileSize = readU32(bytes, 2);
    const std::uint64_t dataOffset = readU32(bytes, 10);
    const std::uint64_t headerSize = readU32(bytes, 14);
    // A file shorter than it says it is was cut off; 0 means "not given".
    if (statedFileSize != 0 && statedFileSize > bytes.size())
        return false;
    if (headerSize < infoHeaderSize || fileHeaderSize + headerSize > bytes.size())
        return false;

    const std::int32_t width = readI32(bytes, 18);
    const std::int32_t signedHeight = readI32(bytes, 22);
    const std::uint16_t planes = readU16(bytes, 26);
    const std::uint16_t bitCount = readU16(bytes, 28);
    const std::uint32_t compression = readU32(bytes, 30);
    const std::uint32_t coloursUsed = readU32(bytes, 46);
    if (width < 1 || width > bitmapSideLimit || signedHeight == 0 || signedHeight < -bitmapSideLimit
        || signedHeight > bitmapSideLimit)
        return false;
    if (planes != 1 || compression != uncompressed)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return false;
    const bool bottomUp = signedHeight > 0;
    const int height = bottomUp ? signedHeight : -signedHeight;

    // The colour table follows the information header.
    std::array<bool, 256> paletteWhite{};
    std::uint64_t paletteEntries = 0;
    if (bitCount <= 8) {
        const std::uint32_t fullPalette = 1u << bitCount;
        paletteEntries = coloursUsed >= 1 && coloursUsed <= fullPalette ? coloursUsed : fullPalette;
        const std::uint64_t paletteStart = fileHeaderSize + headerSize;
        if (paletteStart + 4 * paletteEntries > bytes.size())
            return false;
        for (std::uint64_t entry = 0; entry < paletteEntries; ++entry) {
            const std::size_t at = static_cast<std::size_t>(paletteStart + 4 * entry);
            paletteWhite[static_cast<std::size_t>(entry)] =
                isWhite(static_cast<unsigned char>(bytes[at]), static_cast<unsigned char>(bytes[at + 1]),
                        static_cast<unsigned char>(bytes[at + 2]));
        }
    }

    // The pixel rows must lie after the headers and inside the file.
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    if (dataOffset < fileHeaderSize + headerSize + 4 * paletteEntries)
        return false;
    if (dataOffset + rowBytes * static_cast<std::uint64_t>(height) > bytes.size())
        return false;

    MonochromeBitmap decoded;
    decoded.width = width;
    decoded.height = height;
    decoded.stride = monochromeStride(width);
    decoded.bits.assign(static_cast<std::size_t>(decoded.stride) * height, 0);
    for (int row = 0; row < height; ++row) {
        const int y = bottomUp ? height - 1 - row : row;
        const std::size_t rowStart = static_cast<std::size_t>(dataOffset + rowBytes * static_cast<std::uint64_t>(row));
        for (int x = 0; x < width; ++x) {
            bool white = false;
            if (bitCount == 24 || bitCount == 32) {
                const std::size_t at = rowStart + static_cast<std::size_t>(x) * (bitCount / 8);
                white = isWhite(static_cast<unsigned char>(bytes[at]), static_cast<unsigned char>(bytes[at + 1]),
                                static_cast<unsigned char>(bytes[at + 2]));
            } else {
                const std::size_t bitPosition = static_cast<std::size_t>(x) * bitCount;
                const unsigned byte = static_cast<unsigned char>(bytes[rowStart + bitPosition / 8]);
                const unsigned shift = 8 - bitCount - bitPosition % 8;
                const unsigned index = (byte >> shift) & ((1u << bitCount) - 1);
                // An index past a shortened colour table has no colour: ink.
                white = index < paletteEntries && paletteWhite[index];
            }
            if (white)
                setWhite(decoded, x, y);
        }
    }
    bitmap = std::move(decoded);
    return true;
}

std::string encodeBitmap(const MonochromeBitmap& bitmap)
{
    const int rowBytes = monochromeStride(bitmap.width);
    const std::uint32_t dataOffset = fileHeaderSize + infoHeaderSize + 2 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes) * static_cast<std::uint32_t>(bitmap.height);
    std::string out;
    out.reserve(dataOffset + imageSize);
    out += "BM";
    appendU32(out, dataOffset + imageSize);
    appendU32(out, 0);
    appendU32(out, dataOffset);
    appendU32(out, infoHeaderSize);
    appendU32(out, static_cast<std::uint32_t>(bitmap.width));
    appendU32(out, static_cast<std::uint32_t>(bitmap.height));
    appendU16(out, 1);
    appendU16(out, 1);
    appendU32(out, uncompressed);
    appendU32(out, imageSize);
    appendU32(out, 2835);  // 72 dpi, as most editors write
    appendU32(out, 2835);
    appendU32(out, 2);
    appendU32(out, 2);
    appendU32(out, 0x00000000);  // index 0: black
    appendU32(out, 0x00FFFFFF);  // index 1: white
    for (int y = bitmap.height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(rowBytes), '\0');
        for (int x = 0; x < bitmap.width; ++x)
            if (bitmap.pixelIsWhite(x, y))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

bool readBitmapFile(const std::string& hostPath, MonochromeBitmap& bitmap)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(hostPath, error);
    if (error || size > bitmapFileSizeLimit)
        return false;
    std::string bytes;
    return readFileBytes(hostPath, bytes) && decodeBitmap(bytes, bitmap);
}

std::string patternBitmapFolder(const LogSettings& settings)
{
    std::string folder = folderWithoutTrailingSeparator(settings.patternFolder);
    if (settings.bitmapMono != 0)
        folder += "01";
    return folder;
}

std::string patternBitmapPath(const LogSettings& settings, long number)
{
    return patternBitmapFolder(settings) + formatText("\\J%ld.BMP", number);
}

bool readPatternBitmap(const LogSettings& settings, long number, MonochromeBitmap& bitmap)
{
    return readBitmapFile(hostPathOf(settings, patternBitmapPath(settings, number)), bitmap);
}

std::shared_ptr<const MonochromeBitmap> patternBitmap(const LogSettings& settings, long number)
{
    // The data root decides which host folder the Windows-style one is.
    const std::string folder = settings.dataRoot + '|' + patternBitmapFolder(settings);
    return settings.patternBitmaps->bitmap(
        folder, number, [&](MonochromeBitmap& bitmap) { return readPatternBitmap(settings, number, bitmap); });
}

}  // namespace kolv
