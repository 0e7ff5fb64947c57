#pragma once

#include <string>

#include <QString>

class PhotoDataSet;

// The status-bar line for a photo XML file whose reading stopped part-way, so that a damaged
// delivery is not taken for a complete one, or that holds no photo at all; empty when the
// whole file was read and holds photos.
QString readStopNotice(const std::string& path, const PhotoDataSet& data);
