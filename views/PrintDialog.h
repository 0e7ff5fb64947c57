#pragma once

#include <functional>

#include <QRect>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

using PagePrinter = std::function<void(QPainter&, const QRect&)>;

// Asks for a printer with the platform's print dialog (which also prints to PDF), then prints
// one page with printPage into the page's printable area; a printer that cannot be opened is
// reported in a message box.
void printOnePage(QWidget* parent, const PagePrinter& printPage);
// Prints one page on printer; empty, or why the printer could not be opened.
QString printOnePageOn(QPrinter& printer, const PagePrinter& printPage);
// Why printer could not be opened, in the user's words.
QString printerFailure(const QPrinter& printer);
