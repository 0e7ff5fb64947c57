#include "views/PlainText.h"

#include <QLabel>
#include <QLocale>
#include <QTextDocument>

QLabel* makePlainTextLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString plainTextToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}

QString qStringOf(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString groupedNumber(qint64 count) {
    return QLocale(QLocale::Japanese).toString(count);
}
