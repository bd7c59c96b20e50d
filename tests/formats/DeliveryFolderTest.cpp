#include "formats/DeliveryFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kolv;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

namespace {

std::string fixture(const std::string& name)
{
    return std::string(KOLV_FIXTURE_DIR) + "/delivery/" + name;
}

bool mentions(const std::vector<std::string>& problems, const std::string& text)
{
    for (const std::string& problem : problems)
        if (problem.find(text) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST(SexagesimalAngle, DecimalDegreesAndTheValuesThatAreNoAngle)
{
    struct Case {
        SexagesimalAngle angle;
        double limit;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {{"135", "44", "23.8800"}, largestLongitude, 135 + 44 / 60.0 + 23.88 / 3600.0},
        {{"36", "00", "02.7634"}, largestLatitude, 36 + 2.7634 / 3600.0},
        {{" 35 ", "29", "55.67"}, largestLatitude, 35 + 29 / 60.0 + 55.67 / 3600.0},
        {{"35", "75", "55.67"}, largestLatitude, std::nullopt},
        {{"35", "29", "60"}, largestLatitude, std::nullopt},
        {{"35", "-1", "5"}, largestLatitude, std::nullopt},
        {{"91", "0", "0"}, largestLatitude, std::nullopt},
        {{"35", "", "5"}, largestLatitude, std::nullopt},
        {{"三五", "29", "5"}, largestLatitude, std::nullopt},
        {{"35.5x", "29", "5"}, largestLatitude, std::nullopt},
    };
    for (const Case& test : cases) {
        const std::optional<double> value = test.angle.decimal(test.limit);
        ASSERT_EQ(value.has_value(), test.expected.has_value()) << test.angle.text();
        if (value) {
            EXPECT_NEAR(*value, *test.expected, 1e-12) << test.angle.text();
        }
    }
}

TEST(GeodeticDatum, CodesAsTheFilesWriteThem)
{
    EXPECT_EQ(geodeticDatumOfCode("0"), GeodeticDatum::Tokyo);
    EXPECT_EQ(geodeticDatumOfCode("1"), GeodeticDatum::Jgd2000);
    EXPECT_EQ(geodeticDatumOfCode("01"), GeodeticDatum::Jgd2000);
    EXPECT_EQ(geodeticDatumOfCode("02"), GeodeticDatum::Jgd2011);
    EXPECT_EQ(geodeticDatumOfCode("3"), GeodeticDatum::Unknown);
    EXPECT_EQ(geodeticDatumOfCode(""), GeodeticDatum::Unknown);
    EXPECT_EQ(geodeticDatumOfCode("1a"), GeodeticDatum::Unknown);
}

TEST(DeliveryFolder, ReadsEveryEntryAndReportsTheMissingFileAndTheBadLatitude)
{
    DeliveryFolder delivery;
    std::string error;
    ASSERT_EQ(readDeliveryFolder(fixture("planted"), delivery, error), DeliveryReadStatus::Read) << error;
    EXPECT_EQ(delivery.dtdVersion, "2.00");
    EXPECT_EQ(delivery.dtdFileName, "BRG0200.DTD");
    ASSERT_EQ(delivery.boreholes.size(), 3u);

    const DeliveryBorehole& first = delivery.boreholes[0];
    EXPECT_EQ(first.name, "No.1");
    EXPECT_EQ(first.serial, "1");
    EXPECT_NEAR(*first.longitudeDegrees(), 135 + 44 / 60.0 + 23.88 / 3600.0, 1e-12);
    EXPECT_NEAR(*first.latitudeDegrees(), 35 + 29 / 60.0 + 55.67 / 3600.0, 1e-12);
    EXPECT_EQ(first.datum(), GeodeticDatum::Jgd2011);
    EXPECT_DOUBLE_EQ(*first.elevation(), 1.82);
    EXPECT_DOUBLE_EQ(*first.drilledLength(), 6.0);
    EXPECT_EQ(first.logFileName, "BRG0001.PDF");
    EXPECT_EQ(first.simplifiedLogFileName, "BRG0001.SFC");
    EXPECT_EQ(std::filesystem::path(first.exchangeFilePath).filename(), "BED0001.XML");
    EXPECT_TRUE(first.problems.empty()) << first.problems.front();

    const DeliveryBorehole& third = delivery.boreholes[2];
    EXPECT_TRUE(third.exchangeFilePath.empty());
    EXPECT_FALSE(third.latitudeDegrees());
    EXPECT_TRUE(mentions(third.problems, "DATA/BED0003.XML is missing"));
    EXPECT_TRUE(mentions(third.problems, "latitude"));
}

TEST(DeliveryFolder, FindsFilesWhateverTheirCaseAndRefusesWhatIsNoManagementFile)
{
    TemporaryFolder folder;
    std::filesystem::create_directories(folder.file("data"));
    writeFile(folder.file("boring.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BORING DTD_version=\"1.50\"><ボーリング情報>"
              "<ボーリング名>B-1</ボーリング名><掘進長>12.5</掘進長><測地系>x</測地系>"
              "<ボーリング交換用データ><ボーリング交換用データファイル名>BED0001.XML"
              "</ボーリング交換用データファイル名></ボーリング交換用データ></ボーリング情報></BORING>\n");
    writeFile(folder.file("data/bed0001.xml"), "<ボーリング情報/>");
    DeliveryFolder delivery;
    std::string error;
    ASSERT_EQ(readDeliveryFolder(folder.path(), delivery, error), DeliveryReadStatus::Read) << error;
    ASSERT_EQ(delivery.boreholes.size(), 1u);
    const DeliveryBorehole& borehole = delivery.boreholes.front();
    EXPECT_EQ(std::filesystem::path(borehole.exchangeFilePath).filename(), "bed0001.xml");
    EXPECT_DOUBLE_EQ(*borehole.drilledLength(), 12.5);
    EXPECT_TRUE(mentions(borehole.problems, "no longitude"));
    EXPECT_TRUE(mentions(borehole.problems, "geodetic datum \"x\""));
    EXPECT_TRUE(mentions(borehole.problems, "no collar elevation"));

    struct Case {
        std::string path;
        DeliveryReadStatus status;
    };
    writeFile(folder.file("broken.xml"), "<BORING DTD_version=\"2.00\"><ボーリング情報></BORING>");
    std::filesystem::create_directories(folder.file("empty"));
    const Case refusals[] = {
        {folder.file("empty"), DeliveryReadStatus::NoManagementFile},
        {folder.file("data/bed0001.xml"), DeliveryReadStatus::NotManagementFile},
        {folder.file("broken.xml"), DeliveryReadStatus::NotWellFormed},
        {folder.file("nothing.xml"), DeliveryReadStatus::NoManagementFile},
    };
    for (const Case& refusal : refusals) {
        error.clear();
        EXPECT_EQ(readDeliveryFolder(refusal.path, delivery, error), refusal.status) << refusal.path;
        EXPECT_FALSE(error.empty()) << refusal.path;
    }
}

TEST(DeliveryFolder, CorpusDeliveriesOfEveryVersionRead)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus";
    struct Case {
        const char* folder;
        const char* version;
        std::size_t boreholes;
        std::size_t missingFiles;
    };
    const Case cases[] = {
        {"18000103101301603", "1.50", 1, 0},
        {"18000230651901371", "1.50", 5, 1},
        {"18000230652004105", "2.00", 4, 0},
        {"18000230960903672", "1.50", 3, 0},
    };
    for (const Case& test : cases) {
        const std::string path = test::corpusDir() + "/xml-real/geofukui-jiban-opendata/" + test.folder;
        DeliveryFolder delivery;
        std::string error;
        ASSERT_EQ(readDeliveryFolder(path, delivery, error), DeliveryReadStatus::Read) << path << ": " << error;
        EXPECT_EQ(delivery.dtdVersion, test.version) << path;
        ASSERT_EQ(delivery.boreholes.size(), test.boreholes) << path;
        std::size_t missing = 0;
        for (const DeliveryBorehole& borehole : delivery.boreholes) {
            missing += borehole.exchangeFilePath.empty();
            EXPECT_FALSE(borehole.name.empty()) << path;
            ASSERT_TRUE(borehole.longitudeDegrees()) << path << " " << borehole.name;
            ASSERT_TRUE(borehole.latitudeDegrees()) << path << " " << borehole.name;
            // Every delivery of the corpus lies in Fukui prefecture.
            EXPECT_NEAR(*borehole.longitudeDegrees(), 136.0, 1.0) << path;
            EXPECT_NEAR(*borehole.latitudeDegrees(), 35.8, 0.6) << path;
            EXPECT_NE(borehole.datum(), GeodeticDatum::Unknown) << path;
            EXPECT_TRUE(borehole.drilledLength()) << path;
            EXPECT_EQ(borehole.logFileName.substr(0, 3), "BRG") << path;
        }
        EXPECT_EQ(missing, test.missingFiles) << path;
    }
}

TEST(DeliveryFolder, NamesThatLeadOutOfTheirFolderAreNoFileNames)
{
    EXPECT_TRUE(isPlainFileName("BED0001.XML"));
    EXPECT_TRUE(isPlainFileName("BRG0001.PDF"));
    for (const char* name : {"", ".", "..", "../BED0001.XML", "/etc/passwd", "DATA\\BED0001.XML", "C:BED0001.XML"})
        EXPECT_FALSE(isPlainFileName(name)) << name;
}
