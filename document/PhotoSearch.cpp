#include "document/PhotoSearch.h"

#include <algorithm>
#include <iterator>

#include "document/PhotoOrder.h"
#include "document/SearchText.h"

namespace {

constexpr PhotoSlot searchedSlots[] = {
    PhotoSlot::Title,        PhotoSlot::MajorCategory, PhotoSlot::PhotoCategory,
    PhotoSlot::WorkType,     PhotoSlot::WorkKind,      PhotoSlot::WorkDetail,
    PhotoSlot::ShotLocation, PhotoSlot::ControlValue,  PhotoSlot::ContractorRemark,
    PhotoSlot::FileName,
};

// The texts a search reads, one line each, so that no word runs from one into the next.
std::string searchedText(const PhotoRecord& photo) {
    std::string text;
    for (const PhotoSlot slot : searchedSlots) {
        text += photo.slots[slot];
        text += '\n';
    }
    return text;
}

} // namespace

bool SearchQuery::narrowsNothing() const {
    return searchWords(text).empty() && !representativeOnly && !submissionOnly &&
           shotFrom.empty() && shotTo.empty() && !among;
}

PhotoSearch::PhotoSearch(PhotoList delivery) : photos(std::move(delivery)) {
    sortBySerialNumber(photos);
    textEnds.reserve(photos.size());
    std::string unfolded;
    for (const PhotoRecord* photo : photos) {
        unfolded += searchedText(*photo);
        textEnds.push_back(unfolded.size());
    }
    texts = foldForSearch(unfolded);
    // Folding shortens some characters (ＡＢＣ, ｶﾞ): the ends are found again, line by line.
    textEnds.clear();
    std::size_t lines = 0;
    for (std::size_t at = 0; at < texts.size(); ++at) {
        if (texts[at] == '\n' && ++lines % std::size(searchedSlots) == 0)
            textEnds.push_back(at + 1);
    }
}

std::string_view PhotoSearch::textOf(std::size_t rank) const {
    const std::size_t start = rank == 0 ? 0 : textEnds[rank - 1];
    return std::string_view(texts).substr(start, textEnds[rank] - start);
}

bool PhotoSearch::passesFilters(const PhotoRecord& photo, const SearchQuery& query) const {
    const std::string& shot = photo.slots[PhotoSlot::ShotDate];
    return (!query.representativeOnly || photo.slots[PhotoSlot::Representative] == "1") &&
           (!query.submissionOnly || photo.slots[PhotoSlot::SubmissionFrequency] == "1") &&
           (query.shotFrom.empty() || (!shot.empty() && shot >= query.shotFrom)) &&
           (query.shotTo.empty() || (!shot.empty() && shot <= query.shotTo)) &&
           (!query.among || query.among->contains(&photo));
}

std::vector<const PhotoRecord*> PhotoSearch::matches(const SearchQuery& query) const {
    const std::vector<std::string> words = searchWords(query.text);
    std::vector<const PhotoRecord*> found;
    for (std::size_t rank = 0; rank < photos.size(); ++rank) {
        const std::string_view text = textOf(rank);
        bool all = passesFilters(photos[rank], query);
        for (auto word = words.begin(); all && word != words.end(); ++word)
            all = text.find(*word) != std::string_view::npos;
        if (all)
            found.push_back(&photos[rank]);
    }
    return found;
}

std::size_t PhotoSearch::firstAtOrAfter(const std::vector<const PhotoRecord*>& found,
                                        const PhotoRecord& photo) const {
    // found is in the photos' order: walk both up to photo, counting the matches passed.
    std::size_t match = 0;
    for (std::size_t rank = 0; rank < photos.size() && &photos[rank] != &photo; ++rank) {
        if (match < found.size() && found[match] == &photos[rank])
            ++match;
    }
    return match == found.size() ? 0 : match;
}
