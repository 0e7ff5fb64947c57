#include "model/PhotoDataSet.h"

PhotoDataSet::PhotoDataSet(const PhotoDataSet& other) {
    copyAllButPhotos(other);
    photos.deepCopyFrom(other.photos);
}

PhotoDataSet& PhotoDataSet::operator=(const PhotoDataSet& other) {
    if (this != &other) {
        copyAllButPhotos(other);
        photos.deepCopyFrom(other.photos);
    }
    return *this;
}

PhotoDataSet PhotoDataSet::sharingRecords() const {
    PhotoDataSet share;
    share.copyAllButPhotos(*this);
    share.photos.shareFrom(photos);
    return share;
}

void PhotoDataSet::copyAllButPhotos(const PhotoDataSet& other) {
    basicInfo = other.basicInfo;
    hasConstructionInfo = other.hasConstructionInfo;
    constructionInfoLine = other.constructionInfoLine;
    constructionInfo = other.constructionInfo;
    constructionInfoSource = other.constructionInfoSource;
    readError = other.readError;
    rootElement = other.rootElement;
    prolog = other.prolog;
    misplacedElements = other.misplacedElements;
}

void PhotoDataSet::reset() {
    basicInfo.clear();
    hasConstructionInfo = false;
    constructionInfoLine = 0;
    constructionInfo.reset();
    constructionInfoSource.clear();
    photos.clear();
    readError.reset();
    rootElement.clear();
    prolog = {};
    misplacedElements.clear();
}

void PhotoDataSet::dump(DumpSink& sink) const {
    dumpSlots(sink, "基礎情報：", basicElementNames, basicInfo);
    if (!constructionInfoSource.empty())
        sink.writeLine("工事情報：", "読込元", constructionInfoSource);
    if (hasConstructionInfo)
        constructionInfo.dump(sink);
    for (const PhotoRecord* record : photos)
        record->dump(sink);
}
