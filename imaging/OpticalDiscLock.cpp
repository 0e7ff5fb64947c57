#include "imaging/OpticalDiscLock.h"

#include <map>
#include <memory>

#include <sys/stat.h>
#include <sys/vfs.h>

namespace {

// The magic numbers statfs gives the file systems of optical discs.
constexpr unsigned long iso9660Magic = 0x9660;
constexpr unsigned long udfMagic = 0x15013346;

bool isOnOpticalDisc(const std::string& path) {
    struct statfs fileSystem {};
    if (statfs(path.c_str(), &fileSystem) != 0)
        return false;
    const auto type = static_cast<unsigned long>(fileSystem.f_type);
    return type == iso9660Magic || type == udfMagic;
}

std::mutex& discMutex(dev_t device) {
    static std::mutex guard;
    static std::map<dev_t, std::unique_ptr<std::mutex>> discs;
    std::lock_guard lock(guard);
    std::unique_ptr<std::mutex>& disc = discs[device];
    if (!disc)
        disc = std::make_unique<std::mutex>();
    return *disc;
}

} // namespace

std::unique_lock<std::mutex> holdOpticalDisc(const std::string& path) {
    struct stat file {};
    if (!isOnOpticalDisc(path) || stat(path.c_str(), &file) != 0)
        return {};
    return std::unique_lock(discMutex(file.st_dev));
}
