#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "model/PhotoRecord.h"

// An ordered list of shared photo records. Each entry holds one use of its record; a record
// is destroyed when the last entry holding it is given up. A record in a list is never changed:
// lists are shared with the workers, which read them while the views do.
class PhotoList {
public:
    PhotoList() = default;
    PhotoList(const PhotoList&) = delete;
    PhotoList& operator=(const PhotoList&) = delete;
    PhotoList(PhotoList&& other) noexcept;
    PhotoList& operator=(PhotoList&& other) noexcept;
    ~PhotoList();

    // Takes one use of the record, which may already stand in other lists.
    void append(const PhotoRecord& record);
    // Hands a record that no list holds yet to this list.
    void adopt(std::unique_ptr<PhotoRecord> record);
    // Becomes a list of the same records as other.
    void shareFrom(const PhotoList& other);
    // Becomes a list of new copies of the records of other.
    void deepCopyFrom(const PhotoList& other);
    void clear();

    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    const PhotoRecord& operator[](std::size_t index) const { return *entries[index]; }

    auto begin() const { return entries.begin(); }
    auto end() const { return entries.end(); }

    // Reorders the entries by the key keyOf gives each record, equal keys keeping their order;
    // the records and their uses stay the same. Each key is made once, not at every compare.
    template <typename KeyOf> void stableSortByKey(KeyOf keyOf);

private:
    static void release(const PhotoRecord* record);

    std::vector<const PhotoRecord*> entries;
};

template <typename KeyOf> void PhotoList::stableSortByKey(KeyOf keyOf) {
    using Key = decltype(keyOf(std::declval<const PhotoRecord&>()));
    std::vector<std::pair<Key, const PhotoRecord*>> keyed;
    keyed.reserve(entries.size());
    for (const PhotoRecord* entry : entries)
        keyed.emplace_back(keyOf(*entry), entry);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t index = 0; index < keyed.size(); ++index)
        entries[index] = keyed[index].second;
}
