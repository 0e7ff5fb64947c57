#pragma once

#include <QSize>
#include <QString>

#include "tools/sample/SampleDelivery.h"
#include "tools/sample/SampleImages.h"

// The files of a sample delivery as their records plant them: sound (a photo with its EXIF
// shot date), or with the fault planted. A file planted as not written is left out.
bool writePhotoFile(const QString& path, const SamplePhoto& photo, QSize size,
                    PhotoContent content);
bool writeDrawingFile(const QString& path, const SampleDrawing& drawing);
