#pragma once

#include <memory>

#include <QString>
#include <QStringList>
#include <QUrl>

class QFileDialog;
class QWidget;

// The open dialog: existing files only, the XML filter matching PHOTO.XML too, starting in
// startFolder, with the mounted discs and sticks in its side bar.
std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* parent, const QString& startFolder);

// The folders discs and sticks are mounted on under mountRoots (for this user:
// /media/USER and /run/media/USER), as the desktop lists them.
QList<QUrl> removableMediaFolders(const QStringList& mountRoots);
QStringList userMountRoots();
