#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one lookup of names without regard to case: a disc written on Windows and mounted on
// Linux may show PIC/P0000001.JPG as pic/p0000001.jpg, PHOTO.XML as photo.xml.

// The entry of folder whose name equals name in any case (the name itself when it exists as
// written); nothing when there is none. Listings are kept while a folder is unchanged.
std::optional<std::string> entryIgnoringCase(const std::string& folder, std::string_view name);

// Drops every folder listing kept: a disc put back with the same folder times must be listed
// again (F5).
void forgetFolderListings();
