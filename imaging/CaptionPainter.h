#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "imaging/FitRules.h"

class QPainter;

// The frame around a caption that stands where an image is missing.
inline const QColor captionFrameColour{190, 190, 190};

// Paints a 4-pixel frame of colour on rectangle moved in by inset on every side.
void paintFrame(QPainter& painter, const BoxRect& rectangle, int inset, const QColor& colour);

// What stands where an image cannot be shown: the caption on one line, centred, in a grey
// frame. The screen and the printer paint it alike.
void paintFileCaption(QPainter& painter, const QRect& box, const QString& caption,
                      const QFont& font);

// The caption over an image of a file cut short, across the middle of the part shown: the
// decoder greys what it could not read, which looks like a photo of a grey wall.
void paintCaptionOverImage(QPainter& painter, const QRectF& image, const QString& caption,
                           const QFont& font);

// font sized in pixels, so that a painter scaling a screen's box onto a page scales the text
// with it (a size in points would be taken at the printer's resolution).
QFont pixelSizedFont(const QFont& font);
