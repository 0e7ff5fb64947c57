#pragma once

#include <string_view>

#include "model/ReferenceDrawing.h"
#include "model/SaxHandlers.h"

class PhotoSectionHandler;

// Reads one 付加情報 section inside a photo and hands the drawing to the photo's handler at
// the section's end tag.
class DrawingSectionHandler : public SaxContentHandler {
public:
    explicit DrawingSectionHandler(PhotoSectionHandler& parent) : parent(parent) {}

    void startElement(std::string_view localName) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view text) override;

private:
    PhotoSectionHandler& parent;
    int currentSlot = -1;
    ReferenceDrawing drawing;
};
