#include "tools/sample/SampleImages.h"

#include <algorithm>
#include <cstdint>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>

#include "tools/sample/FaxTiff.h"
#include "tools/sample/SampleExif.h"
#include "views/UiFont.h"

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

// Shading from one corner to the other with fine grain over it, as a photo of gravel or
// grass has: JPEG keeps much of it, so a 1280 × 960 photo takes about 400 KB.
void addTexture(QImage& image, int seed) {
    std::uint32_t state = 0x9E3779B9u ^ static_cast<std::uint32_t>(seed);
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = static_cast<int>(state % 64) - 32;
            const int shade = (x * 40 / width) + (y * 40 / height) - 40 + grain;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + shade, 0, 255),
                           std::clamp(qGreen(pixel) + shade, 0, 255),
                           std::clamp(qBlue(pixel) + shade, 0, 255));
        }
    }
}

// What the camera sees: a few blocks of lighter and darker ground, laid out by scene, so that
// photos of other scenes differ in their looks as real ones do.
void drawScene(QPainter& painter, const QRect& photo, const QColor& ground, int scene) {
    std::uint32_t state = 0x2545F491u * static_cast<std::uint32_t>(scene + 1);
    const auto next = [&state](int below) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<int>(state % static_cast<std::uint32_t>(below));
    };
    for (int block = 0; block < 12; ++block) {
        const int width = photo.width() / 6 + next(photo.width() / 3);
        const int height = photo.height() / 6 + next(photo.height() / 3);
        const QRect area(next(photo.width() - width), next(photo.height() - height), width, height);
        painter.fillRect(area,
                         next(2) ? ground.lighter(130 + next(40)) : ground.darker(130 + next(40)));
    }
}

// A site blackboard in the lower left, an eighth of the photo wide, as real photos carry it: its
// lines are what an inspector zooms in to read.
void drawBlackboard(QPainter& painter, const QRect& photo, int serialNumber) {
    const int width = photo.width() / 8;
    const int height = width * 3 / 4;
    const QRect board(photo.left() + width / 8, photo.bottom() - height - width / 8, width, height);
    painter.fillRect(board, QColor(30, 70, 45));
    painter.setPen(Qt::white);
    painter.setFont(uiFont(std::max(1, height / 9)));
    const SampleBlackboard said = sampleBlackboard(serialNumber);
    const QStringList lines{"工事名　" + QString::fromStdString(said.constructionName),
                            "工種　" + QString::fromStdString(said.workType),
                            "測点　" + QString::fromStdString(said.station),
                            "設計値　" + QString::fromStdString(said.designedValue) + " mm",
                            "実測値　" + QString::fromStdString(said.measuredValue) + " mm"};
    const int lineHeight = height / int(lines.size());
    for (int line = 0; line < lines.size(); ++line) {
        const QRect row(board.left() + width / 20, board.top() + line * lineHeight, width,
                        lineHeight);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, lines[line]);
    }
}

} // namespace

bool writeSamplePhoto(const QString& path, int serialNumber, const QString& title, QSize size,
                      PhotoContent content) {
    QImage image(size, QImage::Format_RGB32);
    const QColor ground = QColor::fromHsv(serialNumber * 37 % 360, 90, 200);
    image.fill(ground);
    QPainter painter(&image);
    drawScene(painter, image.rect(), ground, serialNumber);
    if (content == PhotoContent::Textured) {
        painter.end();
        addTexture(image, serialNumber);
        painter.begin(&image);
    }
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    drawCentredLines(painter, image.rect(), QString("No. %1").arg(serialNumber), title);
    drawBlackboard(painter, image.rect(), serialNumber);
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

QByteArray exifThumbnailOf(const QString& path) {
    QImageReader reader(path);
    reader.setScaledSize(reader.size().scaled(QSize(160, 120), Qt::KeepAspectRatio));
    const QImage thumbnail = reader.read();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (thumbnail.isNull() || !buffer.open(QIODevice::WriteOnly) ||
        !thumbnail.save(&buffer, "JPEG", 80))
        return {};
    return jpeg;
}
