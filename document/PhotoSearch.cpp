#include "document/PhotoSearch.h"

#include "document/PhotoOrder.h"
#include "document/SearchText.h"

namespace {

constexpr PhotoSlot searchedSlots[] = {
    PhotoSlot::Title,        PhotoSlot::MajorCategory, PhotoSlot::PhotoCategory,
    PhotoSlot::WorkType,     PhotoSlot::WorkKind,      PhotoSlot::WorkDetail,
    PhotoSlot::ShotLocation, PhotoSlot::ControlValue,  PhotoSlot::ContractorRemark,
    PhotoSlot::FileName,
};

std::string searchedText(const PhotoRecord& photo) {
    std::string text;
    for (const PhotoSlot slot : searchedSlots) {
        text += photo.slots[slot];
        text += '\n'; // no word runs from one text into the next
    }
    return foldForSearch(text);
}

} // namespace

bool SearchQuery::narrowsNothing() const {
    return searchWords(text).empty() && !representativeOnly && !submissionOnly &&
           shotFrom.empty() && shotTo.empty() && !among;
}

PhotoSearch::PhotoSearch(const PhotoList& photos) {
    PhotoList sorted;
    sorted.shareFrom(photos);
    sortBySerialNumber(sorted);
    entries.reserve(sorted.size());
    for (PhotoRecord* photo : sorted) {
        ranks[photo] = entries.size();
        entries.push_back({photo, searchedText(*photo)});
    }
}

bool PhotoSearch::passesFilters(const PhotoRecord& photo, const SearchQuery& query) const {
    const std::string& shot = photo.slots[PhotoSlot::ShotDate];
    return (!query.representativeOnly || photo.slots[PhotoSlot::Representative] == "1") &&
           (!query.submissionOnly || photo.slots[PhotoSlot::SubmissionFrequency] == "1") &&
           (query.shotFrom.empty() || (!shot.empty() && shot >= query.shotFrom)) &&
           (query.shotTo.empty() || (!shot.empty() && shot <= query.shotTo)) &&
           (!query.among || query.among->contains(&photo));
}

std::vector<PhotoRecord*> PhotoSearch::matches(const SearchQuery& query) const {
    const std::vector<std::string> words = searchWords(query.text);
    std::vector<PhotoRecord*> found;
    for (const Entry& entry : entries) {
        bool all = passesFilters(*entry.photo, query);
        for (auto word = words.begin(); all && word != words.end(); ++word)
            all = entry.text.find(*word) != std::string::npos;
        if (all)
            found.push_back(entry.photo);
    }
    return found;
}

std::size_t PhotoSearch::rankOf(const PhotoRecord& photo) const {
    return ranks.at(&photo);
}
