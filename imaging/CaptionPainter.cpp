#include "imaging/CaptionPainter.h"

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
    // Wrapped where the image is narrow, as a thumbnail is.
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere;
    constexpr qreal padding = 6;
    const qreal textWidth = std::max<qreal>(1, image.width() - 2 * padding);
    const qreal textHeight =
        QFontMetricsF(font).boundingRect(QRectF(0, 0, textWidth, 1e6), flags, caption).height();
    const qreal height = std::min(image.height(), textHeight + 2 * padding);
    const QRectF band(image.left(), image.center().y() - height / 2, image.width(), height);
    painter.save();
    painter.fillRect(band, QColor(255, 255, 255, 230));
    painter.setPen(QPen(captionFrameColour, 2));
    painter.drawRect(band.adjusted(1, 1, -1, -1));
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(band.adjusted(padding, 0, -padding, 0), flags, caption);
    painter.restore();
}

QFont pixelSizedFont(const QFont& font) {
    QFont sized = font;
    sized.setPixelSize(QFontInfo(font).pixelSize());
    return sized;
}
