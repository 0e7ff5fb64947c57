#include "check/PhotoReuse.h"

#include <bit>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "tests/check/CheckFixtures.h"

namespace {

// Two photos, the second's file as edit makes it from the first's; the rules found on the
// second.
std::vector<std::string> rulesOfTheSecond(const std::function<void(FileFacts&)>& edit) {
    FileFacts first = FakeProbe::soundFile();
    first.fingerprint = {"digest of P0000001", 0x0123456789ABCDEFu};
    first.making.taken = "2024:05:10 10:00:00";
    FileFacts second = first;
    second.fingerprint.contentDigest = "digest of P0000002";
    edit(second);
    const std::vector<ProbedPhoto> photos{{0, "1", "P0000001.JPG", &first},
                                          {1, "2", "P0000002.JPG", &second}};
    std::vector<std::string> rules;
    for (const auto& [position, finding] : reusedPhotoFindings(photos)) {
        if (position == 1)
            rules.emplace_back(finding.ruleId);
    }
    return rules;
}

} // namespace

TEST(PhotoReuse, APictureUsedTwiceIsFoundButASeriesOfShotsIsNot) {
    using Rules = std::vector<std::string>;
    const struct {
        const char* second;
        std::function<void(FileFacts&)> edit;
        Rules expected;
    } cases[] = {
        {"the same bytes",
         [](FileFacts& f) { f.fingerprint.contentDigest = "digest of P0000001"; },
         {"photo-reused"}},
        {"re-saved: looks 3 bits apart",
         [](FileFacts& f) { f.fingerprint.looks ^= 0x7; },
         {"photo-reused"}},
        {"shot 5 s later",
         [](FileFacts& f) {
             f.fingerprint.looks ^= 0x7;
             f.making.taken = "2024:05:10 10:00:05";
         },
         {}},
        {"the same looks a day later",
         [](FileFacts& f) { f.making.taken = "2024:05:11 10:00:00"; },
         {"photo-reused"}},
        {"another scene: 9 bits apart", [](FileFacts& f) { f.fingerprint.looks ^= 0x1FF; }, {}},
        {"one colour", [](FileFacts& f) { f.fingerprint.looks = 0; }, {}},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(rulesOfTheSecond(testCase.edit), testCase.expected) << testCase.second;
}

TEST(PhotoReuse, TheIndexFindsEveryNearPairThatComparingAllWouldFind) {
    std::mt19937_64 random(7);
    std::vector<std::uint64_t> hashes(3000);
    for (std::uint64_t& hash : hashes)
        hash = random();
    // Neighbours of some at every distance to one past the limit, each differing bit in another
    // byte.
    for (int distance = 0; distance <= 8; ++distance) {
        for (int copy = 0; copy < 20; ++copy) {
            std::uint64_t hash = hashes[std::size_t(copy * 7)];
            for (int bit = 0; bit < distance; ++bit)
                hash ^= std::uint64_t(1) << ((copy + bit) % 8 * 8 + copy % 8);
            hashes.push_back(hash);
        }
    }
    std::set<std::pair<std::size_t, std::size_t>> expected;
    for (std::size_t a = 0; a < hashes.size(); ++a) {
        for (std::size_t b = a + 1; b < hashes.size(); ++b) {
            if (std::popcount(hashes[a] ^ hashes[b]) <= 7)
                expected.emplace(a, b);
        }
    }
    const auto pairs = nearHashPairs(hashes, 7); // the most the index allows: one byte alike
    EXPECT_EQ(std::set(pairs.begin(), pairs.end()), expected);
    EXPECT_EQ(pairs.size(), expected.size()); // each pair once
}
