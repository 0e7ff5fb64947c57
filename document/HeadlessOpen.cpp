#include "document/HeadlessOpen.h"

#include "document/SystemErrorText.h"
#include "media/DeliveryLocation.h"
#include "media/MountPoints.h"
#include "model/PhotoXmlReader.h"

namespace {

std::string failureOf(const OpenedDelivery& read) {
    switch (read.outcome) {
    case OpenedDelivery::Outcome::Read:
        return {};
    case OpenedDelivery::Outcome::CannotOpen:
        return systemErrorText(read.error);
    case OpenedDelivery::Outcome::NotPhotoXml:
        return "写真XMLファイルではありません";
    case OpenedDelivery::Outcome::LoadFailed:
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
    open.delivery = readDelivery(
        *photoXml,
        [](const std::string& file, PhotoDataSet& data) {
            return PhotoXmlReader().load(file, data);
        },
        systemMountPoints);
    open.failure = failureOf(open.delivery);
    if (!open.opened())
        open.failedPath = *photoXml;
    return open;
}
