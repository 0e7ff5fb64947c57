#include "views/CaptionPainter.h"

#include <QFontInfo>
#include <QPainter>

#include "imaging/PhotoBitmap.h"

void paintFileCaption(QPainter& painter, const QRect& box, const QString& caption,
                      const QFont& font) {
    painter.save();
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, caption);
    painter.restore();
    paintFrame(painter, BoxRect::fromQRect(box), 3, captionFrameColour);
}

QFont pixelSizedFont(const QFont& font) {
    QFont sized = font;
    sized.setPixelSize(QFontInfo(font).pixelSize());
    return sized;
}
