#include "imaging/ImageCache.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

std::size_t bytesOf(const DecodedFile& decoded) {
    return static_cast<std::size_t>(decoded.image.sizeInBytes());
}

bool isSharper(const DecodedFile& candidate, const DecodedFile& held) {
    return qint64(candidate.image.width()) * candidate.image.height() >
           qint64(held.image.width()) * held.image.height();
}

} // namespace

const DecodedFile* ImageCache::find(const std::string& path) {
    const auto found = byPath.find(path);
    if (found == byPath.end())
        return nullptr;
    const Entries::iterator entry = found->second;
    if (fileStampOf(entry->decoded.file) != entry->decoded.stamp) {
        drop(entry); // replaced, or gone with its disc
        return nullptr;
    }
    entries.splice(entries.begin(), entries, entry);
    return &entry->decoded;
}

void ImageCache::insert(const std::string& path, DecodedFile decoded) {
    // A missing file may come any moment; a decode without pixels is no image to keep.
    if (decoded.outcome == DecodeOutcome::Missing ||
        (decoded.isDecoded() && decoded.image.isNull()))
        return;
    if (const auto found = byPath.find(path); found != byPath.end()) {
        const DecodedFile& held = found->second->decoded;
        if (held.stamp == decoded.stamp && held.file == decoded.file && !isSharper(decoded, held))
            return;
        drop(found->second);
    }
    bytes += bytesOf(decoded);
    entries.push_front({path, std::move(decoded)});
    byPath[path] = entries.begin();
    keepWithinBudget();
}

void ImageCache::forget(const std::string& path) {
    if (const auto found = byPath.find(path); found != byPath.end())
        drop(found->second);
}

void ImageCache::drop(Entries::iterator entry) {
    bytes -= bytesOf(entry->decoded);
    byPath.erase(entry->path);
    entries.erase(entry);
}

void ImageCache::keepWithinBudget() {
    // The newest entry stays even when it alone is over the budget: it is about to be shown.
    while (bytes > budget && entries.size() > 1)
        drop(std::prev(entries.end()));
}

void ImageCache::clear() {
    entries.clear();
    byPath.clear();
    bytes = 0;
#ifdef __GLIBC__
    malloc_trim(0); // freed images stay with the process otherwise
#endif
}
