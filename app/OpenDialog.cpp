#include "app/OpenDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "media/MountPoints.h"

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
    for (const std::string& folder : removableMediaFolders(userMediaRoots()))
        places.append(QUrl::fromLocalFile(QString::fromStdString(folder)));
    dialog->setSidebarUrls(places);
    return dialog;
}
