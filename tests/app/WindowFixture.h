#pragma once
// The main window on the offscreen platform, started as the program starts
// it, with scripted messages and file dialogs. HOME, the XDG folders and the
// data root are temporary folders, so no real per-user data is touched.
#include "app/MainWindow.h"
#include "app/FileChooser.h"
#include "platform/Prompter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <deque>
#include <memory>
#include <string>

namespace kolv::test {

// Answers the file dialogs from a script (empty: cancelled) and keeps what
// they were asked.
class ScriptedFileChooser : public FileChooser {
public:
    QString openFileName(QWidget*, const QString& startFolder, const QString& filter) override;
    QString saveFileName(QWidget*, const QString& proposedPath, const QString& filter,
                         const QString& defaultSuffix) override;
    QString folderName(QWidget*, const QString& startFolder) override;

    std::deque<QString> answers;
    QStringList startFolders;
    QStringList proposedPaths;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the frame as the program does, with these command-line files.
    bool start(const QStringList& files = {});
    // Copies the bundled installation folder under root and sets the paper
    // defaults of its Sys.ndx (apply switch, paper choice, orientation).
    static void writePaperDefaults(const std::string& root, const char* apply, const char* paper,
                                   const char* orientation);

    static std::string sample(const char* name);
    // Makes one data edit, so that the document holds unsaved changes.
    void makeAnEdit();
    std::vector<int> messageIds() const;
    bool saidText(const char* utf8) const;

    TemporaryFolder dataRoot;
    TemporaryFolder work;
    RecordingPrompter prompter;
    ScriptedFileChooser chooser;
    std::unique_ptr<MainWindow> frame;
};

}  // namespace kolv::test
