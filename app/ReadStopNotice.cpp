#include "app/ReadStopNotice.h"

#include <QFileInfo>

#include "model/PhotoDataSet.h"

QString readStopNotice(const std::string& path, const PhotoDataSet& data) {
    const QString fileName = QFileInfo(QString::fromStdString(path)).fileName();
    if (!data.readError)
        return data.photos.empty() ? QString("%1 には写真がありません").arg(fileName) : QString();
    return QString("%1 の %2 行目で読み込みを中断しました（%3 枚を表示）")
        .arg(fileName)
        .arg(data.readError->line)
        .arg(data.photos.size());
}
