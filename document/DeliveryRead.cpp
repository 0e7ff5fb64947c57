#include "document/DeliveryRead.h"

#include <cerrno>
#include <cstdio>
#include <exception>

#include "media/DeliveryLocation.h"
#include "model/ConstructionIndex.h"

namespace {

bool loads(const std::string& path, const PhotoXmlLoader& load, PhotoDataSet& data) {
    try {
        return load(path, data) == 0;
    } catch (const std::exception&) {
        return false; // memory exhausted, say: a failed load, reported as such
    }
}

std::string noticeOf(const std::string& path, const PhotoDataSet& data) {
    const std::string fileName = path.substr(path.rfind('/') + 1);
    if (data.readError) {
        return fileName + " の " + std::to_string(data.readError->line) +
               " 行目で読み込みを中断しました（" + std::to_string(data.photos.size()) +
               " 枚を表示）";
    }
    return data.photos.empty() ? fileName + " には写真がありません" : std::string();
}

} // namespace

bool isReadableFile(const std::string& filePath, int& error) {
    std::FILE* file = std::fopen(filePath.c_str(), "rb");
    if (!file) {
        error = errno;
        return false;
    }
    // A folder opens on Linux, but reading it fails.
    char probe;
    const bool readable = std::fread(&probe, 1, 1, file) == 1 || std::feof(file);
    error = readable ? 0 : errno;
    std::fclose(file);
    return readable;
}

DeliveryRead readDelivery(const std::string& path, const PhotoXmlLoader& load,
                          MountPoints mountPoints) {
    DeliveryRead read;
    Delivery& delivery = read.delivery;
    delivery.path = path;
    if (!isReadableFile(path, read.error)) {
        read.outcome = DeliveryRead::Outcome::CannotOpen;
        return read;
    }
    if (!loads(path, load, delivery.data)) {
        read.outcome = DeliveryRead::Outcome::LoadFailed;
        delivery.data.reset();
        return read;
    }
    if (delivery.data.isForeignXml()) {
        read.outcome = DeliveryRead::Outcome::NotPhotoXml;
        return read;
    }
    delivery.folders = deliveryFoldersOf(path);
    delivery.notice = noticeOf(path, delivery.data);
    IndexBeside beside = readIndexBeside(path);
    delivery.indexPath = std::move(beside.path);
    delivery.index = std::move(beside.index);
    if (const auto& index = delivery.index) {
        completeConstructionInfo(delivery.data, delivery.indexPath, *index);
        delivery.otherDiscs =
            DiscSearch::forDisc(delivery.indexPath, index->label, std::move(mountPoints));
    }
    return read;
}
