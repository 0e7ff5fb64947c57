#include "document/AlbumContent.h"

#include "document/CQuillonDoc.h"
#include "document/PhotoOrder.h"

namespace {

// The node chosen in browse mode 1; in mode 0 none is, and the node the tree highlights, the
// current photo's, is meant.
const CategoryNode* highlightedNode(const CQuillonDoc& document) {
    if (document.selectedNode() || !document.currentPhoto())
        return document.selectedNode();
    return document.rootNode().deepestNodeOf(*document.currentPhoto());
}

// The document's list scope takes its photos from, in whatever order it holds them; null
// when the scope has none.
const PhotoList* photosOf(const CQuillonDoc& document, AlbumScope scope) {
    switch (scope) {
    case AlbumScope::Delivery:
        return &document.photoData().photos;
    case AlbumScope::ChosenNode: {
        const CategoryNode* node = highlightedNode(document);
        return node ? &node->photos : nullptr;
    }
    case AlbumScope::SearchMatches:
        return document.searching() ? &document.photoOrder() : nullptr;
    }
    return nullptr;
}

} // namespace

std::string_view albumScopeName(AlbumScope scope) {
    switch (scope) {
    case AlbumScope::ChosenNode:
        return "選択中の分類";
    case AlbumScope::SearchMatches:
        return "検索結果";
    case AlbumScope::Delivery:
        break;
    }
    return "納品全体";
}

std::vector<AlbumParticular> albumParticulars(const PhotoRecord& photo) {
    constexpr PhotoSlot printed[] = {
        PhotoSlot::PhotoCategory, PhotoSlot::WorkType,     PhotoSlot::WorkKind,
        PhotoSlot::WorkDetail,    PhotoSlot::Title,        PhotoSlot::ShotLocation,
        PhotoSlot::ShotDate,      PhotoSlot::ControlValue, PhotoSlot::ContractorRemark,
        PhotoSlot::SerialNumber,  PhotoSlot::FileName};
    std::vector<AlbumParticular> particulars;
    for (const PhotoSlot slot : printed) {
        if (photo.slots[slot].empty())
            continue;
        const std::string_view label =
            slot == PhotoSlot::ContractorRemark ? photo.contractorRemarkName : elementName(slot);
        particulars.push_back({label, photo.slots[slot]});
    }
    return particulars;
}

std::string classificationPathOf(const PhotoRecord& photo) {
    std::string path;
    for (int level = 1; level <= CategoryNode::deepestLevel; ++level) {
        const std::string& key = photo.slots[classificationSlot(level)];
        if (key.empty())
            break; // a photo goes no deeper than its first empty level, as in the tree
        path += (path.empty() ? "" : "/") + key;
    }
    return path;
}

std::string constructionNameOf(const PhotoDataSet& data) {
    return data.hasConstructionInfo
               ? data.constructionInfo.slots[ConstructionSlot::ConstructionName]
               : std::string();
}

std::vector<AlbumParticular> albumCoverItems(const PhotoDataSet& data, std::string_view scope,
                                             std::size_t photoCount, const std::string& madeOn) {
    const auto& slots = data.constructionInfo.slots;
    const auto joined = [&](std::initializer_list<ConstructionSlot> parts, const char* between) {
        std::string text;
        for (const ConstructionSlot part : parts) {
            if (!slots[part].empty())
                text += (text.empty() ? "" : between) + slots[part];
        }
        return text;
    };
    std::vector<AlbumParticular> items;
    const auto add = [&](std::string_view label, std::string text) {
        if (!text.empty())
            items.push_back({label, std::move(text)});
    };
    if (data.hasConstructionInfo) {
        add("工事名称", slots[ConstructionSlot::ConstructionName]);
        add("工期", joined({ConstructionSlot::PeriodStart, ConstructionSlot::PeriodEnd}, " 〜 "));
        add("発注者", joined({ConstructionSlot::OrdererMajor, ConstructionSlot::OrdererMiddle,
                              ConstructionSlot::OrdererMinor},
                             " "));
        add(data.constructionInfo.contractorLabel, slots[ConstructionSlot::ContractorName]);
    }
    add("写真", std::string(scope) + " " + std::to_string(photoCount) + " 枚");
    add("作成日", madeOn);
    return items;
}

void albumPhotos(const CQuillonDoc& document, AlbumScope scope, PhotoList& photos) {
    photos.clear();
    if (const PhotoList* taken = photosOf(document, scope))
        photos.shareFrom(*taken);
    sortBySerialNumber(photos);
}

std::size_t albumPhotoCount(const CQuillonDoc& document, AlbumScope scope) {
    const PhotoList* taken = photosOf(document, scope);
    return taken ? taken->size() : 0;
}

const CategoryNode* nodeAtPath(const CategoryNode& root, std::string_view path) {
    const CategoryNode* node = &root;
    std::string key;
    for (std::size_t at = 0; node && at < path.size(); ++at) {
        const bool escaped = path[at] == '\\' && at + 1 < path.size();
        if (escaped)
            ++at;
        if (escaped || path[at] != '/')
            key += path[at];
        if ((!escaped && path[at] == '/') || at + 1 == path.size()) {
            node = node->findChild(key);
            key.clear();
        }
    }
    return node;
}
