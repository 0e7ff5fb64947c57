#include "model/PhotoSectionHandler.h"

#include <utility>

#include "model/PhotoXmlReader.h"
#include "model/SaxReader.h"
#include "model/TextNormalizer.h"

void PhotoSectionHandler::startElement(std::string_view localName) {
    if (!record)
        record = std::make_unique<PhotoRecord>();
    currentSlot = photoSlotOf(localName);
    if (localName == modernContractorRemarkName)
        record->contractorRemarkName = modernContractorRemarkName;
    if (currentSlot == static_cast<int>(PhotoSlot::Attachment)) {
        drawingSection = std::make_unique<DrawingSectionHandler>(*this);
        reader.setContentHandler(drawingSection.get());
    }
}

void PhotoSectionHandler::endElement(std::string_view localName) {
    if (localName != elementName(PhotoSlot::PhotoInfo))
        return;
    if (record)
        record->composeDisplayTexts();
    parent.acceptPhoto(std::move(record));
}

void PhotoSectionHandler::characters(std::string_view text) {
    if (auto stored = storableText(currentSlot, text))
        store(std::move(*stored));
}

void PhotoSectionHandler::store(std::string text) {
    switch (static_cast<PhotoSlot>(currentSlot)) {
    case PhotoSlot::ControlValueReserve:
        record->controlValueReserves.push_back(std::move(text));
        break;
    case PhotoSlot::PhotoInfoReserve:
        record->photoInfoReserves.push_back(std::move(text));
        break;
    default:
        record->slots.at(currentSlot) = std::move(text);
    }
}

void PhotoSectionHandler::acceptDrawing(ReferenceDrawing drawing) {
    record->drawings.push_back(std::move(drawing));
    reader.setContentHandler(this);
}
