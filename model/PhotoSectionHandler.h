#pragma once

#include <memory>
#include <string_view>

#include "model/DrawingSectionHandler.h"
#include "model/PhotoRecord.h"
#include "model/SaxHandlers.h"

class PhotoXmlReader;
class SaxReader;

// Reads one 写真情報 section into a new record, opening a drawing section for each 付加情報,
// and hands the record to the reader at the section's end tag.
class PhotoSectionHandler : public SaxContentHandler {
public:
    PhotoSectionHandler(PhotoXmlReader& parent, SaxReader& reader)
        : parent(parent), reader(reader) {}

    void startElement(std::string_view localName) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view text) override;

    // A finished drawing joins the record; this handler then takes the events again.
    void acceptDrawing(ReferenceDrawing drawing);

private:
    void store(std::string text);

    PhotoXmlReader& parent;
    SaxReader& reader;
    int currentSlot = -1;
    // Comes into being at the first child element of the section.
    std::unique_ptr<PhotoRecord> record;
    // Lives until the next drawing section opens: never destroyed inside its own callback.
    std::unique_ptr<DrawingSectionHandler> drawingSection;
};
