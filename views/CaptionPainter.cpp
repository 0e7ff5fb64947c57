#include "views/CaptionPainter.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

void paintFrame(QPainter& painter, const BoxRect& rectangle, int inset, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(rectangle.left + inset, rectangle.top + inset,
                           rectangle.width() - 2 * inset, rectangle.height() - 2 * inset));
    painter.restore();
}

void paintFileCaption(QPainter& painter, const QRect& box, const QString& caption,
                      const QFont& font) {
    painter.save();
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, caption);
    painter.restore();
    paintFrame(painter, BoxRect::fromQRect(box), 3, captionFrameColour);
}

void paintCaptionOverImage(QPainter& painter, const QRectF& image, const QString& caption,
                           const QFont& font) {
    if (caption.isEmpty())
        return;
    const qreal height = std::min(image.height(), QFontMetricsF(font).height() * 2.5);
    const QRect band =
        QRectF(image.left(), image.center().y() - height / 2, image.width(), height).toRect();
    painter.fillRect(band, QColor(255, 255, 255, 230));
    paintFileCaption(painter, band, caption, font);
}

QFont pixelSizedFont(const QFont& font) {
    QFont sized = font;
    sized.setPixelSize(QFontInfo(font).pixelSize());
    return sized;
}
