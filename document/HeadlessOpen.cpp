#include "document/HeadlessOpen.h"

#include "document/SystemErrorText.h"
#include "media/DeliveryLocation.h"
#include "media/MountPoints.h"
#include "model/PhotoXmlReader.h"

namespace {

std::string failureOf(const DeliveryRead& read) {
    switch (read.outcome) {
    case DeliveryRead::Outcome::Read:
        return {};
    case DeliveryRead::Outcome::CannotOpen:
        return systemErrorText(read.error);
    case DeliveryRead::Outcome::NotPhotoXml:
        return "写真XMLファイルではありません";
    case DeliveryRead::Outcome::LoadFailed:
        break;
    }
    return "読み込めません";
}

} // namespace

HeadlessOpen openDeliveryHeadless(const std::string& path) {
    HeadlessOpen open;
    const auto photoXml = deliveryFileAt(path);
    if (!photoXml) {
        open.failedPath = path;
        open.failure = "写真XMLファイルも納品フォルダーも見つかりません";
        return open;
    }
    open.read = readDelivery(
        *photoXml,
        [](const std::string& file, PhotoDataSet& data) {
            return PhotoXmlReader().load(file, data);
        },
        systemMountPoints);
    open.failure = failureOf(open.read);
    if (!open.opened())
        open.failedPath = *photoXml;
    return open;
}
