#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/ConstructionSectionHandler.h"
#include "model/PhotoDataSet.h"
#include "model/PhotoSectionHandler.h"
#include "model/SaxHandlers.h"
#include "model/SaxReader.h"

// Reads one photo XML file into a PhotoDataSet. The texts of root-level elements are stored
// here; each 工事情報 and 写真情報 section is read by a section handler of its own, installed
// as the content handler for the length of its section. One reader serves one load.
class PhotoXmlReader : private SaxContentHandler, private SaxErrorHandler {
public:
    PhotoXmlReader() = default;
    PhotoXmlReader(const PhotoXmlReader&) = delete;
    PhotoXmlReader& operator=(const PhotoXmlReader&) = delete;
    ~PhotoXmlReader() override;

    // Reads path into target, which the caller has reset. Returns 0 when the file was parsed
    // (target then holds every section that was complete, even of a broken file), or -1 when
    // no parser could be created (target keeps what it held).
    int load(const std::string& path, PhotoDataSet& target);
    // The same of a file's text in memory.
    int loadText(std::string_view text, PhotoDataSet& target);

    // Section hand-back: the record of a finished section, then this reader takes the events
    // again. A 写真情報 section without children hands over no record.
    void acceptConstructionInfo(const ConstructionInfo& info);
    void acceptPhoto(std::unique_ptr<PhotoRecord> record);

private:
    void startElement(std::string_view localName) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view text) override;
    void warning(const SaxError&) override {}
    void error(const SaxError&) override {}
    void fatalError(const SaxError& problem) override;

    void closeSections();
    int loadWith(const std::function<ParseResult(SaxReader&)>& parse, PhotoDataSet& target);

    PhotoDataSet data;
    int currentSlot = -1;
    SaxReader* reader = nullptr; // only while a load runs
    // A finished section's handler lives until the next section of its kind opens, so that
    // no handler is destroyed inside its own callback.
    std::unique_ptr<ConstructionSectionHandler> constructionSection;
    std::unique_ptr<PhotoSectionHandler> photoSection;
};
