#include "model/PhotoDataSet.h"

PhotoDataSet::PhotoDataSet(const PhotoDataSet& other)
    : basicInfo(other.basicInfo), hasConstructionInfo(other.hasConstructionInfo),
      constructionInfo(other.constructionInfo), readError(other.readError) {
    photos.deepCopyFrom(other.photos);
}

PhotoDataSet& PhotoDataSet::operator=(const PhotoDataSet& other) {
    if (this != &other) {
        basicInfo = other.basicInfo;
        hasConstructionInfo = other.hasConstructionInfo;
        constructionInfo = other.constructionInfo;
        photos.deepCopyFrom(other.photos);
        readError = other.readError;
    }
    return *this;
}

void PhotoDataSet::reset() {
    basicInfo.clear();
    hasConstructionInfo = false;
    constructionInfo.reset();
    photos.clear();
    readError.reset();
}

void PhotoDataSet::dump(DumpSink& sink) const {
    dumpSlots(sink, "基礎情報：", basicElementNames, basicInfo);
    if (hasConstructionInfo)
        constructionInfo.dump(sink);
    for (const PhotoRecord* record : photos)
        record->dump(sink);
}
