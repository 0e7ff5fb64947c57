#include "imaging/FileCaption.h"

std::string missingFileCaption(std::string_view fileName, std::string_view mediaNumber) {
    return std::string(fileName) + "　：　メディア番号＝" + std::string(mediaNumber);
}

std::string undecodableFileCaption(std::string_view fileName) {
    return std::string(fileName) + "　：　画像を表示できません";
}

std::string fileCaption(const DecodedFile& file, std::string_view fileName,
                        std::string_view mediaNumber) {
    switch (file.outcome) {
    case DecodeOutcome::Missing:
        return missingFileCaption(fileName, mediaNumber);
    case DecodeOutcome::Undecodable:
        return undecodableFileCaption(fileName);
    case DecodeOutcome::BadName:
        return std::string(fileName) + "　：　ファイル名が不正です";
    case DecodeOutcome::Decoded:
        break;
    }
    return file.cutShort ? std::string(fileName) + "　：　ファイルが途中で切れています"
                         : std::string();
}
