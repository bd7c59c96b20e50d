#include "WindowFixture.h"

#include "app/Startup.h"
#include "document/LogDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/FirstUse.h"

#include <QApplication>
#include <QSettings>

#include <cstdlib>

namespace kolv::test {

namespace {

// One QApplication for the test program, created after HOME and the XDG
// folders point at a temporary folder of its own.
void ensureApplication()
{
    if (QApplication::instance())
        return;
    static TemporaryFolder home;
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home.path() + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.path().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argumentCount = 1;
    static char programName[] = "test_app";
    static char* arguments[] = {programName, nullptr};
    // Never destroyed: Qt's input devices must not be torn down by the exit
    // handlers after the application object.
    auto* application = new QApplication(argumentCount, arguments);
    prepareApplication(*application);
}

}  // namespace

QString ScriptedFileChooser::openFileName(QWidget*, const QString& startFolder, const QString&)
{
    startFolders.append(startFolder);
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedFileChooser::folderName(QWidget*, const QString& startFolder)
{
    return openFileName(nullptr, startFolder, {});
}

QString ScriptedFileChooser::saveFileName(QWidget*, const QString& proposedPath, const QString&, const QString&)
{
    proposedPaths.append(proposedPath);
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

void WindowTest::SetUp()
{
    ensureApplication();
    QSettings().clear();
    frame = std::make_unique<MainWindow>(prompter, chooser);
}

void WindowTest::TearDown()
{
    frame.reset();
}

bool WindowTest::start(const QStringList& files)
{
    return startMainFrame(*frame, files, dataRoot.path(), KOLV_BUNDLED_INSTALL_DIR);
}

void WindowTest::writePaperDefaults(const std::string& root, const char* apply, const char* paper,
                                    const char* orientation)
{
    ASSERT_TRUE(copyBundledInstallation(KOLV_BUNDLED_INSTALL_DIR, root));
    const std::string settingsFile = defaultInstallationFolder(root) + "/Sys.ndx";
    std::vector<std::string> lines = splitLines(readFile(settingsFile));
    ASSERT_GT(lines.size(), 10u);
    // Line 0 is the header; lines 8, 9 and 10 are the paper defaults.
    lines[8] = apply;
    lines[9] = paper;
    lines[10] = orientation;
    std::string rewritten;
    for (const std::string& line : lines)
        rewritten += line + "\r\n";
    writeFile(settingsFile, rewritten);
}

std::string WindowTest::sample(const char* name)
{
    return std::string(KOLV_SOURCE_DIR) + "/share/samples/" + name;
}

void WindowTest::makeAnEdit()
{
    LogDocument& document = frame->document();
    BoringData edited = document.data();
    edited.layerRows.setCell(1, 1, "7.77");
    document.pushEdit(QStringLiteral("地質/色調"), edited);
}

std::vector<int> WindowTest::messageIds() const
{
    std::vector<int> ids;
    for (const RecordingPrompter::Message& message : prompter.messages)
        ids.push_back(message.id);
    return ids;
}

bool WindowTest::saidText(const char* utf8) const
{
    const std::string text = utf8ToCp932(utf8);
    for (const RecordingPrompter::Message& message : prompter.messages)
        if (message.text == text)
            return true;
    return false;
}

}  // namespace kolv::test
