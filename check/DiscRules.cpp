#include "check/DiscRules.h"

#include "check/RuleTable.h"
#include "check/TextRules.h"

namespace {

using Disc = DiscSearch::Disc;
using Findings = std::vector<Finding>;

Finding discFinding(std::string message) {
    return findingAtPath("disc-mismatch", "INDEX_C.XML", std::move(message));
}

std::string named(const Disc& disc) {
    return "ディスク " + disc.mountPoint;
}

void comparePair(const Disc& first, const Disc& second, Findings& found) {
    if (first.label.mediumNumber == second.label.mediumNumber)
        found.push_back(discFinding(named(first) + " と " + named(second) +
                                    " がどちらもメディア番号 " + first.label.mediumNumber +
                                    " です"));
    if (first.label.mediumCount != second.label.mediumCount)
        found.push_back(discFinding(named(first) + " のメディア総枚数は " +
                                    first.label.mediumCount + "、" + named(second) + " は " +
                                    second.label.mediumCount + " です"));
}

// The highest medium the photo XML file's records name; "1" when they name none.
std::string highestMediumNamed(const PhotoList& photos) {
    std::string highest = "1";
    for (const PhotoRecord* photo : photos) {
        const std::string& medium = photo->slots[PhotoSlot::MediaNumber];
        if (isPositiveNumber(medium) && numberAbove(medium, highest))
            highest = medium;
    }
    return highest;
}

} // namespace

std::vector<Finding> discFindings(const CheckInput& input) {
    if (!input.otherDiscs)
        return {};
    const std::vector<Disc> discs = input.otherDiscs->discsOfDelivery();
    Findings found;
    for (std::size_t first = 0; first < discs.size(); ++first) {
        for (std::size_t second = first + 1; second < discs.size(); ++second)
            comparePair(discs[first], discs[second], found);
    }
    // This disc's own count is judged record by record.
    const std::string highest = highestMediumNamed(input.data.photos);
    for (std::size_t other = 1; other < discs.size(); ++other) {
        const std::string& count = discs[other].label.mediumCount;
        if (isPositiveNumber(count) && numberAbove(highest, count))
            found.push_back(discFinding("写真管理ファイルがメディア番号 " + highest +
                                        " を指していますが、" + named(discs[other]) +
                                        " のメディア総枚数は " + count + " です"));
    }
    return found;
}
