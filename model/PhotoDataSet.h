#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ConstructionInfo.h"
#include "model/DumpSink.h"
#include "model/ElementPlacement.h"
#include "model/ElementTables.h"
#include "model/PhotoList.h"
#include "model/TextSlots.h"
#include "model/XmlProlog.h"

// Where reading stopped in a file that is damaged or cut off, as the XML parser said it.
struct ReadError {
    int line = 0; // from 1; 0 when unknown
    int column = 0;
    std::string message; // the parser's own words, in English
    std::string reason;  // what a user is told, in Japanese
    // Whether records may have been lost: reading stopped before the file's end, or inside a
    // section. A file that only lacks its closing tag loses none.
    bool recordsLost = true;
};

// The texts of the root-level elements (the 基礎情報 group).
using BasicInfo = TextSlots<BasicSlot, 7>;

// Everything read from one photo XML file.
class PhotoDataSet {
public:
    BasicInfo basicInfo;
    bool hasConstructionInfo = false; // a complete 工事情報 section was read
    int constructionInfoLine = 0;     // where the file's first 工事情報 begins; 0 without one
    ConstructionInfo constructionInfo;
    PhotoList photos; // in the order in which their sections end in the file
    // Where the construction information came from when not from the file's own 工事情報
    // section: the disc's INDEX_C.XML. Empty otherwise.
    std::string constructionInfoSource;
    // Set when reading stopped before the end of the file: the data holds what came before.
    std::optional<ReadError> readError;
    // The local name of the file's root element; empty when the file has none.
    std::string rootElement;
    XmlProlog prolog;
    std::vector<MisplacedElement> misplacedElements;

    static constexpr std::string_view photoXmlRoot = "photodata";
    // A file with another root element (INDEX_C.XML, DRAWING.XML, …) is no photo XML file.
    bool isForeignXml() const { return !rootElement.empty() && rootElement != photoXmlRoot; }

    PhotoDataSet() = default;
    // A copy holds records of its own, never shared with the source.
    PhotoDataSet(const PhotoDataSet& other);
    PhotoDataSet& operator=(const PhotoDataSet& other);
    PhotoDataSet(PhotoDataSet&&) noexcept = default;
    PhotoDataSet& operator=(PhotoDataSet&&) noexcept = default;
    // A copy that shares the records with this one, for a reader on another thread: the
    // records are not changed after reading, and their use counts are atomic.
    PhotoDataSet sharingRecords() const;

    void reset();
    void dump(DumpSink& sink) const;

private:
    void copyAllButPhotos(const PhotoDataSet& other);
};
