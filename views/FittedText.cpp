#include "views/FittedText.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

#include "views/PlainText.h"
#include "views/UiFont.h"

namespace {

// Below this a Japanese text stops being readable on screen.
constexpr int smallestFontHeight = 11;
const QString ellipsis = QStringLiteral("…");

} // namespace

FittedText::FittedText(QWidget* parent) : QWidget(parent) {}

void FittedText::setText(const QString& text) {
    whole = text;
    fit();
}

void FittedText::setDesignedFontHeight(int pixels) {
    designedFontHeight = pixels;
    fit();
}

void FittedText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

int FittedText::fittingFontHeight(int lineCount) const {
    const int fitting = height() / std::max(1, lineCount);
    return std::max(std::min(designedFontHeight, fitting), smallestFontHeight);
}

void FittedText::fit() {
    const QStringList lines = whole.isEmpty() ? QStringList() : whole.split('\n');
    setFont(uiFont(fittingFontHeight(int(lines.size()))));
    const QFontMetrics metrics(font());
    const int room = std::max(1, height() / std::max(1, metrics.height()));
    shown.clear();
    bool shortened = false;
    for (int line = 0; line < std::min(int(lines.size()), room); ++line) {
        const bool moreFollow = line == room - 1 && lines.size() > room;
        shown.append(elided(lines[line], moreFollow, metrics));
        shortened = shortened || shown.back() != lines[line];
    }
    setToolTip(shortened ? plainTextToolTip(whole) : QString());
    update();
}

QString FittedText::elided(const QString& line, bool moreFollow,
                           const QFontMetrics& metrics) const {
    if (!moreFollow)
        return metrics.elidedText(line, Qt::ElideRight, width());
    // Lines left out are marked at the end of the one before them.
    const QString cut =
        metrics.elidedText(line, Qt::ElideRight, width() - metrics.horizontalAdvance(ellipsis));
    return cut.endsWith(ellipsis) ? cut : cut + ellipsis;
}

void FittedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString& line : shown) {
        painter.drawText(QRect(0, top, width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.height();
    }
}
