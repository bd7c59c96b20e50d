#include "data/BoringData.h"
#include "formats/FormatDetection.h"
#include "formats/NativeWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

using kolv::test::readFile;
using kolv::test::sjis;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& argument)
{
    std::string result = "'";
    for (char c : argument)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

// Runs the built kolv-cli. A display platform that does not exist makes any
// start of Qt's GUI fail, so the reading commands prove they do without it.
CliRun runCli(const std::vector<std::string>& arguments)
{
    TemporaryFolder folder;
    std::string command = "QT_QPA_PLATFORM=kolv-no-such-platform " + quoted(KOLV_CLI_PATH);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " >" + quoted(folder.file("out")) + " 2>" + quoted(folder.file("err"));
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(folder.file("out"));
    run.err = readFile(folder.file("err"));
    return run;
}

std::string sample(const char* name)
{
    return std::string(KOLV_SOURCE_DIR) + "/share/samples/" + name;
}

QJsonObject parseJson(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

std::string utf8(const QJsonValue& value)
{
    return value.toString().toStdString();
}

}  // namespace

TEST(Cli, ExitCodesAndMessages)
{
    TemporaryFolder folder;
    const std::string text = folder.file("notes.txt");
    writeFile(text, "just some text\r\n");
    const std::string missing = folder.file("missing.vla");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string stderrHolds;
    } cases[] = {
        {{}, 2, "usage"},
        {{"print", sample("harbour.vla")}, 2, "unknown command"},
        {{"dump"}, 2, "no FILE"},
        {{"dump", sample("harbour.vla"), sample("inland.vla")}, 2, "more than one FILE"},
        {{"dump", sample("harbour.vla"), "--pages", "1"}, 2, "unknown option"},
        {{"dump", sample("harbour.vla"), "--install-dir"}, 2, "needs a value"},
        {{"dump", sample("harbour.vla"), "--install-dir", folder.file("nowhere")}, 2, "does not exist"},
        {{"convert", sample("harbour.vla")}, 2, "-o"},
        {{"dump", missing}, 3, "ファイルが見つかりません\n( " + missing + " )"},
        {{"check", missing}, 3, "ファイルが見つかりません"},
        {{"dump", text}, 4, "このファイルは開けません"},
        {{"convert", text, "-o", folder.file("out.vla")}, 4, "このファイルは開けません"},
        {{"convert", sample("harbour.vla"), "-o", folder.file("no/such/folder/out.vla")}, 5, "保存できませんでした"},
        {{"dump", sample("harbour.vla")}, 0, ""},
        {{"check", sample("inland.vla"), "--install-dir=" KOLV_BUNDLED_INSTALL_DIR}, 0, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        const std::string what = c.arguments.empty() ? std::string("(none)") : c.arguments.front();
        EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err;
        EXPECT_NE(run.err.find(c.stderrHolds), std::string::npos) << what << "\n" << run.err;
        if (c.exitCode == 0) {
            EXPECT_TRUE(run.err.empty()) << run.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.vla"))) << "nothing written for an unreadable file";
}

TEST(Cli, DumpShowsTheStoreAsJson)
{
    TemporaryFolder folder;
    kolv::BoringData data;
    kolv::clear(data);
    data.setHeadingLine(1, sjis("表示\"テスト\\"));
    data.setHeadingLine(2, std::string("bad \x80\xFF byte"));
    data.layerRows.row(1) = {"2.00", sjis("砂"), "", sjis("灰"), "", "", "247", "", "", "", "", "", "", ""};
    data.layerRows.row(2) = {"5.00", sjis("粘土"), "", "", "", "", "", "", "", "", "", "", "", ""};
    data.layerRows.row(4) = {"9.00", "hidden behind an empty row", "", "", "", "", "", "", "", "", "", "", "", ""};
    data.observationRows.row(1) = {"0.00", "2.00", "", sjis("一行目\r\n二行目"), "0"};
    data.freeNoteHeader = {"", "30", "", "", ""};
    const std::string path = folder.file("doc.vla");
    writeFile(path, kolv::writeNativeFile(data));

    const CliRun run = runCli({"dump", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseJson(run.out);

    const QStringList keys = {"HeadingLines", "DocumentOptions", "LayerRow", "SptRow", "ObservationRow",
                              "InSituRow", "SampleRow", "GeologicAgeRow", "WaterLevelRow", "DrillingRow",
                              "RecoveryRow", "FreeNoteHeader", "FreeNoteRow"};
    EXPECT_EQ(json.keys().size(), keys.size());
    for (const QString& key : keys)
        EXPECT_TRUE(json.contains(key)) << key.toStdString();
    // Keys in the order of the data store.
    qsizetype previous = -1;
    for (const QString& key : keys) {
        const qsizetype at = QString::fromStdString(run.out).indexOf("\"" + key + "\"");
        EXPECT_GT(at, previous) << key.toStdString();
        previous = at;
    }

    const QJsonArray headings = json["HeadingLines"].toArray();
    ASSERT_EQ(headings.size(), 120);
    EXPECT_EQ(utf8(headings[0]), "表示\"テスト\\");
    EXPECT_EQ(utf8(headings[1]), "bad \xEF\xBF\xBD\xEF\xBF\xBD byte");
    EXPECT_EQ(utf8(headings[45]), "0.30");
    EXPECT_EQ(json["DocumentOptions"].toArray().size(), 24);
    EXPECT_EQ(utf8(json["DocumentOptions"].toArray()[22]), "500");

    const QJsonArray layers = json["LayerRow"].toArray();
    ASSERT_EQ(layers.size(), 2) << "occupied rows only";
    EXPECT_EQ(layers[0].toArray().size(), 11) << "saved cells only";
    EXPECT_EQ(utf8(layers[1].toArray()[1]), "粘土");
    const QJsonArray note = json["ObservationRow"].toArray()[0].toArray();
    EXPECT_EQ(note.size(), 5);
    EXPECT_EQ(utf8(note[3]), "一行目\r\n二行目\r\n");
    EXPECT_NE(run.out.find("\\u000d\\u000a"), std::string::npos) << "control characters as \\uXXXX";
    EXPECT_EQ(json["SptRow"].toArray().size(), 0);
    EXPECT_EQ(json["FreeNoteHeader"].toArray().size(), 5);
    EXPECT_EQ(utf8(json["FreeNoteHeader"].toArray()[1]), "30");
}

TEST(Cli, DumpOfSiblingFilesShowsThePostProcessedStore)
{
    const CliRun run = runCli({"dump", std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-a.vle"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(utf8(json["HeadingLines"].toArray()[69]), "港 湾 柱 状 図");
    const QJsonArray layers = json["LayerRow"].toArray();
    ASSERT_EQ(layers.size(), 3);
    EXPECT_EQ(utf8(layers[0].toArray()[0]), "2.00");
    EXPECT_EQ(utf8(layers[0].toArray()[3]), "褐");
    // The bundled master gives 埋土 its pattern.
    EXPECT_EQ(utf8(layers[0].toArray()[4]), "800.0");
    EXPECT_EQ(utf8(layers[0].toArray()[7]), "B");
}

TEST(Cli, InstallDirChoosesTheSoilNameMaster)
{
    TemporaryFolder install;
    writeFile(install.file("WdtvJCA.mst"), sjis("[第1部], ,660,\r\n埋土,F,900.0,900.0\r\n[第2部]\r\n[第3部]\r\n[終了]\r\n"));
    const CliRun run = runCli({"dump", std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-a.vle", "--install-dir",
                               install.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Sys.ndx"), std::string::npos) << "missing files are reported";
    const QJsonArray layer = parseJson(run.out)["LayerRow"].toArray()[0].toArray();
    EXPECT_EQ(utf8(layer[4]), "900.0");
    EXPECT_EQ(utf8(layer[7]), "F");
}

TEST(Cli, ConvertWritesTheNativeFile)
{
    TemporaryFolder folder;
    for (const char* name : {"harbour.vla", "inland.vla"}) {
        const std::string out = folder.file(name);
        const CliRun run = runCli({"convert", sample(name), "-o", out});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(readFile(out), readFile(sample(name))) << name;
    }
    const std::string out = folder.file("sibling.vla");
    ASSERT_EQ(runCli({"convert", std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-b.vlo", "-o", out}).exitCode, 0);
    const std::string converted = readFile(out);
    EXPECT_EQ(kolv::detectFormat(converted.substr(0, converted.find('\n') + 1)), 600);
    EXPECT_NE(converted.find(sjis("\r\n$$N\r\n0.00,5.00,完新世\r\n")), std::string::npos);
}

TEST(Cli, CheckPrintsTheReportOneFindingALine)
{
    TemporaryFolder folder;
    kolv::BoringData data;
    kolv::clear(data);
    data.setHeadingLine(1, sjis("調査Ｎｏ．１"));
    data.layerRows.row(1) = {"2.00", sjis("砂（ＳＰ）"), "", "", "", "", "247", "", "", "", "", "", "", ""};
    const std::string path = folder.file("doc.vla");
    writeFile(path, kolv::writeNativeFile(data));
    const CliRun run = runCli({"check", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "▼見出し\n(1) 調査Ｎｏ．１  \n▼地質･色調\n( 2.00 m ) 砂（ＳＰ）  \n");
    EXPECT_EQ(runCli({"check", sample("harbour.vla")}).out, "無し\n");
}
