#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DumpSink.h"
#include "model/ElementTables.h"
#include "model/ReferenceDrawing.h"
#include "model/TextSlots.h"

// One 写真情報 section. Records are shared by several PhotoLists at once; useCount counts the
// list entries that hold the record, and the last list to let go destroys it.
class PhotoRecord {
public:
    TextSlots<PhotoSlot, 22> slots;
    std::vector<ReferenceDrawing> drawings;
    std::vector<std::string> controlValueReserves;
    std::vector<std::string> photoInfoReserves;
    std::string captionText; // the classification path, then the title on a line of its own
    std::string detailText;
    // The element the file named the contractor's remark with: 請負者説明文 or 受注者説明文.
    std::string_view contractorRemarkName = elementName(PhotoSlot::ContractorRemark);
    // Counted by the lists, which hold their records as const.
    mutable std::atomic<std::int32_t> useCount = 0;

    PhotoRecord() = default;
    // A copy is held by no list yet: everything but the use count is copied.
    PhotoRecord(const PhotoRecord& other);
    PhotoRecord& operator=(const PhotoRecord&) = delete;

    void composeDisplayTexts();
    void dump(DumpSink& sink) const;

private:
    std::string composeCaptionText() const;
    std::string composeDetailText() const;
};
