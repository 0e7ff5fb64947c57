#include "document/CategoryNode.h"

#include <algorithm>
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
    for (const PhotoRecord* photo : photos)
        placePhoto(*photo, level);
    if (level >= deepestLevel)
        return;
    for (CategoryEntry& entry : children)
        entry.child->classify(level + 1);
}

void CategoryNode::placePhoto(const PhotoRecord& photo, int level) {
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

CategoryNode* CategoryNode::deepestNodeOf(const PhotoRecord& photo) {
    return const_cast<CategoryNode*>(std::as_const(*this).deepestNodeOf(photo));
}

std::unordered_map<const CategoryNode*, int>
countPerNode(const CategoryNode& root, const std::function<bool(const PhotoRecord&)>& counts) {
    std::unordered_map<const CategoryNode*, int> found;
    const std::function<void(const CategoryNode&)> visit = [&](const CategoryNode& node) {
        for (const CategoryEntry& entry : node.children) {
            const int count = static_cast<int>(
                std::count_if(entry.child->photos.begin(), entry.child->photos.end(),
                              [&](const PhotoRecord* photo) { return counts(*photo); }));
            if (count > 0) {
                found[entry.child.get()] = count;
                visit(*entry.child); // no photo that counts lies deeper otherwise
            }
        }
    };
    visit(root);
    return found;
}
