#include "app/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace kolv {

namespace {

const QString group = QStringLiteral("Recent File List");

QString keyOf(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

RecentFiles::RecentFiles(QObject* parent) : QObject(parent)
{
    QSettings profile;
    profile.beginGroup(group);
    for (int index = 0; index < capacity; ++index) {
        const QString path = profile.value(keyOf(index)).toString();
        if (!path.isEmpty() && !files_.contains(path))
            files_.append(path);
    }
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > capacity)
        files_.removeLast();
    store();
}

void RecentFiles::remove(const QString& path)
{
    if (files_.removeAll(path) > 0)
        store();
}

void RecentFiles::store()
{
    QSettings profile;
    profile.beginGroup(group);
    for (int index = 0; index < capacity; ++index) {
        if (index < files_.size())
            profile.setValue(keyOf(index), files_.at(index));
        else
            profile.remove(keyOf(index));
    }
    emit changed();
}

}  // namespace kolv
