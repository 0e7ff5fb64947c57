#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "media/MountPoints.h"
#include "model/ConstructionIndex.h"

// A delivery too large for one disc is split over several, each with its own INDEX_C.XML.
// On Linux every disc mounts under its own label, so a file missing under the open
// delivery's disc is looked for under the same relative path on the other mounted media; a
// medium counts only when its INDEX_C.XML names the same construction and the medium number
// the photo's record names. Safe to use from the image pipeline's workers.
class DiscSearch {
public:
    using MountPoints = ::MountPoints;

    // For the delivery of the photo XML file at photoXmlPath; nothing when no INDEX_C.XML
    // stands beside it (a folder copied to a hard disc): then nothing else is searched.
    static std::shared_ptr<const DiscSearch> forDelivery(const std::string& photoXmlPath,
                                                         MountPoints mountPoints);
    // For the disc whose INDEX_C.XML at indexPath was read as label.
    static std::shared_ptr<const DiscSearch> forDisc(const std::string& indexPath, DiscLabel label,
                                                     MountPoints mountPoints);

    // Where the file missing at path, under the open delivery's disc, stands on the mounted
    // disc of this delivery numbered medium: that disc's folder, "/./", then the path
    // relative to the disc, for a lookup that ignores case. Nothing when no such disc is in.
    std::optional<std::string> find(const std::string& path, const std::string& medium) const;

    // A disc of this delivery: the folder it is mounted on, and its label.
    struct Disc {
        std::string mountPoint;
        DiscLabel label;
    };
    // The open delivery's disc first, then every other mounted disc that names the same
    // construction, by their mount folders.
    std::vector<Disc> discsOfDelivery() const;

private:
    DiscSearch(std::string root, DiscLabel label, MountPoints mountPoints);
    std::optional<DiscLabel> labelOf(const std::string& mountPoint) const;

    std::string root;
    DiscLabel label;
    MountPoints mountPoints;
    mutable std::mutex mutex;
    // Labels read, by mount point and the INDEX_C.XML's modification time: a disc swapped in
    // the same drive is read again.
    mutable std::map<std::pair<std::string, long long>, std::optional<DiscLabel>> labels;
};
