#pragma once

#include <QSettings>
#include <QStringList>

// The files opened last, newest first, kept in the user's profile (group "Recent File List",
// keys File1 to File4) as soon as they change.
class RecentFileList {
public:
    static constexpr int capacity = 4;

    explicit RecentFileList(QSettings& profile);

    const QStringList& files() const { return entries; }
    // Puts path first, dropping an older entry of the same path and the oldest beyond four.
    void add(const QString& path);
    void remove(int index);

private:
    void save();

    QSettings& profile;
    QStringList entries;
};
