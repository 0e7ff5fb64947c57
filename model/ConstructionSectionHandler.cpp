#include "model/ConstructionSectionHandler.h"

#include <utility>

#include "model/PhotoXmlReader.h"
#include "model/TextNormalizer.h"

void ConstructionSectionHandler::startElement(std::string_view localName) {
    currentSlot = constructionSlotOf(localName);
}

void ConstructionSectionHandler::endElement(std::string_view localName) {
    if (localName != elementName(ConstructionSlot::ConstructionInfo))
        return;
    info.composeDisplayLines();
    parent.acceptConstructionInfo(info);
}

void ConstructionSectionHandler::characters(std::string_view text) {
    if (auto stored = storableText(currentSlot, text))
        info.slots.at(currentSlot) = std::move(*stored);
}
