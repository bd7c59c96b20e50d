#pragma once
// The document's life in the window: new, the Open command with the last
// folder in FileV.ndx, opening by path (recent files, command line, a
// dropped file), Save and Save As with their extension rules. Messages and
// questions go through the Prompter, file names through the FileChooser.
// Nothing is thrown away unasked: new and every kind of open first ask the
// close question's three answers when the document holds unsaved changes.
#include <QObject>
#include <QString>

#include <string>

class QWidget;

namespace kolv {

class FileChooser;
class LogDocument;
class Prompter;
class RecentFiles;

// The filters of the file dialogs.
extern const char* const openFilter;
extern const char* const saveAsFilter;

// The extension of a path's file name: the text after its last ".", empty
// without one.
std::string extensionOf(const std::string& path);

// The name Save As proposes: a name ending in ".XML" or ".vli" (any case)
// ends in ".vla" instead.
std::string proposedSaveName(const std::string& path);

class DocumentManager : public QObject {
    Q_OBJECT

public:
    DocumentManager(LogDocument& document, Prompter& prompter, FileChooser& chooser, RecentFiles& recentFiles,
                    QObject* parent = nullptr);

    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // Each returns true when it did its work.
    bool newDocument();
    bool openCommand();
    bool openPath(const std::string& hostPath);
    bool save();
    bool saveAs();

    // True when nothing unsaved is lost by going on: the document is
    // unmodified, or the user answered Yes. No shows the save hint.
    bool mayDiscardChanges();
    // The frame's close question: the same three answers, its own text.
    bool mayClose();

private:
    bool askBeforeLosingChanges(bool closing);
    bool writeTo(const std::string& hostPath);
    std::string lastFolderFilePath() const;

    LogDocument& document_;
    Prompter& prompter_;
    FileChooser& chooser_;
    RecentFiles& recentFiles_;
    QWidget* dialogParent_ = nullptr;
};

}  // namespace kolv
