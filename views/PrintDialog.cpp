#include "views/PrintDialog.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void printOnePage(QWidget* parent, const std::function<void(QPainter&, const QRect&)>& printPage) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    printPage(painter, QRect(QPoint(0, 0), printable.size()));
}
