#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "media/DeliveryFiles.h"
#include "media/DiscSearch.h"
#include "media/MediaLookup.h"
#include "model/ConstructionIndex.h"
#include "model/PhotoDataSet.h"

// The open delivery: everything an open found, made in one piece off the GUI thread and taken
// by the document in one step. Whatever opens one of its files asks it where the file is.
struct Delivery {
    std::string path; // the photo XML file
    DeliveryFolders folders;
    // With the construction information of the disc's INDEX_C.XML when the file has none.
    PhotoDataSet data;
    // The disc's INDEX_C.XML beside the delivery folder, where it stands (empty: none) and as
    // it was read (nothing when it cannot be read): this disc's medium number and count, its
    // 適用要領基準, and what the check judges of it.
    std::string indexPath;
    std::optional<DiscIndex> index;
    // The other mounted discs of the delivery; null when no INDEX_C.XML stands beside it.
    std::shared_ptr<const DiscSearch> otherDiscs;
    // For the status bar, until the next open: where reading stopped in a damaged file, or
    // that the file holds no photo, so that neither is taken for a complete delivery.
    std::string notice;
    // Given by the document as it takes the delivery, so that work begun for one delivery is
    // not taken for the next.
    std::uint64_t number = 0;

    // A photo's file, and a drawing's file of photo: where each is looked for (the path is
    // empty for a name the delivery may not use).
    MediaFile photoFile(const PhotoRecord& photo) const;
    MediaFile drawingFile(const PhotoRecord& photo, const ReferenceDrawing& drawing) const;
};
