#pragma once
// The recent-file list of the file menu: four entries, newest first, kept in
// the per-user profile.
#include <QObject>
#include <QStringList>

namespace kolv {

class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int capacity = 4;

    explicit RecentFiles(QObject* parent = nullptr);

    QStringList files() const { return files_; }
    // Puts the file first (once) and drops the oldest beyond the capacity.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void changed();

private:
    void store();

    QStringList files_;
};

}  // namespace kolv
