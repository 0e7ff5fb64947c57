#include "model/PhotoXmlReader.h"

#include <utility>

#include "model/ReadErrorReason.h"
#include "model/SaxReader.h"
#include "model/TextNormalizer.h"

PhotoXmlReader::~PhotoXmlReader() = default;

int PhotoXmlReader::load(const std::string& path, PhotoDataSet& target) {
    return loadWith([&path](SaxReader& reader) { return reader.parseFile(path); }, target);
}

int PhotoXmlReader::loadText(std::string_view text, PhotoDataSet& target) {
    return loadWith([text](SaxReader& reader) { return reader.parseMemory(text); }, target);
}

int PhotoXmlReader::loadWith(const std::function<ParseResult(SaxReader&)>& parse,
                             PhotoDataSet& target) {
    data = target;
    currentSlot = -1;
    SaxReader saxReader;
    saxReader.setContentHandler(this);
    saxReader.setErrorHandler(this);
    ElementPlacementWatcher placement(saxReader);
    saxReader.setElementWatcher(&placement);
    reader = &saxReader;
    struct Cleanup {
        PhotoXmlReader& owner;
        ~Cleanup() {
            owner.closeSections();
            owner.reader = nullptr;
        }
    } cleanup{*this};

    if (parse(saxReader) == ParseResult::NoParser)
        return -1;
    data.prolog = saxReader.prolog();
    data.misplacedElements = placement.takeFound();
    target = std::move(data);
    data.reset();
    return 0;
}

void PhotoXmlReader::closeSections() {
    // Sections a broken file left open never reach the data set.
    constructionSection.reset();
    photoSection.reset();
}

void PhotoXmlReader::acceptConstructionInfo(const ConstructionInfo& info) {
    data.constructionInfo = info;
    data.hasConstructionInfo = true;
    reader->setContentHandler(this);
}

void PhotoXmlReader::acceptPhoto(std::unique_ptr<PhotoRecord> record) {
    if (record)
        data.photos.adopt(std::move(record));
    reader->setContentHandler(this);
}

void PhotoXmlReader::fatalError(const SaxError& problem) {
    // The first stop is where reading ended; what follows is only its echo.
    if (data.readError)
        return;
    const bool sectionOpen = reader->currentContentHandler() != this;
    data.readError = ReadError{problem.line, problem.column, std::string(problem.message),
                               readErrorReason(problem), !problem.atEndOfInput || sectionOpen};
}

void PhotoXmlReader::startElement(std::string_view localName) {
    if (data.rootElement.empty())
        data.rootElement = localName;
    currentSlot = basicSlotOf(localName);
    if (currentSlot == static_cast<int>(BasicSlot::ConstructionInfo)) {
        if (data.constructionInfoLine == 0)
            data.constructionInfoLine = reader->currentLine();
        constructionSection = std::make_unique<ConstructionSectionHandler>(*this);
        reader->setContentHandler(constructionSection.get());
    } else if (currentSlot == static_cast<int>(BasicSlot::PhotoInfo)) {
        photoSection = std::make_unique<PhotoSectionHandler>(*this, *reader);
        reader->setContentHandler(photoSection.get());
    }
}

void PhotoXmlReader::endElement(std::string_view) {}

void PhotoXmlReader::characters(std::string_view text) {
    if (auto stored = storableText(currentSlot, text))
        data.basicInfo.at(currentSlot) = std::move(*stored);
}
