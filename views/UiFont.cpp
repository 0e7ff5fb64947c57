#include "views/UiFont.h"

#include <QFontMetrics>
#include <QStringList>

QFont uiFont(int cellHeight) {
    QFont font;
    font.setFamilies({"MS UI Gothic", "Noto Sans CJK JP", "IPAGothic", "sans-serif"});
    if (cellHeight <= 0)
        return font; // no height given: the desktop's default size
    font.setPixelSize(cellHeight);
    // A pixel size sets the em; the cell of CJK fonts is taller than the em.
    const int measured = QFontMetrics(font).height();
    if (measured > cellHeight)
        font.setPixelSize(std::max(1, cellHeight * cellHeight / measured));
    return font;
}
