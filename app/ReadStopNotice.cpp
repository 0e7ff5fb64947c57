#include "app/ReadStopNotice.h"

#include <QFileInfo>

#include "model/PhotoDataSet.h"

QString readStopNotice(const std::string& path, const PhotoDataSet& data) {
    if (!data.readError)
        return {};
    return QString("%1 の %2 行目で読み込みを中断しました（%3 枚を表示）")
        .arg(QFileInfo(QString::fromStdString(path)).fileName())
        .arg(data.readError->line)
        .arg(data.photos.size());
}
