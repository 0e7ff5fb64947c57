#pragma once

#include <string_view>

#include "model/ConstructionInfo.h"
#include "model/SaxHandlers.h"

class PhotoXmlReader;

// Reads one 工事情報 section and hands it to the reader at the section's end tag.
class ConstructionSectionHandler : public SaxContentHandler {
public:
    explicit ConstructionSectionHandler(PhotoXmlReader& parent) : parent(parent) {}

    void startElement(std::string_view localName) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view text) override;

private:
    PhotoXmlReader& parent;
    int currentSlot = -1;
    ConstructionInfo info;
};
