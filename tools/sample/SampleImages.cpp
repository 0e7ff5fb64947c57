#include "tools/sample/SampleImages.h"

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include "imaging/UiFont.h"
#include "tools/sample/FaxTiff.h"

namespace {

const QSize drawingSize(1200, 850);

void drawCentredLines(QPainter& painter, const QRect& box, const QString& big,
                      const QString& small) {
    const int height = box.height();
    painter.setFont(uiFont(height / 6));
    painter.drawText(box.adjusted(0, 0, 0, -height / 4), Qt::AlignCenter, big);
    painter.setFont(uiFont(height / 14));
    painter.drawText(box.adjusted(0, height / 3, 0, 0), Qt::AlignCenter, small);
}

} // namespace

bool writeSamplePhoto(const QString& path, int serialNumber, const QString& title, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(serialNumber * 37 % 360, 90, 200));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    drawCentredLines(painter, image.rect(), QString("No. %1").arg(serialNumber), title);
    painter.end();
    return QImageWriter(path, "jpeg").write(image);
}

bool writeSampleDrawing(const QString& path, const QString& title) {
    const bool tiff = path.endsWith(".TIF", Qt::CaseInsensitive);
    QImage image(drawingSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(image.rect().adjusted(20, 20, -20, -20));
    painter.drawLine(100, 600, 1100, 600);
    drawCentredLines(painter, image.rect(), "参考図", title);
    painter.end();
    if (tiff)
        return writeGroup4Tiff(path, image);
    return QImageWriter(path, "jpeg").write(image);
}
