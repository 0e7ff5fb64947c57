#include "views/PrintDialog.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void printOnePage(QWidget* parent, const PagePrinter& printPage) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString failure = printOnePageOn(printer, printPage);
    if (!failure.isEmpty())
        QMessageBox::warning(parent, "TESSEL", "印刷できませんでした。\n" + failure);
}

QString printOnePageOn(QPrinter& printer, const PagePrinter& printPage) {
    QPainter painter;
    if (!painter.begin(&printer))
        return printerFailure(printer);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    printPage(painter, QRect(QPoint(0, 0), printable.size()));
    return {};
}

QString printerFailure(const QPrinter& printer) {
    // Qt tells only that the printer did not open; name what the user chose.
    if (!printer.outputFileName().isEmpty())
        return QString("%1 に書き込めませんでした。").arg(printer.outputFileName());
    return QString("プリンター「%1」を開けませんでした。").arg(printer.printerName());
}
