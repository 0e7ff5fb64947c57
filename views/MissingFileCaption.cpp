#include "views/MissingFileCaption.h"

std::string missingFileCaption(std::string_view fileName, std::string_view mediaNumber) {
    return std::string(fileName) + "　：　メディア番号＝" + std::string(mediaNumber);
}
