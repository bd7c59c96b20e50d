#include "FormatTestSupport.h"
#include "formats/FormatDetection.h"
#include "formats/NativeWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kolv;

namespace {

std::vector<std::string> sampleFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KOLV_SOURCE_DIR) + "/share/samples"))
        if (entry.path().extension() == ".vla")
            files.push_back(entry.path().string());
    return files;
}

}  // namespace

TEST(SampleFiles, WriteReadWriteGivesTheSameBytes)
{
    const std::vector<std::string> files = sampleFiles();
    ASSERT_GE(files.size(), 2u);
    const SoilNameMaster noMaster;
    for (const std::string& file : files) {
        const std::string bytes = kolv::test::readFile(file);
        // The layers carry their display flags, so their pattern codes do not
        // depend on the master they are read with.
        for (const SoilNameMaster* master : {&kolv::test::smallMaster(), &noMaster}) {
            BoringData data = kolv::test::readText(bytes, FormatCode::Native, *master);
            const std::string written = writeNativeFile(data);
            EXPECT_EQ(written, bytes) << file << ": the sample is saved as the program saves it";
            BoringData again = kolv::test::readText(written, FormatCode::Native, *master);
            EXPECT_EQ(writeNativeFile(again), written) << file;
        }
        const BoringData data = kolv::test::readText(bytes, FormatCode::Native);
        EXPECT_GT(occupiedRowCount(data.layerRows), 4) << file;
        EXPECT_GT(occupiedRowCount(data.sptRows), 10) << file;
        EXPECT_GT(occupiedRowCount(data.waterLevelRows), 0) << file;
    }
}
