#include "document/CategoryNode.h"

#include <utility>

PhotoSlot classificationSlot(int level) {
    return static_cast<PhotoSlot>(static_cast<int>(PhotoSlot::MajorCategory) + level - 1);
}

void CategoryNode::clear() {
    children.clear();
    photos.clear();
}

CategoryNode* CategoryNode::findChild(std::string_view key) const {
    for (const CategoryEntry& entry : children) {
        if (entry.key == key)
            return entry.child.get();
    }
    return nullptr;
}

CategoryNode& CategoryNode::setChild(std::string key, std::unique_ptr<CategoryNode> node) {
    children.push_back({std::move(key), std::move(node)});
    return *children.back().child;
}

void CategoryNode::classify(int level) {
    for (PhotoRecord* photo : photos)
        placePhoto(*photo, level);
    if (level >= deepestLevel)
        return;
    for (CategoryEntry& entry : children)
        entry.child->classify(level + 1);
}

void CategoryNode::placePhoto(PhotoRecord& photo, int level) {
    const std::string& key = photo.slots[classificationSlot(level)];
    if (key.empty())
        return;
    CategoryNode* child = findChild(key);
    if (!child)
        child = &setChild(key, std::make_unique<CategoryNode>());
    child->photos.append(photo);
}

const CategoryNode* CategoryNode::deepestNodeOf(const PhotoRecord& photo) const {
    const CategoryNode* deepest = nullptr;
    const CategoryNode* node = this;
    for (int level = 1; level <= deepestLevel && node; ++level) {
        const std::string& key = photo.slots[classificationSlot(level)];
        node = key.empty() ? nullptr : node->findChild(key);
        if (node)
            deepest = node;
    }
    return deepest;
}
