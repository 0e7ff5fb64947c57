#include "check/PhotoReuse.h"

#include <bit>
#include <cstdlib>
#include <map>

#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "model/TextForms.h"

namespace {

// Tuned on the sample generator's pictures: a copy re-saved at nine tenths of the size and a
// lower quality, even with 3 % cut from each edge, differs by 0 bits; of 80,000 pairs of
// distinct scenes none is closer than 7.
constexpr int reusedLooksDistance = 4;
// Shots of one scene taken this close together are a series, not a photo used twice.
constexpr long long seriesSeconds = 10;

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// The byte at place of hash.
unsigned byteAt(std::uint64_t hash, int place) {
    return unsigned(hash >> (8 * place)) & 0xFFu;
}

// Whether the pair shares a byte at a place before place: it was found there already.
bool sharesEarlierByte(std::uint64_t a, std::uint64_t b, int place) {
    for (int earlier = 0; earlier < place; ++earlier) {
        if (byteAt(a, earlier) == byteAt(b, earlier))
            return true;
    }
    return false;
}

void comparePlace(std::span<const std::uint64_t> hashes, int maxDistance, int place, Pairs& pairs) {
    std::vector<std::vector<std::size_t>> byByte(256);
    for (std::size_t index = 0; index < hashes.size(); ++index)
        byByte[byteAt(hashes[index], place)].push_back(index);
    for (const std::vector<std::size_t>& same : byByte) {
        for (std::size_t first = 0; first < same.size(); ++first) {
            for (std::size_t second = first + 1; second < same.size(); ++second) {
                const std::uint64_t a = hashes[same[first]], b = hashes[same[second]];
                if (std::popcount(a ^ b) <= maxDistance && !sharesEarlierByte(a, b, place))
                    pairs.emplace_back(same[first], same[second]);
            }
        }
    }
}

// A picture of one colour has no looks to tell it by.
bool hasLooks(const FileFacts& facts) {
    const std::uint64_t looks = facts.fingerprint.looks;
    return facts.decodable && looks != 0 && looks != ~std::uint64_t(0);
}

bool shotsOfASeries(const FileFacts& a, const FileFacts& b) {
    const auto first = exifMoment(a.making.taken);
    const auto second = exifMoment(b.making.taken);
    if (!first || !second)
        return false;
    const long long apart = std::llabs(*first - *second);
    return apart >= 1 && apart <= seriesSeconds;
}

std::string photoNamed(const ProbedPhoto& photo) {
    return "シリアル番号 " + photo.serial + "（" + photo.fileName + "）";
}

void reportPair(const ProbedPhoto& a, const ProbedPhoto& b, bool sameBytes,
                std::vector<std::pair<int, Finding>>& found) {
    const std::string how = sameBytes ? "と同じファイルの内容です"
                                      : "と同じ絵に見えます（保存し直したか、縮小・切り抜き"
                                        "をした写真かもしれません）";
    found.emplace_back(a.position, makeFinding("photo-reused", photoNamed(b) + "の写真" + how));
    found.emplace_back(b.position, makeFinding("photo-reused", photoNamed(a) + "の写真" + how));
}

} // namespace

Pairs nearHashPairs(std::span<const std::uint64_t> hashes, int maxDistance) {
    Pairs pairs;
    for (int place = 0; place < 8; ++place)
        comparePlace(hashes, maxDistance, place, pairs);
    return pairs;
}

std::vector<std::pair<int, Finding>> reusedPhotoFindings(std::span<const ProbedPhoto> photos) {
    std::vector<std::pair<int, Finding>> found;
    std::map<std::string, std::size_t> byContent;
    std::vector<std::size_t> withLooks;
    std::vector<std::uint64_t> looks;
    for (std::size_t index = 0; index < photos.size(); ++index) {
        const FileFacts& facts = *photos[index].facts;
        if (facts.fingerprint.contentDigest.empty())
            continue;
        const auto [same, first] = byContent.emplace(facts.fingerprint.contentDigest, index);
        // One file named twice is told as a name used twice.
        if (!first &&
            upperAscii(photos[same->second].fileName) != upperAscii(photos[index].fileName))
            reportPair(photos[same->second], photos[index], true, found);
        else if (first && hasLooks(facts)) {
            withLooks.push_back(index);
            looks.push_back(facts.fingerprint.looks);
        }
    }
    for (const auto& [a, b] : nearHashPairs(looks, reusedLooksDistance)) {
        const ProbedPhoto& first = photos[withLooks[a]];
        const ProbedPhoto& second = photos[withLooks[b]];
        if (!shotsOfASeries(*first.facts, *second.facts))
            reportPair(first, second, false, found);
    }
    return found;
}
