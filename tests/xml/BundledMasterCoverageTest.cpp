// The bundled soil-name master against the names public exchange files use:
// the rock and deposit names common there, and every layer of the corpus.
#include "ExchangeFile.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Cp932Codec.h"
#include "settings/SoilNameMasterFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace kolv {
namespace {

using test::corpusAvailable;
using test::corpusDir;
using test::readFile;
using test::sjis;
using test::utf8;

const SoilNameMaster& bundledMaster()
{
    static const SoilNameMaster master = [] {
        SoilNameMaster loaded;
        const std::string bytes = readFile(std::string(KOLV_BUNDLED_INSTALL_DIR) + "/WdtvJCA.mst");
        readSoilNameMaster(loaded, bytes, vectorPatternSet);
        readSoilNameMaster(loaded, bytes, bitmapPatternSet);
        return loaded;
    }();
    return master;
}

TEST(BundledMasterCoverage, RockAndDepositNamesOfPublicFilesHaveTheirCustomaryPatterns)
{
    struct Case {
        const char* name;
        long major;  // the same on both sets
    };
    const Case cases[] = {
        // Rock classes: the hard ones in plain courses, soft rock weathered.
        {"岩盤", 1700},
        {"硬岩", 1700},
        {"中硬岩", 1700},
        {"軟岩", 8100},
        {"強風化岩", 8200},
        {"風化岩", 8100},
        {"軟岩、風化岩", 8100},
        // Rocks by kind.
        {"緑色岩", 2500},
        {"混在岩", 1100},
        {"かんらん岩", 2800},
        {"火砕岩", 3300},
        {"風化火砕岩", 3300},
        {"強風化泥岩", 1100},
        {"砂岩頁岩互層", 91221},
        {"砂岩泥岩互層", 91211},
        {"岩塊", 900},
        // Talus, terrace and river deposits.
        {"崖錐", 5100},
        {"崖錐堆積物", 5100},
        {"崖錐性堆積物", 5100},
        {"崩積土", 5100},
        {"土石流堆積物", 5100},
        {"段丘堆積物", 200},
        {"河床堆積物", 200},
        {"玉石混じり砂礫", 201},
        // Made ground and the rest.
        {"人工材料", 800},
        {"埋戻し土", 800},
        {"表層", 6400},
        {"不明", 6800},
        // Names the master lacks take their family's pattern.
        {"扇状地堆積物", 200},
        {"蛇紋岩化かんらん岩", 2800},
        {"珪質岩", 1700},
        {"風化土", 4400},
        {"珪長岩（貫入岩）", 1700},
    };
    for (const Case& c : cases) {
        for (int set : {vectorPatternSet, bitmapPatternSet}) {
            const SoilPattern pattern = lookupSoilPattern(sjis(c.name), {}, bundledMaster(), set);
            EXPECT_EQ(pattern.major, c.major) << c.name << " on set " << set;
            EXPECT_FALSE(pattern.symbol.empty()) << c.name;
        }
    }
    // Fill with a note: the crushed stone on the vector set, the fill's own
    // bitmap on the other.
    EXPECT_EQ(lookupSoilPattern(sjis("盛土(砕石)"), {}, bundledMaster(), vectorPatternSet).major, 6300);
    EXPECT_EQ(lookupSoilPattern(sjis("盛土(砕石)"), {}, bundledMaster(), bitmapPatternSet).major, 10091);
}

std::vector<std::string> corpusExchangeFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir())) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".xml" && entry.path().filename() != "BORING.XML")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every named layer of every corpus file gets a pattern on both sets: the
// bitmap code the import writes and the vector code the view computes.
TEST(BundledMasterCoverage, EveryLayerNameOfTheCorpusHasAPattern)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    int namedLayers = 0;
    for (const std::string& path : corpusExchangeFiles()) {
        SCOPED_TRACE(path);
        auto opened = test::openExchangeFile(path, bundledMaster());
        if (opened->status != OpenStatus::Opened)
            continue;
        BoringData& data = opened->data;
        rebuildVectorCodes(data, bundledMaster());
        for (int row = 1; row <= occupiedRowCount(data.layerRows); ++row) {
            for (const auto& [nameCell, bitmapCell, vectorCell] :
                 {std::tuple{LayerCell::Name, LayerCell::PatternCode, LayerCell::VectorPatternCode},
                  std::tuple{LayerCell::AuxiliaryName, LayerCell::AuxiliaryPatternCode,
                             LayerCell::AuxiliaryVectorPatternCode}}) {
                const std::string& name = data.layerRows.cell(row, nameCell);
                if (skipLeadingBlanks(name).empty())
                    continue;
                ++namedLayers;
                EXPECT_GT(std::atol(data.layerRows.cell(row, bitmapCell).c_str()), 0) << utf8(name);
                EXPECT_GT(std::atol(data.layerRows.cell(row, vectorCell).c_str()), 0) << utf8(name);
            }
        }
    }
    EXPECT_GT(namedLayers, 250);
}

}  // namespace
}  // namespace kolv
