#include "album/SaveFailure.h"

#include <QFileDevice>

#include "document/SystemErrorText.h"

QString saveFailure(const QFileDevice& file, int error) {
    if (error != 0)
        return QString::fromStdString(systemErrorText(error));
    switch (file.error()) {
    case QFileDevice::OpenError:
        return "ファイルを開けませんでした。";
    case QFileDevice::RenameError:
        return "ファイルを置き換えられませんでした。";
    default:
        return "書き込めませんでした。";
    }
}
