#pragma once

#include <QString>

// The photo XML file a path names: the file itself, or for a folder its delivery, the
// folder's PHOTO.XML or, at the root of a disc or stick, PHOTO/PHOTO.XML, names matched
// without regard to case (a disc mounted on Linux may show them in lower case). Empty when
// a folder holds no delivery or the path does not exist.
QString deliveryFileAt(const QString& path);
