#pragma once

#include <string>

#include <QImage>
#include <QPainter>

#include "imaging/DecodedFile.h"
#include "imaging/FitRules.h"

// One image file decoded for display and painted fitted into a box. The image is held as
// decoded for the screen; printing reads the file again at full resolution while it is still
// the file that was shown.
class PhotoBitmap {
public:
    PhotoBitmap() = default;
    virtual ~PhotoBitmap() = default;

    // Frees, then holds what the image pipeline decoded; false unless it was decoded.
    bool assign(const DecodedFile& file);
    // file's image is the one held.
    bool holds(const DecodedFile& file) const {
        return loaded && file.isDecoded() && file.image.cacheKey() == shown.image.cacheKey();
    }
    void free();

    bool isLoaded() const { return loaded; }
    // The upright size of the whole image; 0 when nothing is loaded.
    int width() const { return loaded ? uprightSize.width() : 0; }
    int height() const { return loaded ? uprightSize.height() : 0; }
    // The size held in memory for the screen, which may be less than the whole image.
    QSize decodedSize() const { return shown.image.size(); }
    const std::string& path() const { return shown.file; }

    bool layout(const BoxRect& box);
    const BoxRect& fittedRectangle() const { return fittedRect; }
    // The box last laid out in.
    const BoxRect& box() const { return layoutBox; }
    // The image into the fitted rectangle; false when there is none.
    bool paint(QPainter& painter) const;
    // The whole image stretched into destination, sharp on screens of any pixel density.
    void paintInto(QPainter& painter, const BoxRect& destination) const;
    // The image fitted into page and centred: at full resolution while the file is the one
    // that was shown, else (the disc taken out or changed) the image held for the screen.
    void printTo(QPainter& painter, const QRect& page) const;
    bool hitTest(int x, int y) const { return containsPoint(fittedRect, x, y); }

private:
    bool holdsImage() const { return loaded && width() > 0; }
    QImage imageToPrint() const;

    BoxRect layoutBox;
    BoxRect fittedRect;
    DecodedFile shown;
    QSize uprightSize;
    bool loaded = false;
    // The last stretch of the image, reused while the destination size stays the same.
    mutable QImage scaled;
};
