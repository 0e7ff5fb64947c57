#pragma once

#include <memory>

#include <QString>

class QFileDialog;
class QWidget;

// The open dialog: existing files only, the XML filter matching PHOTO.XML too, starting in
// startFolder, with the mounted discs and sticks (removableMediaFolders) in its side bar.
std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* parent, const QString& startFolder);
