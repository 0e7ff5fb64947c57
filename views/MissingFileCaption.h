#pragma once

#include <string>
#include <string_view>

// What a view shows where an image file is not on the media at hand: the file name and the
// number of the medium that holds it.
std::string missingFileCaption(std::string_view fileName, std::string_view mediaNumber);
