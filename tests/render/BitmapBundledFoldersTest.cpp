// The pattern bitmaps of the bundled installation folder: every number the
// layers of a new installation can ask for has its file in both folders.
#include "platform/FileIo.h"
#include "render/BitmapFile.h"
#include "render/VectorFigures.h"
#include "settings/SoilNameMasterFile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kolv {
namespace {

const std::string installFolder = KOLV_BUNDLED_INSTALL_DIR;

// Every pattern number of the bitmap set of the bundled soil-name master, as
// the layers' codes take them apart: whole names as they are, the others as
// base, tens and ones.
std::set<long> bitmapNumbersOfTheMaster()
{
    std::string bytes;
    EXPECT_TRUE(readFileBytes(installFolder + "/WdtvJCA.mst", bytes));
    SoilNameMaster master;
    readSoilNameMaster(master, bytes, 1);
    std::set<long> numbers;
    for (const SoilNameRow& row : master.rows) {
        const long number = row.patternNumber[1];
        if (number <= 0)
            continue;
        if (number >= 10000 && number < 20000) {
            numbers.insert(number);
            continue;
        }
        for (const long part : {number / 100 % 100 * 100, number / 10 % 10 * 10, number % 10})
            if (part > 0)
                numbers.insert(part);
    }
    return numbers;
}

TEST(BitmapBundledFolders, EveryVectorFigureAndEveryNameOfTheMasterHasItsBitmapInBothFolders)
{
    std::set<long> numbers(vectorFigureNumbers().begin(), vectorFigureNumbers().end());
    const std::set<long> ofMaster = bitmapNumbersOfTheMaster();
    ASSERT_GT(ofMaster.size(), 50u);
    numbers.insert(ofMaster.begin(), ofMaster.end());
    for (const char* folder : {"/Jbptn/J", "/Jbptn01/J"}) {
        for (const long number : numbers) {
            MonochromeBitmap bitmap;
            ASSERT_TRUE(readBitmapFile(installFolder + folder + std::to_string(number) + ".BMP", bitmap))
                << folder << number;
            EXPECT_EQ(bitmap.width, 96) << number;
            EXPECT_EQ(bitmap.height, 96) << number;
            int black = 0;
            for (int y = 0; y < bitmap.height; ++y)
                for (int x = 0; x < bitmap.width; ++x)
                    black += bitmap.pixelIsWhite(x, y) ? 0 : 1;
            EXPECT_GT(black, 0) << number;
            EXPECT_LT(black, bitmap.width * bitmap.height * 2 / 3) << number << ": a pattern, not a blot";
        }
    }
}

}  // namespace
}  // namespace kolv
