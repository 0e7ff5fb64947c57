#pragma once

#include <string>
#include <string_view>

#include "imaging/DecodedFile.h"

// What a view shows where an image file is not on the media at hand: the file name and the
// number of the medium that holds it.
std::string missingFileCaption(std::string_view fileName, std::string_view mediaNumber);
// What a view shows where a delivered file cannot be shown, so that the inspector sees the
// file is damaged rather than a blank frame.
std::string undecodableFileCaption(std::string_view fileName);
// The caption for a file that was not decoded; empty for one that was.
std::string fileCaption(const DecodedFile& file, std::string_view fileName,
                        std::string_view mediaNumber);
