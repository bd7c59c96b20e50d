// kolv-cli export-xml: one file to -o, several to --out-dir, its exit codes
// and the values it reports as warnings.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

using kolv::test::readFile;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

namespace {

struct ExportRun {
    int exitCode = -1;
    std::string err;
};

ExportRun runExport(const std::vector<std::string>& arguments)
{
    TemporaryFolder folder;
    std::string command = "'" KOLV_CLI_PATH "' export-xml";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " >/dev/null 2>'" + folder.file("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder.file("err"))};
}

std::string sample(const char* name)
{
    return std::string(KOLV_SOURCE_DIR) + "/share/samples/" + name;
}

const std::string xmlDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";

TEST(ExportXmlCli, WritesOneFileOrEveryFileIntoAFolder)
{
    TemporaryFolder folder;
    const ExportRun single = runExport({sample("harbour.vla"), "-o", folder.file("no2.xml")});
    EXPECT_EQ(single.exitCode, 0);
    EXPECT_EQ(readFile(folder.file("no2.xml")).rfind(xmlDeclaration, 0), 0u);
    // The harbour sample's angle "鉛直" and slope "0°" are written otherwise.
    EXPECT_NE(single.err.find("harbour.vla: warning: 見出し 24行目「鉛直」: "), std::string::npos) << single.err;
    EXPECT_NE(single.err.find("harbour.vla: warning: 見出し 26行目「0°」: "), std::string::npos) << single.err;

    const ExportRun several =
        runExport({sample("inland.vla"), sample("harbour-quay-no2.xml"), "--out-dir", folder.path()});
    EXPECT_EQ(several.exitCode, 0) << several.err;
    for (const char* name : {"inland.XML", "harbour-quay-no2.XML"})
        EXPECT_EQ(readFile(folder.file(name)).rfind(xmlDeclaration, 0), 0u) << name;
}

TEST(ExportXmlCli, ExitCodesAsTheOtherCommands)
{
    TemporaryFolder folder;
    writeFile(folder.file("notes.txt"), "just some text\r\n");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{sample("harbour.vla")}, 2},
        {{sample("harbour.vla"), "-o", folder.file("a.xml"), "--out-dir", folder.path()}, 2},
        {{sample("harbour.vla"), sample("inland.vla"), "-o", folder.file("a.xml")}, 2},
        {{folder.file("missing.vla"), "-o", folder.file("a.xml")}, 3},
        {{folder.file("notes.txt"), "-o", folder.file("a.xml")}, 4},
        {{sample("harbour.vla"), "-o", folder.file("missing/a.xml")}, 5},
        // Every file is tried; the first failure gives the status.
        {{folder.file("missing.vla"), sample("inland.vla"), "--out-dir", folder.path()}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " ... " + c.arguments.back());
        EXPECT_EQ(runExport(c.arguments).exitCode, c.exitCode);
    }
    EXPECT_FALSE(readFile(folder.file("inland.XML")).empty());
}

}  // namespace
