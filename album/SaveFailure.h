#pragma once

#include <QString>

class QFileDevice;

// Why file could not be written, in the user's words: the error number the failing call left
// (Qt's own text is English), else the kind of failure Qt reports.
QString saveFailure(const QFileDevice& file, int error);
