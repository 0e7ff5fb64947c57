#include "album/AlbumPainter.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include "document/AlbumLayout.h"
#include "imaging/CaptionPainter.h"

namespace {

QRectF rectOf(const PageBox& box) {
    return {box.left, box.top, box.width, box.height};
}

// Letters and digits come from a Latin font: the CJK font's digits lose their characters
// when a PDF viewer copies or searches the text.
QFont albumFont(double pixels) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Noto Sans CJK JP", "IPAGothic", "sans-serif"});
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}

// text broken into the lines a column of width holds; a long word breaks anywhere.
QStringList wrappedLines(QString text, const QFont& font, double width) {
    text.replace('\n', QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

struct Column {
    QRectF area;
    QFont font;
    double lineHeight;
};

// The particulars as a paper album's 記事欄: a ruled table of a label column and a value
// column, each value wrapped in its cell; what does not fit is shortened with "…". Returns how
// many were shortened.
int paintParticulars(QPainter& painter, const Column& column,
                     const std::vector<AlbumEntry::Particular>& particulars) {
    const QFontMetricsF metrics(column.font);
    const double padding = metrics.height() / 4;
    const double labelWidth = metrics.horizontalAdvance("写真ファイル名") + 2 * padding;
    const double valueLeft = column.area.left() + labelWidth;
    const double valueWidth = column.area.right() - valueLeft - 2 * padding;
    std::vector<QStringList> lines;
    std::vector<int> wanted;
    for (const AlbumEntry::Particular& particular : particulars) {
        lines.push_back(wrappedLines(particular.text, column.font, valueWidth));
        wanted.push_back(int(lines.back().size()));
    }
    const std::vector<int> allotted =
        allotLines(wanted, int(column.area.height() / column.lineHeight));
    painter.setFont(column.font);
    const QPen rule(Qt::gray, std::max(1.0, column.lineHeight / 24));
    int shortened = 0;
    double top = column.area.top();
    for (std::size_t i = 0; i < particulars.size(); ++i) {
        const int count = allotted[i];
        if (count == 0) {
            ++shortened;
            continue;
        }
        QStringList shown = lines[i].mid(0, count);
        if (count < wanted[i]) {
            shown.last() =
                metrics.elidedText(lines[i].mid(count - 1).join(""), Qt::ElideRight, valueWidth);
            ++shortened;
        }
        const QRectF row(column.area.left(), top, column.area.width(), count * column.lineHeight);
        painter.setPen(rule);
        painter.drawRect(row);
        painter.drawLine(QPointF(valueLeft, row.top()), QPointF(valueLeft, row.bottom()));
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(row.left() + padding, top, labelWidth, column.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, particulars[i].label);
        painter.setPen(Qt::black);
        for (const QString& line : shown) {
            painter.drawText(QRectF(valueLeft + padding, top, valueWidth, column.lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, line);
            top += column.lineHeight;
        }
    }
    return shortened;
}

void paintPhoto(QPainter& painter, const QRectF& box, const AlbumEntry& entry, const QFont& font) {
    if (entry.image.isNull()) {
        // The size a photo would have, so that a missing one keeps its place and no more.
        const QSizeF photo = QSizeF(4, 3).scaled(box.size(), Qt::KeepAspectRatio);
        paintFileCaption(painter, QRectF(box.topLeft(), photo).toRect(), entry.caption, font);
        return;
    }
    const QSizeF shown = QSizeF(entry.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(box.topLeft(), shown), entry.image);
    paintCaptionOverImage(painter, QRectF(box.topLeft(), shown), entry.caption, font);
}

void paintHeaderAndFooter(QPainter& painter, const AlbumPageLayout& layout, const AlbumPage& page) {
    const QRectF header = rectOf(layout.header);
    painter.setPen(Qt::black);
    painter.setFont(albumFont(header.height() * 0.5));
    const QFontMetricsF metrics(painter.font());
    // The works' name takes what it needs up to half the width; the classification the rest,
    // shortened at its start, where the levels are broadest.
    const double width = header.width();
    const double name = std::min(metrics.horizontalAdvance(page.constructionName), width / 2);
    const double rest = width - name - metrics.height();
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(page.constructionName, Qt::ElideRight, name + 1));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(page.classification, Qt::ElideLeft, rest));
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.setFont(albumFont(layout.footer.height * 0.45));
    painter.drawText(rectOf(layout.footer), Qt::AlignCenter,
                     QString("%1 / %2").arg(page.number).arg(page.count));
}

} // namespace

int paintAlbumPage(QPainter& painter, QSizeF pageSize, double dpi, int photosPerPage,
                   const AlbumPage& page) {
    const AlbumPageLayout layout =
        albumPageLayout(pageSize.width(), pageSize.height(), dpi, photosPerPage);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintHeaderAndFooter(painter, layout, page);
    const QFont font = albumFont(layout.textHeight * 0.8);
    int shortened = 0;
    for (std::size_t i = 0; i < page.entries.size() && i < layout.bands.size(); ++i) {
        const AlbumBand& band = layout.bands[i];
        paintPhoto(painter, rectOf(band.photo), page.entries[i], font);
        shortened += paintParticulars(painter, {rectOf(band.particulars), font, layout.textHeight},
                                      page.entries[i].particulars);
    }
    painter.restore();
    return shortened;
}

void paintAlbumCover(QPainter& painter, QSizeF pageSize, double dpi,
                     const std::vector<AlbumEntry::Particular>& items) {
    // Within the photo pages' margins: a title a third down the page, the table below it.
    const AlbumPageLayout layout = albumPageLayout(pageSize.width(), pageSize.height(), dpi, 1);
    const QRectF inside(layout.header.left, layout.header.top, layout.header.width,
                        layout.footer.bottom() - layout.header.top);
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(albumFont(layout.header.height * 1.2));
    const QRectF title(inside.left(), inside.top() + inside.height() / 4, inside.width(),
                       layout.header.height * 2);
    painter.drawText(title, Qt::AlignCenter, "工事写真帳");
    const double lineHeight = layout.textHeight * 1.6;
    const QRectF table(inside.left() + inside.width() / 8, title.bottom() + lineHeight * 2,
                       inside.width() * 3 / 4, inside.bottom() - title.bottom() - lineHeight * 2);
    paintParticulars(painter, {table, albumFont(lineHeight * 0.55), lineHeight}, items);
    painter.restore();
}

QSizeF albumPhotoBox(QSizeF pageSize, double dpi, int photosPerPage) {
    const PageBox box = albumPageLayout(pageSize.width(), pageSize.height(), dpi, photosPerPage)
                            .bands.front()
                            .photo;
    return {box.width, box.height};
}
