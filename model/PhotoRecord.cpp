#include "model/PhotoRecord.h"

PhotoRecord::PhotoRecord(const PhotoRecord& other)
    : slots(other.slots), drawings(other.drawings),
      controlValueReserves(other.controlValueReserves), photoInfoReserves(other.photoInfoReserves),
      captionText(other.captionText), detailText(other.detailText),
      contractorRemarkName(other.contractorRemarkName) {}

void PhotoRecord::composeDisplayTexts() {
    captionText = composeCaptionText();
    detailText = composeDetailText();
}

std::string PhotoRecord::composeCaptionText() const {
    // The classification path, empty levels skipped, and the title on a line of its own.
    std::string caption;
    for (PhotoSlot slot : {PhotoSlot::MajorCategory, PhotoSlot::PhotoCategory, PhotoSlot::WorkType,
                           PhotoSlot::WorkKind, PhotoSlot::WorkDetail}) {
        if (slots[slot].empty())
            continue;
        if (!caption.empty())
            caption += '/';
        caption += slots[slot];
    }
    const std::string& title = slots[PhotoSlot::Title];
    if (!caption.empty() && !title.empty())
        caption += '\n';
    return caption + title;
}

std::string PhotoRecord::composeDetailText() const {
    std::string detail;
    for (PhotoSlot slot : {PhotoSlot::ShotLocation, PhotoSlot::ShotDate, PhotoSlot::ControlValue,
                           PhotoSlot::ContractorRemark}) {
        if (slots[slot].empty())
            continue;
        if (!detail.empty())
            detail += '\n';
        const std::string_view label =
            slot == PhotoSlot::ContractorRemark ? contractorRemarkName : elementName(slot);
        detail.append(label).append("：").append(slots[slot]);
    }
    return detail;
}

void PhotoRecord::dump(DumpSink& sink) const {
    dumpSlots(sink, "写真情報：", photoElementNames, slots);
    for (const ReferenceDrawing& drawing : drawings)
        drawing.dump(sink);
    dumpEntries(sink, "写真情報：", "施工管理値予備", controlValueReserves);
    dumpEntries(sink, "写真情報：", "写真情報予備", photoInfoReserves);
}
