#include "app/RecentFileList.h"

namespace {

const QString group = "Recent File List";

QString keyOf(int index) {
    return QString("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList(QSettings& profile) : profile(profile) {
    profile.beginGroup(group);
    for (int index = 0; index < capacity; ++index) {
        const QString path = profile.value(keyOf(index)).toString();
        if (!path.isEmpty())
            entries.append(path);
    }
    profile.endGroup();
}

void RecentFileList::add(const QString& path) {
    entries.removeAll(path);
    entries.prepend(path);
    while (entries.size() > capacity)
        entries.removeLast();
    save();
}

void RecentFileList::remove(int index) {
    if (index < 0 || index >= entries.size())
        return;
    entries.removeAt(index);
    save();
}

void RecentFileList::save() {
    profile.beginGroup(group);
    for (int index = 0; index < capacity; ++index) {
        if (index < entries.size())
            profile.setValue(keyOf(index), entries[index]);
        else
            profile.remove(keyOf(index));
    }
    profile.endGroup();
    profile.sync();
}
