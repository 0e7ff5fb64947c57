#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// What stands where an image cannot be shown: the caption on one line, centred, in a grey
// frame. The screen and the printer paint it alike.
void paintFileCaption(QPainter& painter, const QRect& box, const QString& caption,
                      const QFont& font);

// font sized in pixels, so that a painter scaling a screen's box onto a page scales the text
// with it (a size in points would be taken at the printer's resolution).
QFont pixelSizedFont(const QFont& font);
