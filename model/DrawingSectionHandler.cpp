#include "model/DrawingSectionHandler.h"

#include <utility>

#include "model/PhotoSectionHandler.h"
#include "model/TextNormalizer.h"

void DrawingSectionHandler::startElement(std::string_view localName) {
    currentSlot = drawingSlotOf(localName);
}

void DrawingSectionHandler::endElement(std::string_view localName) {
    if (localName == drawingElementNames[static_cast<std::size_t>(DrawingSlot::Attachment)])
        parent.acceptDrawing(std::move(drawing));
}

void DrawingSectionHandler::characters(std::string_view text) {
    auto stored = storableText(currentSlot, text);
    if (!stored)
        return;
    if (currentSlot == static_cast<int>(DrawingSlot::AttachmentReserve))
        drawing.reserves.push_back(std::move(*stored));
    else
        drawing.slots.at(currentSlot) = std::move(*stored);
}
