#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/Edition.h"
#include "check/Finding.h"
#include "media/Delivery.h"
#include "media/DeliveryFiles.h"
#include "media/DiscSearch.h"
#include "media/FileProbe.h"
#include "model/PhotoDataSet.h"

// One delivery as it was read, for the check.
struct CheckInput {
    const PhotoDataSet& data;
    DeliveryFolders folders;
    // This disc's メディア番号 in its INDEX_C.XML; "1" when the disc names none.
    std::string thisMedium = "1";
    // The other mounted discs of the delivery, where a file missing here may stand; null: none.
    std::shared_ptr<const DiscSearch> otherDiscs;
    std::string photoXml;      // the file read, beside which its DTD must stand
    std::string indexStandard; // 適用要領基準 of the disc's INDEX_C.XML; empty without one
    std::string mediumCount;   // メディア総枚数 of the disc's INDEX_C.XML; empty without one
    // The edition the contract names, judged by whatever the delivery says; null: the
    // edition the delivery says.
    const EditionRules* edition = nullptr;
    // The medium shows names in another case than they were written (plain ISO 9660).
    bool namesMapped = false;
    // The disc's INDEX_C.XML as the open found it: where it stands (empty: none beside the
    // delivery folder) and what it holds (nothing when it cannot be read).
    std::string indexPath = {};
    std::optional<DiscIndex> index = {};
};

// The input for delivery, its records read as data (the delivery's own, or a share of them).
CheckInput checkInputFor(const PhotoDataSet& data, const Delivery& delivery);

// How far a check has come, and a way to stop it, shared with whoever shows it.
struct CheckProgress {
    std::atomic<std::size_t> filesDone{0};
    std::atomic<std::size_t> filesTotal{0};
    std::atomic<bool> cancelled{false};
};

struct CheckResult {
    // The delivery's own findings and those of its folders first, then each photo's in file
    // order.
    std::vector<Finding> findings;
    bool complete = true; // false when cancelled
};

// Runs each(0) … each(count - 1), perhaps several at once on other threads, and returns when
// every one has run.
using SpreadWork =
    std::function<void(std::size_t count, const std::function<void(std::size_t)>& each)>;
// One after the other on the calling thread.
void oneAfterAnother(std::size_t count, const std::function<void(std::size_t)>& each);

// Runs every rule on the delivery. The files are probed as spread says (the program spreads
// them over threads that yield to the images on screen); the text rules run on the calling
// thread.
CheckResult checkDelivery(const CheckInput& input, const FileProbe& probe, CheckProgress& progress,
                          const SpreadWork& spread = oneAfterAnother);
