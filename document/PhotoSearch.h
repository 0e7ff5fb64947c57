#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/PhotoList.h"

// What an inspector looks for: words that must all occur (in the title, the five
// classification levels, 撮影箇所, 施工管理値, the contractor's remark or the file name, compared
// without regard to case and width) and filters that narrow further.
struct SearchQuery {
    std::string text;
    bool representativeOnly = false; // 代表写真
    bool submissionOnly = false;     // 提出頻度写真
    std::string shotFrom;            // 撮影年月日 CCYY-MM-DD, inclusive; empty: no bound
    std::string shotTo;
    // Only these photos (those with findings of the check); null: any.
    const std::unordered_set<const PhotoRecord*>* among = nullptr;

    // Nothing narrows: every photo would match.
    bool narrowsNothing() const;
};

// The photos of one delivery made searchable once: their texts folded, in serial-number
// order. A search then reads each folded text once per word.
class PhotoSearch {
public:
    // photos: a share of the delivery's photos, in file order; the search keeps them. Safe to
    // make on any thread: the records are only read.
    explicit PhotoSearch(PhotoList photos);

    // The photos that match, in serial-number order (photos with equal numbers in file order).
    std::vector<const PhotoRecord*> matches(const SearchQuery& query) const;
    // The index in found (what matches gave) of the first match at or after photo in
    // serial-number order; 0 when none is after it. One pass over the photos.
    std::size_t firstAtOrAfter(const std::vector<const PhotoRecord*>& found,
                               const PhotoRecord& photo) const;

private:
    bool passesFilters(const PhotoRecord& photo, const SearchQuery& query) const;
    std::string_view textOf(std::size_t rank) const;

    PhotoList photos; // in serial-number order
    // The searched texts of every photo, folded, one after the other in one buffer (one
    // allocation, not one per photo): photo r's run from textEnds[r - 1] to textEnds[r].
    std::string texts;
    std::vector<std::size_t> textEnds;
};
