#include "tests/support/TestDelivery.h"

std::string testPhotoFileName(std::size_t position) {
    return "F" + std::to_string(position) + ".JPG";
}

std::string testDeliveryXml(const std::vector<TestPhoto>& photos) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><photodata>";
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const TestPhoto& photo = photos[i];
        xml += "<写真情報><シリアル番号>" + photo.serial + "</シリアル番号><写真ファイル名>" +
               testPhotoFileName(i) + "</写真ファイル名><メディア番号>" + photo.mediaNumber +
               "</メディア番号><写真-大分類>" + photo.major + "</写真-大分類><写真区分>" +
               photo.category + "</写真区分><写真タイトル>T" + photo.serial +
               "</写真タイトル><撮影箇所>L" + photo.serial + "</撮影箇所>";
        if (!photo.shotDate.empty())
            xml += "<撮影年月日>" + photo.shotDate + "</撮影年月日>";
        for (int d = 0; d < photo.drawings; ++d)
            xml += "<付加情報><参考図ファイル名>D" + std::to_string(d) +
                   "</参考図ファイル名></付加情報>";
        xml += "</写真情報>";
    }
    return xml + "</photodata>";
}
