#include "model/PhotoDataSet.h"

PhotoDataSet::PhotoDataSet(const PhotoDataSet& other)
    : basicInfo(other.basicInfo), hasConstructionInfo(other.hasConstructionInfo),
      constructionInfo(other.constructionInfo),
      constructionInfoSource(other.constructionInfoSource), readError(other.readError),
      rootElement(other.rootElement) {
    photos.deepCopyFrom(other.photos);
}

PhotoDataSet& PhotoDataSet::operator=(const PhotoDataSet& other) {
    if (this != &other) {
        basicInfo = other.basicInfo;
        hasConstructionInfo = other.hasConstructionInfo;
        constructionInfo = other.constructionInfo;
        constructionInfoSource = other.constructionInfoSource;
        photos.deepCopyFrom(other.photos);
        readError = other.readError;
        rootElement = other.rootElement;
    }
    return *this;
}

void PhotoDataSet::reset() {
    basicInfo.clear();
    hasConstructionInfo = false;
    constructionInfo.reset();
    constructionInfoSource.clear();
    photos.clear();
    readError.reset();
    rootElement.clear();
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
