#pragma once

#include <functional>
#include <string>
#include <vector>

// The folders media are mounted on now; replaceable by tests.
using MountPoints = std::function<std::vector<std::string>()>;

// The mount points of this system (/proc/self/mounts) and the folders under the desktop's
// removable-media folders.
std::vector<std::string> systemMountPoints();
// Where the desktop mounts discs and sticks for this user: /media/USER and /run/media/USER.
std::vector<std::string> userMediaRoots();
// The folders discs and sticks are mounted on under mediaRoots, by name.
std::vector<std::string> removableMediaFolders(const std::vector<std::string>& mediaRoots);

// The file system type of the mount that holds path ("iso9660", "udf", "vfat", "ext4", …), as
// /proc/self/mounts says; empty when none is known.
std::string fileSystemTypeOf(const std::string& path);
