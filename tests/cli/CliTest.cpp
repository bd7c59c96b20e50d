#include "data/BoringData.h"
#include "data/Fields.h"
#include "document/DocumentOpening.h"
#include "document/LogDocument.h"
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
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

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
        {{"dump", sample("harbour.vla"), sample("inland.vla")}, 2, "several FILEs need --out-dir"},
        {{"dump", sample("harbour.vla"), "--pages", "1"}, 2, "unknown option"},
        {{"dump", sample("harbour.vla"), "--install-dir"}, 2, "needs a value"},
        {{"dump", sample("harbour.vla"), "--install-dir", folder.file("nowhere")}, 2, "does not exist"},
        {{"dump", sample("harbour.vla"), "--install-dir", text}, 2, text + " is not a folder"},
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

    const QStringList keys = {"HeadingLines", "DocumentOptions", "LayerRow",       "SptRow",        "ObservationRow",
                              "InSituRow",    "SampleRow",       "GeologicAgeRow", "WaterLevelRow", "DrillingRow",
                              "RecoveryRow",  "FreeNoteHeader",  "FreeNoteRow"};
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
    writeFile(install.file("WdtvJCA.mst"),
              sjis("[第1部], ,660,\r\n埋土,F,900.0,900.0\r\n[第2部]\r\n[第3部]\r\n[終了]\r\n"));
    const CliRun run =
        runCli({"dump", std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-a.vle", "--install-dir", install.path()});
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
    EXPECT_EQ(kolv::formatCodeNumber(kolv::detectFormat(converted.substr(0, converted.find('\n') + 1))), 600);
    EXPECT_NE(converted.find(sjis("\r\n$$N\r\n0.00,5.00,完新世\r\n")), std::string::npos);
}

// The window and kolv-cli open a file the one same way: every sample and
// corpus file gives the same store, so the window's Open and Save and
// kolv-cli convert write the same bytes.
TEST(Cli, WindowAndCommandLineOpenEveryFileToTheSameStore)
{
    std::vector<std::string> files = {sample("harbour.vla"), sample("inland.vla"), sample("harbour-quay-no2.xml")};
    if (kolv::test::corpusAvailable())
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kolv::test::corpusDir())) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_regular_file() && (extension == ".XML" || extension == ".xml"))
                files.push_back(entry.path().string());
        }
    TemporaryFolder dataRoot;
    TemporaryFolder output;
    kolv::LogDocument window;
    kolv::LogSettings settings = window.settings();
    settings.dataRoot = dataRoot.path();
    settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
    window.replaceSettings(settings);
    int compared = 0;
    for (const std::string& file : files) {
        const std::string saved = output.file("window.vla");
        const std::string converted = output.file("cli.vla");
        const kolv::OpenResult opened = window.open(file, kolv::openCommandOptions);
        const CliRun run = runCli({"convert", file, "-o", converted});
        if (opened.status != kolv::OpenStatus::Opened) {
            EXPECT_NE(run.exitCode, 0) << file;
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << file << run.err;
        ASSERT_TRUE(window.save(saved).saved);
        EXPECT_EQ(readFile(converted), readFile(saved)) << file;
        ++compared;
    }
    EXPECT_GE(compared, 3);
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

TEST(Cli, HelpListsEveryCommandAndVersionIsPrinted)
{
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> stdoutHolds;
    } cases[] = {
        {{"--help"}, {"dump", "convert", "check", "render", "--install-dir", "--out-dir", "-j N", "Exit status"}},
        {{"-h"}, {"dump", "convert", "check", "render"}},
        {{"help"}, {"dump", "convert", "check", "render", "OUT-1.png"}},
        {{"help", "render"},
         {"--paper A3|A4", "A3 portrait", "default 150", "default 100", "OUT-1.png", "--landscape"}},
        {{"render", "--help"}, {"--hscale N", "--vscale N", "--depth-per-page", "--pages A-B", "--format"}},
        {{"convert", "-h"}, {"convert FILE -o OUT.vla", "--out-dir DIR"}},
        {{"--version"}, {"kolv-cli "}},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.front() << "\n" << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err;
        for (const std::string& text : c.stdoutHolds)
            EXPECT_NE(run.out.find(text), std::string::npos) << c.arguments.front() << " lacks " << text;
    }
    const CliRun unknown = runCli({"help", "print"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("unknown command print"), std::string::npos) << unknown.err;
}

TEST(Cli, UsageErrorsAreOneLineWithAHintToTheHelp)
{
    const std::vector<std::string> cases[] = {
        {"print"},
        {"dump"},
        {"dump", sample("harbour.vla"), "--pages", "1"},
        {"convert", sample("harbour.vla")},
        {"convert", sample("harbour.vla"), "--out-dir", "/tmp", "-o", "x.vla"},
        {"check", sample("harbour.vla"), "-j", "2"},
    };
    for (const auto& arguments : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.front();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST(Cli, MessagesNameTheFileAndTheReason)
{
    TemporaryFolder folder;
    const std::string text = folder.file("notes.txt");
    writeFile(text, "just some text\r\n");
    const std::string subfolder = folder.file("logs.vla");
    std::filesystem::create_directory(subfolder);
    const std::string missing = folder.file("missing.vla");
    const std::string unwritable = folder.file("no/such/folder/out.vla");
    const std::string unknownVersion = folder.file("v9.xml");
    writeFile(unknownVersion,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ボーリング情報 DTD_version=\"9.00\">\n</ボーリング情報>\n");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string stderrHolds;
    } cases[] = {
        {{"dump", text}, 4, "このファイルは開けません ( " + text + " ): the format is not recognised"},
        {{"check", subfolder}, 3, subfolder + ": it is a folder, not a file"},
        {{"dump", missing}, 3, "ファイルが見つかりません\n( " + missing + " ): no such file"},
        {{"convert", sample("harbour.vla"), "-o", unwritable},
         5,
         "保存できませんでした ( " + unwritable + " ): the folder " + folder.file("no/such/folder")
             + " does not exist"},
        {{"convert", sample("harbour.vla"), "-o", subfolder}, 5, "( " + subfolder + " ): it is a folder"},
        {{"check", unknownVersion}, 0, "kolv-cli: " + unknownVersion + ": DTDバージョンが不明または未対応です."},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments[1] << "\n" << run.err;
        EXPECT_NE(run.err.find(c.stderrHolds), std::string::npos) << run.err;
        EXPECT_EQ(run.out.empty(), c.exitCode != 0) << run.out;
    }
}

TEST(Cli, ConvertPrintsThePathItWrote)
{
    TemporaryFolder folder;
    const std::string out = folder.file("harbour.vla");
    const CliRun run = runCli({"convert", sample("harbour.vla"), "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, out + "\n");
}

// Standard output, a link and a pipe get the bytes; none is replaced by a
// plain file, and no path line is mixed into what goes to standard output.
TEST(Cli, OutputsThatAreNoPlainFileAreWrittenToNotReplaced)
{
    TemporaryFolder folder;
    const std::string plain = folder.file("plain.vla");
    ASSERT_EQ(runCli({"convert", sample("harbour.vla"), "-o", plain}).exitCode, 0);
    const std::string expected = readFile(plain);
    ASSERT_FALSE(expected.empty());
    for (const char* output : {"-", "/dev/stdout"}) {
        const CliRun run = runCli({"convert", sample("harbour.vla"), "-o", output});
        EXPECT_EQ(run.exitCode, 0) << output << "\n" << run.err;
        EXPECT_EQ(run.out, expected) << output;
    }
    const CliRun exported = runCli({"export-xml", sample("harbour.vla"), "-o", "-"});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out.rfind("<?xml", 0), 0u) << exported.out.substr(0, 80);

    std::filesystem::create_directories(folder.file("elsewhere"));
    const std::string link = folder.file("link.vla");
    std::filesystem::create_symlink(folder.file("elsewhere/real.vla"), link);
    const CliRun linked = runCli({"convert", sample("harbour.vla"), "-o", link});
    EXPECT_EQ(linked.exitCode, 0) << linked.err;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(folder.file("elsewhere/real.vla")), expected);

    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string readFromPipe;
    std::thread reader([&] { readFromPipe = readFile(pipe); });
    const CliRun piped = runCli({"convert", sample("harbour.vla"), "-o", pipe});
    reader.join();
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(readFromPipe, expected);
    struct stat info {};
    ASSERT_EQ(lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A damaged exchange file is converted as far as it goes with a warning that
// names it; --strict makes any warning a failure, in a batch too.
TEST(Cli, DamagedFilesWarnAndFailUnderStrict)
{
    TemporaryFolder folder;
    const std::string whole = readFile(sample("harbour-quay-no2.xml"));
    const std::string cut = folder.file("cut.xml");
    writeFile(cut, whole.substr(0, whole.size() / 2));
    const std::string out = folder.file("cut.vla");

    const CliRun lenient = runCli({"convert", cut, "-o", out});
    EXPECT_EQ(lenient.exitCode, 0) << lenient.err;
    EXPECT_NE(lenient.err.find("最後の要素の閉じる前に終わっています"), std::string::npos) << lenient.err;
    EXPECT_NE(lenient.err.find(cut), std::string::npos) << lenient.err;
    EXPECT_TRUE(std::filesystem::exists(out));

    const CliRun strict = runCli({"convert", cut, "-o", out, "--strict"});
    EXPECT_EQ(strict.exitCode, 6) << strict.err;
    EXPECT_NE(strict.err.find("failed under --strict: 1 warning"), std::string::npos) << strict.err;
    EXPECT_EQ(runCli({"convert", sample("harbour.vla"), "-o", out, "--strict"}).exitCode, 0);

    const std::string intact = folder.file("intact.xml");
    writeFile(intact, whole);
    const CliRun batch = runCli({"dump", intact, cut, "--out-dir", folder.file("dumped")});
    EXPECT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_NE(batch.err.find("2 of 2 files done, 1 done with warnings"), std::string::npos) << batch.err;
    const CliRun strictBatch = runCli({"dump", intact, cut, "--out-dir", folder.file("dumped"), "--strict"});
    EXPECT_EQ(strictBatch.exitCode, 6) << strictBatch.err;
    EXPECT_NE(strictBatch.err.find("1 of 2 files done, 1 failed (exit status 6"), std::string::npos) << strictBatch.err;
}

// Many files at once: names from the inputs, repeated names made unique, a bad
// file named with its reason while the others are still written, a summary
// and the exit status of the first failure.
TEST(Cli, BatchWritesOneOutputPerFileAndKeepsGoingPastABadOne)
{
    TemporaryFolder folder;
    std::filesystem::create_directories(folder.file("a"));
    std::filesystem::create_directories(folder.file("b"));
    const std::string first = folder.file("a/LOG.vla");
    const std::string second = folder.file("b/log.vla");
    writeFile(first, readFile(sample("harbour.vla")));
    writeFile(second, readFile(sample("inland.vla")));
    const std::string bad = folder.file("notes.txt");
    writeFile(bad, "just some text\r\n");
    const std::string out = folder.file("out/converted");

    const CliRun run =
        runCli({"convert", first, bad, second, sample("harbour-quay-no2.xml"), "--out-dir", out, "-j", "3"});
    EXPECT_EQ(run.exitCode, 4) << run.err;
    const std::string written[] = {out + "/LOG.vla", out + "/log_2.vla", out + "/harbour-quay-no2.vla"};
    for (const std::string& path : written) {
        EXPECT_NE(run.out.find(path + "\n"), std::string::npos) << path << "\n" << run.out;
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3) << run.out;
    EXPECT_EQ(readFile(written[0]), readFile(sample("harbour.vla")));
    EXPECT_EQ(readFile(written[1]), readFile(sample("inland.vla")));
    EXPECT_NE(run.err.find("kolv-cli: " + bad + ": このファイルは開けません: the format is not recognised"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("4/4 files"), std::string::npos) << "progress on stderr\n" << run.err;
    EXPECT_NE(run.err.find("3 of 4 files done, 1 failed"), std::string::npos) << run.err;

    const CliRun checked = runCli({"check", first, second, "--out-dir", out, "-j", "1"});
    ASSERT_EQ(checked.exitCode, 0) << checked.err;
    EXPECT_EQ(readFile(out + "/LOG.txt"), "無し\n");
    EXPECT_EQ(readFile(out + "/log_2.txt"), runCli({"check", second}).out);
    const CliRun dumped = runCli({"dump", first, "--out-dir", out});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    EXPECT_EQ(readFile(out + "/LOG.json"), runCli({"dump", first}).out);

    const std::vector<std::string> usage[] = {
        {"convert", first, "--out-dir", out, "-j", "0"},
        {"convert", first, "--out-dir", out, "-j", "many"},
    };
    for (const auto& arguments : usage)
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.back();
    const CliRun blocked = runCli({"convert", first, "--out-dir", bad});
    EXPECT_EQ(blocked.exitCode, 5);
    EXPECT_NE(blocked.err.find(bad), std::string::npos) << blocked.err;
}

// On a terminal the progress is a bar redrawn in place that a message first
// takes off its line; elsewhere it is plain lines (checked above).
TEST(Cli, BatchProgressIsABarOnATerminal)
{
    TemporaryFolder folder;
    const std::string bad = folder.file("notes.txt");
    writeFile(bad, "just some text\r\n");
    // script(1) gives the program a terminal and copies what it shows to stdout.
    const std::string command = "script -qec "
        + quoted(quoted(KOLV_CLI_PATH) + " convert " + quoted(sample("harbour.vla")) + " " + quoted(bad) + " --out-dir "
                 + quoted(folder.file("out")) + " -j 1 >/dev/null")
        + " /dev/null > " + quoted(folder.file("screen")) + " 2>&1 </dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    const std::string screen = readFile(folder.file("screen"));
    EXPECT_NE(screen.find("\r\x1b[Kkolv-cli: " + bad + ": "), std::string::npos) << "the bar makes room for a message\n"
                                                                                 << screen;
    EXPECT_NE(screen.find("\r[##############################] 2/2 files, "), std::string::npos) << screen;
    EXPECT_NE(screen.find(" files/s"), std::string::npos) << screen;
    EXPECT_EQ(screen.find("kolv-cli: 1/2 files"), std::string::npos) << "no plain lines on a terminal\n" << screen;
}
