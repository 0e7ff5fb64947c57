#pragma once

#include "model/ConstructionInfo.h"
#include "model/DumpSink.h"
#include "model/ElementTables.h"
#include "model/PhotoList.h"
#include "model/TextSlots.h"

// The texts of the root-level elements (the 基礎情報 group).
using BasicInfo = TextSlots<BasicSlot, 7>;

// Everything read from one photo XML file.
class PhotoDataSet {
public:
    BasicInfo basicInfo;
    bool hasConstructionInfo = false; // a complete 工事情報 section was read
    ConstructionInfo constructionInfo;
    PhotoList photos; // in the order in which their sections end in the file

    PhotoDataSet() = default;
    // A copy holds records of its own, never shared with the source.
    PhotoDataSet(const PhotoDataSet& other);
    PhotoDataSet& operator=(const PhotoDataSet& other);
    PhotoDataSet(PhotoDataSet&&) noexcept = default;
    PhotoDataSet& operator=(PhotoDataSet&&) noexcept = default;

    void reset();
    void dump(DumpSink& sink) const;
};
