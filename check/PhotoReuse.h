#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "check/Finding.h"
#include "media/FileProbe.h"

// The pairs (first < second) of hashes at most maxDistance bits apart, maxDistance below 8.
// Two such hashes agree in at least one of their eight bytes, so only hashes that share a
// byte at the same place are compared: far fewer than every pair.
std::vector<std::pair<std::size_t, std::size_t>>
nearHashPairs(std::span<const std::uint64_t> hashes, int maxDistance);

// One photo's file as probed, for the search of pictures used twice.
struct ProbedPhoto {
    int position; // in the file's order
    std::string serial;
    std::string fileName;
    const FileFacts* facts;
};

// The photos whose pictures are one: the same bytes under two names, or looks a few bits
// apart, except shots taken a few seconds apart (a series of one scene). Each finding is of
// the photo at its position and names the other photo.
std::vector<std::pair<int, Finding>> reusedPhotoFindings(std::span<const ProbedPhoto> photos);
