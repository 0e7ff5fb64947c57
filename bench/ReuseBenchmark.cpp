// The search for pictures used twice over the hashes of 50,000 photos: the index's wall time
// beside the baseline of comparing every pair of the same hashes, measured in the same run.
// The index must take under a second.
//
//   reuse_benchmark [--photos N]

#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "check/PhotoReuse.h"

using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Random looks, one photo in a hundred with a copy a bit or two apart.
std::vector<std::uint64_t> photoLooks(std::size_t count) {
    std::mt19937_64 random(2024);
    std::vector<std::uint64_t> looks(count);
    for (std::size_t photo = 0; photo < count; ++photo)
        looks[photo] = photo % 100 == 99 ? looks[photo - 1] ^ (1u << (photo % 7)) : random();
    return looks;
}

std::size_t everyPair(const std::vector<std::uint64_t>& looks, int maxDistance) {
    std::size_t near = 0;
    for (std::size_t a = 0; a < looks.size(); ++a) {
        for (std::size_t b = a + 1; b < looks.size(); ++b)
            near += std::popcount(looks[a] ^ looks[b]) <= maxDistance;
    }
    return near;
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t count = argc == 3 && std::strcmp(argv[1], "--photos") == 0
                                  ? std::size_t(std::atol(argv[2]))
                                  : 50000;
    const std::vector<std::uint64_t> looks = photoLooks(count);
    auto start = Clock::now();
    const std::size_t baselinePairs = everyPair(looks, 4);
    const double baseline = secondsSince(start);
    start = Clock::now();
    const std::size_t indexPairs = nearHashPairs(looks, 4).size();
    const double index = secondsSince(start);
    std::printf("photos %zu\n", count);
    std::printf("baseline: every pair compared  %.3f s  (%zu near pairs)\n", baseline,
                baselinePairs);
    std::printf("index of the hashes' bytes     %.3f s  (%zu near pairs)\n", index, indexPairs);
    std::printf("ratio %.4f; limit: under 1 s\n", index / baseline);
    return index < 1.0 && indexPairs == baselinePairs ? 0 : 1;
}
