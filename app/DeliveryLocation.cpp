#include "app/DeliveryLocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The entry of folder named name in any case, of the kind filters asks for; empty if none.
QString entryIgnoringCase(const QDir& folder, const QString& name, QDir::Filters filters) {
    const QStringList names = folder.entryList({name}, filters | QDir::NoDotAndDotDot, QDir::Name);
    return names.isEmpty() ? QString() : folder.filePath(names.first());
}

} // namespace

QString deliveryFileAt(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile())
        return info.absoluteFilePath();
    if (!info.isDir())
        return {};
    const QDir folder(info.absoluteFilePath());
    // Name filters of QDir ignore case unless told otherwise.
    const QString file = entryIgnoringCase(folder, "PHOTO.XML", QDir::Files);
    if (!file.isEmpty())
        return file;
    const QString photoFolder = entryIgnoringCase(folder, "PHOTO", QDir::Dirs);
    return photoFolder.isEmpty() ? QString()
                                 : entryIgnoringCase(QDir(photoFolder), "PHOTO.XML", QDir::Files);
}
