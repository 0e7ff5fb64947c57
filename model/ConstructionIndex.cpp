#include "model/ConstructionIndex.h"

#include <functional>

#include "model/SaxReader.h"
#include "model/TextNormalizer.h"

namespace {

// The elements of INDEX_C.XML read, by the construction slot of the same meaning. Names
// changed over the versions of the standard; the contractor was 請負者 before 受注者.
int indexSlotOf(std::string_view name) {
    if (name == "受注者名")
        return static_cast<int>(ConstructionSlot::ContractorName);
    if (name == "受注者コード")
        return static_cast<int>(ConstructionSlot::ContractorCode);
    const int slot = constructionSlotOf(name);
    return slot == static_cast<int>(ConstructionSlot::ConstructionInfo) ? -1 : slot;
}

// The oldest versions name the orderer's office in one element instead of three classes.
constexpr std::string_view officeElement = "発注者機関事務所名";

class IndexHandler : public SaxContentHandler, public SaxErrorHandler {
public:
    ConstructionInfo info;
    std::string office;
    std::string mediumNumber;
    std::string appliedStandard;
    std::string mediumCount;
    std::string photoFolder;
    bool isIndex = false; // the root element is constdata
    bool damaged = false;

    void startElement(std::string_view localName) override {
        if (depth++ == 0)
            isIndex = localName == "constdata";
        currentName = localName;
        currentSlot = isIndex ? indexSlotOf(localName) : -1;
        if (localName == "受注者名")
            info.contractorLabel = "受注者";
    }
    void endElement(std::string_view) override {
        --depth;
        currentSlot = -1;
        currentName.clear();
    }
    void characters(std::string_view text) override {
        if (currentName == officeElement && office.empty())
            office = normalizeText(text);
        if (currentName == "メディア番号" && mediumNumber.empty())
            mediumNumber = normalizeText(text);
        if (currentName == "適用要領基準" && appliedStandard.empty())
            appliedStandard = normalizeText(text);
        if (currentName == "メディア総枚数" && mediumCount.empty())
            mediumCount = normalizeText(text);
        if (currentName == "写真フォルダ名" && photoFolder.empty())
            photoFolder = normalizeText(text);
        // The first occurrence of an element counts; later blocks may reuse its name.
        if (currentSlot != -1 && info.slots.at(currentSlot).empty()) {
            if (auto stored = storableText(currentSlot, text))
                info.slots.at(currentSlot) = std::move(*stored);
        }
    }
    void warning(const SaxError&) override {}
    void error(const SaxError&) override {}
    void fatalError(const SaxError&) override { damaged = true; }

private:
    int depth = 0;
    int currentSlot = -1;
    std::string currentName;
};

using Parse = std::function<ParseResult(SaxReader&)>;

// The handler after a read of the whole file, or nothing for a damaged or foreign one.
std::optional<IndexHandler> readIndex(const Parse& parse, XmlProlog& prolog) {
    IndexHandler handler;
    SaxReader reader;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    const ParseResult result = parse(reader);
    prolog = reader.prolog();
    if (result != ParseResult::Complete || handler.damaged || !handler.isIndex)
        return std::nullopt;
    return handler;
}

std::optional<DiscIndex> discIndexFrom(const Parse& parse) {
    XmlProlog prolog;
    std::optional<IndexHandler> handler = readIndex(parse, prolog);
    if (!handler)
        return std::nullopt;
    ConstructionInfo& info = handler->info;
    DiscIndex index{{info.slots[ConstructionSlot::ConstructionNumber],
                     info.slots[ConstructionSlot::ConstructionName], handler->mediumNumber,
                     handler->mediumCount},
                    std::nullopt,
                    handler->appliedStandard,
                    handler->photoFolder,
                    prolog};
    const bool classified = !info.slots[ConstructionSlot::OrdererMajor].empty() ||
                            !info.slots[ConstructionSlot::OrdererMiddle].empty() ||
                            !info.slots[ConstructionSlot::OrdererMinor].empty();
    if (!classified)
        info.slots[ConstructionSlot::OrdererMajor] = handler->office;
    // A file with none of the elements (or whose texts were refused) tells nothing.
    if (info.slots != ConstructionInfo().slots) {
        info.composeDisplayLines();
        index.info = std::move(info);
    }
    return index;
}

} // namespace

std::optional<DiscIndex> readDiscIndex(const std::string& path) {
    return discIndexFrom([&path](SaxReader& reader) { return reader.parseFile(path); });
}

std::optional<DiscIndex> discIndexOfText(std::string_view text) {
    return discIndexFrom([text](SaxReader& reader) { return reader.parseMemory(text); });
}

std::optional<DiscLabel> readDiscLabel(const std::string& path) {
    const auto index = readDiscIndex(path);
    return index ? std::optional(index->label) : std::nullopt;
}

std::optional<ConstructionInfo> readConstructionIndex(const std::string& path) {
    const auto index = readDiscIndex(path);
    return index ? index->info : std::nullopt;
}

void completeConstructionInfo(PhotoDataSet& data, const std::string& indexPath,
                              const DiscIndex& index) {
    if (data.hasConstructionInfo || !index.info)
        return;
    data.constructionInfo = *index.info;
    data.hasConstructionInfo = true;
    data.constructionInfoSource = indexPath;
}
