#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/SaxHandlers.h"

class SaxReader;

// An element of a photo XML file that stands where the DTD of versions 04 and 05 has no
// place for it: a name no edition knows, or a known item outside its group (撮影年月日 directly
// in 写真情報 rather than in 撮影情報). Each name in each parent is one entry, with the line of
// its first occurrence and how often it occurs, so that a file misplacing one item in every
// photo gives one entry, not thousands.
struct MisplacedElement {
    std::string name;
    std::string parent;
    std::string expectedParent; // empty for a name no edition knows
    int firstLine = 0;
    int count = 0;
};

// Watches every start and end tag of a read, whichever handler takes the content, and notes
// what is misplaced.
class ElementPlacementWatcher : public SaxContentHandler {
public:
    explicit ElementPlacementWatcher(const SaxReader& reader) : reader(reader) {}

    void startElement(std::string_view localName) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view) override {}

    std::vector<MisplacedElement> takeFound() { return std::move(found); }

private:
    void note(std::string_view name, std::string_view parent, std::string_view expected);

    const SaxReader& reader;
    std::vector<std::string_view> open;
    // The depth of the block whose content is not judged, or 0.
    std::size_t skippedBlockDepth = 0;
    std::vector<MisplacedElement> found;
};
