#include "document/BrowsePosition.h"

#include <cstdint>

#include "document/AlbumContent.h"
#include "document/CQuillonDoc.h"
#include "document/PhotoOrder.h"

namespace {

// The key of node under parent, searched depth first; empty when it is not there.
std::string keyOf(const CategoryNode& parent, const CategoryNode* node) {
    for (const CategoryEntry& entry : parent.children) {
        if (entry.child.get() == node)
            return entry.key;
        if (std::string key = keyOf(*entry.child, node); !key.empty())
            return key;
    }
    return {};
}

// The place of photo among all photos of the delivery in serial-number order, from 1: those
// with a smaller number, and those with the same number earlier in the file, come first. One
// pass, no sorted copy: this runs at every step.
std::size_t placeInDelivery(const CQuillonDoc& document, const PhotoRecord& photo) {
    const std::int64_t number = serialNumberValue(photo.slots[PhotoSlot::SerialNumber]);
    std::size_t place = 1;
    bool beforeIt = true;
    for (const PhotoRecord* other : document.photoData().photos) {
        if (other == &photo) {
            beforeIt = false;
            continue;
        }
        const std::int64_t otherNumber = serialNumberValue(other->slots[PhotoSlot::SerialNumber]);
        if (otherNumber < number || (otherNumber == number && beforeIt))
            ++place;
    }
    return place;
}

std::string fraction(std::size_t place, std::size_t count) {
    return std::to_string(place) + " / " + std::to_string(count);
}

// The drawing chosen (the one enlarging shows), with its 参考図タイトル.
std::string drawingText(const ReferenceDrawing* drawing) {
    if (!drawing)
        return {};
    const std::string& title = drawing->slots[DrawingSlot::DrawingTitle];
    return "　参考図 " + drawing->slots[DrawingSlot::DrawingFileName] +
           (title.empty() ? "" : "「" + title + "」");
}

std::string photoPositionText(const CQuillonDoc& document, const PhotoRecord& photo) {
    const std::size_t all = document.photoData().photos.size();
    const std::size_t inOrder = static_cast<std::size_t>(document.currentIndex()) + 1;
    const bool inNode = document.browseMode() == BrowseMode::ChosenNode && document.selectedNode();
    if (!inNode && !document.searching())
        return "写真 " + fraction(inOrder, all);
    const std::string narrowedBy =
        document.searching() ? "検索" : keyOf(document.rootNode(), document.selectedNode());
    return "写真 " + fraction(placeInDelivery(document, photo), all) + "（" + narrowedBy + " " +
           fraction(inOrder, document.photoOrder().size()) + "）";
}

} // namespace

std::string browsePositionText(const CQuillonDoc& document) {
    const PhotoRecord* photo = document.currentPhoto();
    if (!photo)
        return {};
    return photoPositionText(document, *photo) + drawingText(document.currentDrawing());
}

std::string windowTitleFor(const CQuillonDoc& document) {
    const std::string name = constructionNameOf(document.photoData());
    return name.empty() ? "TESSEL" : name + " — TESSEL";
}
