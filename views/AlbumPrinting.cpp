#include "views/AlbumPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "views/PlainText.h"
#include "views/PrintDialog.h"

AlbumOutcome printAlbum(const AlbumSource& source, QPrinter& printer, const AlbumProgress& progress,
                        QString* error) {
    printer.setFullPage(true); // the album's margins are its own
    printer.setDocName(qStringOf(source.constructionName));
    printer.setCreator("TESSEL");
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = printerFailure(printer);
        return {};
    }
    const AlbumOutcome outcome = paintAlbum(source, painter, printer, progress);
    if (!outcome.complete)
        printer.abort();
    return outcome;
}
