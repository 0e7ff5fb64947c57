#include "views/ElidedLabel.h"

#include <QPainter>

QSize ElidedLabel::minimumSizeHint() const {
    const QSize whole = QLabel::minimumSizeHint();
    return {std::min(whole.width(), fontMetrics().horizontalAdvance("……") + 2 * margin()),
            whole.height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    painter.drawText(room, int(alignment()) | Qt::TextSingleLine, shown);
    setToolTip(shown == text() ? QString() : text());
}
