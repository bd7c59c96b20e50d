#include "app/FileChooser.h"

#include <QFileDialog>
#include <QStringList>

namespace kolv {

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        if (parts.at(index).isEmpty())
            break;
        QString patterns = parts.at(index + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" is every file on Windows; on Linux a name need not have a dot.
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        filters.append(parts.at(index) + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString FileChooser::folderName(QWidget* parent, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, QString(), startFolder);
}

QString DialogFileChooser::openFileName(QWidget* parent, const QString& startFolder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, qtFileFilter(filter));
}

QString DialogFileChooser::saveFileName(QWidget* parent, const QString& proposedPath, const QString& filter,
                                        const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QString(), proposedPath, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace kolv
