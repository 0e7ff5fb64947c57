#include "imaging/UiFont.h"

#include <QFontMetrics>
#include <QStringList>

QFont uiFont(int cellHeight) {
    QFont font;
    font.setFamilies({"MS UI Gothic", "Noto Sans CJK JP", "IPAGothic", "sans-serif"});
    const int height = std::max(cellHeight, 1);
    font.setPixelSize(height);
    // A pixel size sets the em; the cell of CJK fonts is taller than the em.
    const int measured = QFontMetrics(font).height();
    if (measured > height)
        font.setPixelSize(std::max(1, height * height / measured));
    return font;
}
