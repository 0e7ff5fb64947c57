#pragma once

#include <string_view>

#include <QString>

class QLabel;
class QWidget;

// Texts from a delivery are shown as they stand: a title such as "配筋状況<b>D13</b>" keeps its
// angle brackets, and no text can make a label or tooltip load a file.

// A label that never reads its text as markup.
QLabel* makePlainTextLabel(QWidget* parent);
// A tooltip showing text as it stands; Qt would take some texts for markup.
QString plainTextToolTip(const QString& text);
// A UTF-8 text of the model, as Qt holds it.
QString qStringOf(std::string_view utf8);
// A count as the program writes counts: digits grouped by thousands (1,000).
QString groupedNumber(qint64 count);
