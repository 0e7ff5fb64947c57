#pragma once

#include <string>

#include <QString>

class PhotoDataSet;

// The status-bar line for a photo XML file whose reading stopped part-way, so that a damaged
// delivery is not taken for a complete one; empty when the whole file was read.
QString readStopNotice(const std::string& path, const PhotoDataSet& data);
