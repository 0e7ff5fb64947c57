#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

#include "imaging/DecodedFile.h"

// Decoded images kept by the path they were asked for, one (the sharpest) per path, least
// recently used first out within a memory budget. An entry is used only while its file is
// unchanged (same size and modification time); a missing file is never kept, so asking again
// looks for it again. GUI thread only.
class ImageCache {
public:
    static constexpr std::size_t defaultBudget = std::size_t(256) << 20;

    explicit ImageCache(std::size_t budgetBytes = defaultBudget) : budget(budgetBytes) {}

    // What is held for path, or null; a stale entry is dropped.
    const DecodedFile* find(const std::string& path);
    // Keeps decoded for path unless a sharper image of the same file is held already.
    void insert(const std::string& path, DecodedFile decoded);
    void forget(const std::string& path);
    // Drops every image and gives the memory back to the system: a delivery closed frees
    // what it used.
    void clear();
    std::size_t bytesHeld() const { return bytes; }

private:
    struct Entry {
        std::string path;
        DecodedFile decoded;
    };
    using Entries = std::list<Entry>; // most recently used first

    void drop(Entries::iterator entry);
    void keepWithinBudget();

    std::size_t budget;
    std::size_t bytes = 0;
    Entries entries;
    std::unordered_map<std::string, Entries::iterator> byPath;
};
