#pragma once
// The pattern bitmaps "J<number>.BMP" of the pattern folder: Windows
// device-independent bitmaps (file header, information header, colour table,
// pixel rows), reduced to monochrome when they carry colours. The files come
// from users and other programs, so every size and offset of the headers is
// checked against the bytes really present: a truncated, oversized or lying
// file is refused as a whole and nothing is read out of bounds.
#include "render/LogDevice.h"
#include "settings/LogSettings.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace kolv {

// Anything larger is not a pattern: a side of more pixels, or a file of more
// bytes, is refused before it is read.
inline constexpr int bitmapSideLimit = 2048;
inline constexpr std::size_t bitmapFileSizeLimit = 16 * 1024 * 1024;

// Decodes an uncompressed bitmap of 1, 4, 8, 24 or 32 bits per pixel, rows
// bottom-up or top-down. A pixel is black when its colour is darker than a
// light tint (luminance below 160 of 255), so colour patterns keep their
// marks and lose their pale fills. False, with bitmap untouched, for anything
// malformed.
bool decodeBitmap(std::string_view bytes, MonochromeBitmap& bitmap);

// A 1-bit bitmap file (palette black, white; rows bottom-up) of the bitmap.
std::string encodeBitmap(const MonochromeBitmap& bitmap);

// Reads and decodes a bitmap file of the host.
bool readBitmapFile(const std::string& hostPath, MonochromeBitmap& bitmap);

// Windows-style folder of the pattern bitmaps: the pattern folder, with "01"
// appended to its name for the monochrome set.
std::string patternBitmapFolder(const LogSettings& settings);

// Windows-style path of the bitmap of a pattern number: the pattern folder,
// with "01" appended to its name for the monochrome set, then "\J%ld.BMP".
std::string patternBitmapPath(const LogSettings& settings, long number);

// Reads the bitmap of a pattern number from the pattern folder (the file
// name is matched without regard to case, "J1100.BMP" finds "j1100.bmp").
// Always reads the file: for checking which files are there.
bool readPatternBitmap(const LogSettings& settings, long number, MonochromeBitmap& bitmap);

// The bitmap of a pattern number as drawing uses it: read once, then taken
// from the reference data's cache (see settings/PatternBitmapCache.h);
// nullptr when the file is missing or unreadable.
std::shared_ptr<const MonochromeBitmap> patternBitmap(const LogSettings& settings, long number);

}  // namespace kolv
