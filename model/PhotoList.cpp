#include "model/PhotoList.h"

#include <utility>

PhotoList::PhotoList(PhotoList&& other) noexcept : entries(std::exchange(other.entries, {})) {}

PhotoList& PhotoList::operator=(PhotoList&& other) noexcept {
    if (this != &other) {
        clear();
        entries = std::exchange(other.entries, {});
    }
    return *this;
}

PhotoList::~PhotoList() {
    clear();
}

void PhotoList::append(const PhotoRecord& record) {
    entries.push_back(&record);
    record.useCount.fetch_add(1);
}

void PhotoList::adopt(std::unique_ptr<PhotoRecord> record) {
    append(*record);
    record.release();
}

void PhotoList::shareFrom(const PhotoList& other) {
    if (this == &other)
        return;
    clear();
    entries.reserve(other.size());
    for (const PhotoRecord* record : other.entries)
        append(*record);
}

void PhotoList::deepCopyFrom(const PhotoList& other) {
    if (this == &other)
        return;
    clear();
    entries.reserve(other.size());
    for (const PhotoRecord* record : other.entries)
        adopt(std::make_unique<PhotoRecord>(*record));
}

void PhotoList::clear() {
    for (const PhotoRecord* record : entries)
        release(record);
    std::vector<const PhotoRecord*>().swap(entries);
}

void PhotoList::release(const PhotoRecord* record) {
    // The decision rests on the value the decrement returned.
    if (record->useCount.fetch_sub(1) - 1 <= 0)
        delete record;
}
