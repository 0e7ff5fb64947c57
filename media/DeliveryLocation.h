#pragma once

#include <optional>
#include <string>

#include "model/ConstructionIndex.h"

// Where the files of a delivery stand, names matched without regard to case.

// The photo XML file a path names: the file itself, or for a folder its delivery, the
// folder's PHOTO.XML or, at the root of a disc or stick, PHOTO/PHOTO.XML; for the INDEX_C.XML
// of a disc, the disc's PHOTO/PHOTO.XML when there is one. Nothing when a folder holds no
// delivery or the path does not exist.
std::optional<std::string> deliveryFileAt(const std::string& path);

// The INDEX_C.XML at the root of a disc or folder.
std::optional<std::string> findIndexAtRoot(const std::string& root);

// The INDEX_C.XML of the disc whose PHOTO folder holds the photo XML file at photoXmlPath: in
// the parent of that file's folder.
std::optional<std::string> findConstructionIndex(const std::string& photoXmlPath);

// That INDEX_C.XML as the open reads it: where it stands (empty: none) and what it holds
// (nothing when there is none or it cannot be read).
struct IndexBeside {
    std::string path;
    std::optional<DiscIndex> index;
};
IndexBeside readIndexBeside(const std::string& photoXmlPath);
