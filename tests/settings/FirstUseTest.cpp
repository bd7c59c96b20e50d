#include "platform/FirstUse.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kolv;
using kolv::test::readFile;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

TEST(FirstUse, CopiesTheBundledFolderWithoutOverwritingTheUsersFiles)
{
    TemporaryFolder bundled;
    std::filesystem::create_directories(bundled.file("Jbptn"));
    writeFile(bundled.file("Sys.ndx"), "bundled settings");
    writeFile(bundled.file("M.mst"), "bundled engineers");
    writeFile(bundled.file("C.mst"), "bundled tones");
    writeFile(bundled.file("Jbptn/J100.BMP"), "bitmap");

    TemporaryFolder root;
    const std::string install = defaultInstallationFolder(root.path());
    EXPECT_EQ(install, root.file("drive_c/Ostrand/Qelm3"));
    std::filesystem::create_directories(install);
    writeFile(install + "/M.mst", "my engineers");
    writeFile(install + "/c.MST", "my tones");

    ASSERT_TRUE(copyBundledInstallation(bundled.path(), root.path()));
    EXPECT_EQ(readFile(install + "/Sys.ndx"), "bundled settings");
    EXPECT_EQ(readFile(install + "/Jbptn/J100.BMP"), "bitmap");
    EXPECT_EQ(readFile(install + "/M.mst"), "my engineers");
    EXPECT_EQ(readFile(install + "/c.MST"), "my tones");
    EXPECT_FALSE(std::filesystem::exists(install + "/C.mst")) << "c.MST is the user's tone master";

    writeFile(install + "/Sys.ndx", "my settings");
    ASSERT_TRUE(copyBundledInstallation(bundled.path(), root.path()));
    EXPECT_EQ(readFile(install + "/Sys.ndx"), "my settings");
    EXPECT_FALSE(copyBundledInstallation(bundled.file("missing"), root.path()));
}
