#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sys/wait.h>

using kolv::test::readFile;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

namespace {

struct DeliveryRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

DeliveryRun runCli(const std::vector<std::string>& arguments)
{
    TemporaryFolder folder;
    std::string command = "'" + std::string(KOLV_CLI_PATH) + "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " >'" + folder.file("out") + "' 2>'" + folder.file("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder.file("out")), readFile(folder.file("err"))};
}

// A copy of a fixture delivery in a temporary folder, so that runs may write.
std::string copyOfFixture(const TemporaryFolder& folder, const std::string& name)
{
    const std::string copy = folder.file(name);
    std::filesystem::copy(std::string(KOLV_FIXTURE_DIR) + "/delivery/" + name, copy,
                          std::filesystem::copy_options::recursive);
    return copy;
}

std::set<std::string> filesUnder(const std::string& folder)
{
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files.insert(entry.path().string());
    return files;
}

bool isPdf(const std::string& path)
{
    return readFile(path).rfind("%PDF-", 0) == 0;
}

std::string corpusDelivery(const char* name)
{
    return kolv::test::corpusDir() + "/xml-real/geofukui-jiban-opendata/" + name;
}

}  // namespace

TEST(DeliveryCli, WritesTheLogsUnderTheDeliverysNamesAndReportsEveryBorehole)
{
    TemporaryFolder folder;
    const std::string delivery = copyOfFixture(folder, "planted");
    const DeliveryRun run = runCli({"delivery", delivery, "-j", "2"});
    // No.3's exchange file is missing: reported, the others are drawn.
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("DATA/BED0003.XML is missing"), std::string::npos) << run.err;
    EXPECT_TRUE(isPdf(delivery + "/LOG/BRG0001.PDF"));
    EXPECT_TRUE(isPdf(delivery + "/LOG/BRG0002.PDF"));
    EXPECT_FALSE(std::filesystem::exists(delivery + "/LOG/BRG0003.PDF"));
    // The report: one row per borehole with its outcome and problems.
    EXPECT_NE(run.out.find("No.1\tBED0001.XML\tBRG0001.PDF\t6.00\t2\t1\t1\twritten\tnone"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("the collar elevation differs"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("BRG0003.PDF\t-\t0\t0\t0\tfailed"), std::string::npos) << run.out;
    const std::string html = readFile(delivery + "/LOG/report.html");
    EXPECT_NE(html.find("<a href=\"BRG0002.PDF\">"), std::string::npos);
    EXPECT_NE(html.find("src=\"data:image/png;base64,iVBORw0KGgo"), std::string::npos);
    EXPECT_NE(html.find("DATA/BED0003.XML is missing"), std::string::npos);
    EXPECT_NE(html.find("</html>"), std::string::npos);

    // Logs that exist are kept, unless --force.
    writeFile(delivery + "/LOG/BRG0001.PDF", "the delivered log");
    const std::string other = folder.file("other");
    EXPECT_EQ(runCli({"delivery", delivery + "/BORING.XML"}).exitCode, 3);
    EXPECT_EQ(readFile(delivery + "/LOG/BRG0001.PDF"), "the delivered log");
    EXPECT_EQ(runCli({"delivery", delivery, "--out", other}).exitCode, 3);
    EXPECT_TRUE(isPdf(other + "/BRG0001.PDF"));
    EXPECT_TRUE(std::filesystem::exists(other + "/report.html"));
    EXPECT_EQ(readFile(delivery + "/LOG/BRG0001.PDF"), "the delivered log");
    EXPECT_EQ(runCli({"delivery", delivery, "--force"}).exitCode, 3);
    EXPECT_TRUE(isPdf(delivery + "/LOG/BRG0001.PDF"));
}

TEST(DeliveryCli, CheckFindsEveryPlantedFaultAndNothingInACleanDelivery)
{
    TemporaryFolder folder;
    const std::string planted = copyOfFixture(folder, "planted");
    const std::string clean = copyOfFixture(folder, "clean");
    const std::set<std::string> before = filesUnder(folder.path());

    const DeliveryRun found = runCli({"delivery", planted, "--check"});
    EXPECT_EQ(found.exitCode, 1) << found.err;
    struct Finding {
        const char* file;
        const char* text;
    };
    const Finding expected[] = {
        {"DATA/BED0002.XML", "not valid against BED0400.DTD"},
        {"DATA/BED0002.XML", "line 33: No declaration for element 調査メモ"},
        {"DATA/BED0002.XML", "the borehole name differs: \"No.2a\" in the exchange file, \"No.2\" in BORING.XML"},
        {"DATA/BED0002.XML", "the longitude differs"},
        {"DATA/BED0002.XML", "the collar elevation differs: 2.75 m in the exchange file, 1.75 m in BORING.XML"},
        {"DATA/BED0002.XML", "the drilled length differs: 9.00 m in the exchange file, 8.00 m in BORING.XML"},
        {"DATA/BED0002.XML", "full-width letters or digits"},
        {"BORING.XML (No.3)", "the exchange file DATA/BED0003.XML is missing"},
        {"BORING.XML (No.3)", "the latitude 35°75'57.0000\" is no angle"},
        {"DATA/BED0009.XML", "an exchange file that BORING.XML does not name"},
    };
    for (const Finding& finding : expected)
        EXPECT_NE(found.out.find(planted + "/" + finding.file + ": " + finding.text), std::string::npos)
            << finding.file << ": " << finding.text << "\n"
            << found.out;
    EXPECT_EQ(found.out.find("BED0001.XML:"), std::string::npos) << found.out;

    const DeliveryRun quiet = runCli({"delivery", clean, "--check"});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.out << quiet.err;
    EXPECT_EQ(quiet.out, "");
    EXPECT_NE(quiet.err.find("2 boreholes checked, no findings"), std::string::npos) << quiet.err;
    EXPECT_EQ(filesUnder(folder.path()), before);
}

TEST(DeliveryCli, RefusalsAndUsage)
{
    TemporaryFolder folder;
    const std::string planted = copyOfFixture(folder, "planted");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {{"delivery"}, 2, "no FOLDER given"},
        {{"delivery", planted, planted}, 2, "one FOLDER"},
        {{"delivery", planted, "--check", "--out", folder.file("x")}, 2, "--check writes nothing"},
        {{"delivery", folder.file("planted/DATA")}, 3, "holds no BORING.XML"},
        {{"delivery", planted + "/DATA/BED0001.XML"}, 4, "root element is not BORING"},
        // The management file is no document; the message names the command that reads it.
        {{"dump", planted + "/BORING.XML"}, 4, "kolv-cli delivery FOLDER"},
    };
    for (const Case& test : cases) {
        const DeliveryRun run = runCli(test.arguments);
        EXPECT_EQ(run.exitCode, test.exitCode) << test.arguments.back() << "\n" << run.err;
        EXPECT_NE(run.err.find(test.message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("x")));
}

TEST(DeliveryCli, CorpusDeliveriesAreDrawnAndChecked)
{
    if (!kolv::test::corpusAvailable())
        GTEST_SKIP() << "no corpus";
    struct Case {
        const char* folder;
        int renderExit;
        std::vector<std::string> logs;
        int checkExit;
    };
    // 18000230651901371 lacks BED0002.XML; 18000103101301603 was collected
    // without its DTDs.
    const Case cases[] = {
        {"18000103101301603", 0, {"BRG0001.PDF"}, 1},
        {"18000230651901371", 3, {"BRG0001.PDF", "BRG0003.PDF", "BRG0004.PDF", "BRG0005.PDF"}, 1},
        {"18000230652004105", 0, {"BRG0001.PDF", "BRG0002.PDF", "BRG0003.PDF", "BRG0004.PDF"}, 0},
        {"18000230960903672", 0, {"BRG0001.PDF", "BRG0002.PDF", "BRG0003.PDF"}, 0},
    };
    for (const Case& test : cases) {
        TemporaryFolder folder;
        const DeliveryRun drawn = runCli({"delivery", corpusDelivery(test.folder), "--out", folder.path()});
        EXPECT_EQ(drawn.exitCode, test.renderExit) << test.folder << "\n" << drawn.err;
        std::set<std::string> expected{folder.file("report.html")};
        for (const std::string& log : test.logs) {
            expected.insert(folder.file(log));
            EXPECT_TRUE(isPdf(folder.file(log))) << test.folder << " " << log;
        }
        EXPECT_EQ(filesUnder(folder.path()), expected) << test.folder;
        const DeliveryRun checked = runCli({"delivery", corpusDelivery(test.folder), "--check"});
        EXPECT_EQ(checked.exitCode, test.checkExit) << test.folder << "\n" << checked.out;
    }
    const DeliveryRun missing = runCli({"delivery", corpusDelivery("18000230651901371"), "--check"});
    EXPECT_NE(missing.out.find("the exchange file DATA/BED0002.XML is missing"), std::string::npos) << missing.out;
    const DeliveryRun undelivered = runCli({"delivery", corpusDelivery("18000103101301603"), "--check"});
    EXPECT_NE(undelivered.out.find("the DTD BED0300.DTD is not in the delivery"), std::string::npos) << undelivered.out;
}
