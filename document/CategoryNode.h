#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/PhotoList.h"

class CategoryNode;

// One child of a node: the classification text its photos share at this level.
struct CategoryEntry {
    std::string key;
    std::unique_ptr<CategoryNode> child;
};

// A node of the five-level classification tree (写真-大分類, 写真区分, 工種, 種別, 細別). A node
// holds, in file order, every photo whose keys down to its level match its path.
class CategoryNode {
public:
    static constexpr int deepestLevel = 5;

    std::vector<CategoryEntry> children; // in the order their keys were first met
    PhotoList photos;

    void clear();
    // The child whose key equals key byte for byte, or null.
    CategoryNode* findChild(std::string_view key) const;
    CategoryNode& setChild(std::string key, std::unique_ptr<CategoryNode> node);
    // Groups this node's photos into children by the key of level (1 to 5), then classifies
    // every child with the next level. A photo goes no deeper than its first empty key.
    void classify(int level);
    // The deepest node under this root that holds photo: its keys followed down from level 1.
    // Null for a photo without classification.
    const CategoryNode* deepestNodeOf(const PhotoRecord& photo) const;
    CategoryNode* deepestNodeOf(const PhotoRecord& photo);

private:
    void placePhoto(const PhotoRecord& photo, int level);
};

// For each node under root (root itself left out) that holds photos for which counts is
// true, how many it holds: the tree shows where findings or matches gather.
std::unordered_map<const CategoryNode*, int>
countPerNode(const CategoryNode& root, const std::function<bool(const PhotoRecord&)>& counts);

// The photo text that gives the key of a level from 1 to 5.
PhotoSlot classificationSlot(int level);
