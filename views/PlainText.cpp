#include "views/PlainText.h"

#include <QLabel>
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
