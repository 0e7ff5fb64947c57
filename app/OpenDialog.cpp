#include "app/OpenDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* parent, const QString& startFolder) {
    auto dialog = std::make_unique<QFileDialog>(
        parent, QCoreApplication::translate("QFileDialog", "Open"), startFolder);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({"XMLファイル (*.xml)", "All Files (*.*)"});
    // Our own dialog, whose filter ignores case (deliveries name the file PHOTO.XML) and
    // whose side bar we fill.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath()), QUrl::fromLocalFile("/")};
    places.append(removableMediaFolders(userMountRoots()));
    dialog->setSidebarUrls(places);
    return dialog;
}

QList<QUrl> removableMediaFolders(const QStringList& mountRoots) {
    QList<QUrl> folders;
    for (const QString& root : mountRoots) {
        const QDir media(root);
        for (const QString& name : media.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            folders.append(QUrl::fromLocalFile(media.filePath(name)));
    }
    return folders;
}

QStringList userMountRoots() {
    const QString user = qEnvironmentVariable("USER");
    return {"/media/" + user, "/run/media/" + user};
}
