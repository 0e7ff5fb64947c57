#pragma once

#include <functional>

#include <QRect>

class QPainter;
class QWidget;

// Asks for a printer with the platform's print dialog (which also prints to PDF), then prints
// one page with printPage into the page's printable area.
void printOnePage(QWidget* parent, const std::function<void(QPainter&, const QRect&)>& printPage);
