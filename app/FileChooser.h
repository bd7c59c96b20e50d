#pragma once
// The open and save file dialogs behind an interface, so that the document
// commands can be driven by a script in tests.
#include <QString>

class QWidget;

namespace kolv {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, empty when cancelled. filter is in the "|"-separated
    // form "description|patterns|...||".
    virtual QString openFileName(QWidget* parent, const QString& startFolder, const QString& filter) = 0;
    // Asks before overwriting; defaultSuffix is appended to a name without one.
    virtual QString saveFileName(QWidget* parent, const QString& proposedPath, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // A chosen folder, empty when cancelled; Qt's folder dialog unless replaced.
    virtual QString folderName(QWidget* parent, const QString& startFolder);
};

// The file dialogs of Qt.
class DialogFileChooser : public FileChooser {
public:
    QString openFileName(QWidget* parent, const QString& startFolder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& proposedPath, const QString& filter,
                         const QString& defaultSuffix) override;
};

// "港湾形式(*.vla)|*.vla|すべて(*.*)|*.*||" in Qt's form
// "港湾形式(*.vla) (*.vla);;すべて(*.*) (*)".
QString qtFileFilter(const QString& filter);

}  // namespace kolv
