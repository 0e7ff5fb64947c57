#include "model/SaxReader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include "model/LibxmlSetup.h"

namespace {

constexpr std::size_t chunkSize = 64 * 1024;

// Entity content a document may expand in all, so that an entity bomb ends promptly.
constexpr std::size_t entityExpansionBudget = 8 * 1024 * 1024;

// What a reference to an entity of the document's own costs at least: libxml2 parses its
// text in a context of its own, so a million references to a one-character entity cost far
// more than a million characters. &amp; and its kind cost what they expand to.
constexpr std::size_t declaredEntityReferenceCost = 1024;

constexpr int parseOptions = XML_PARSE_NOENT | XML_PARSE_NONET;

std::string_view textOf(const xmlChar* text, int length) {
    return {reinterpret_cast<const char*>(text), static_cast<std::size_t>(length)};
}

std::string_view textOf(const xmlChar* text) {
    return reinterpret_cast<const char*>(text);
}

std::string_view withoutTrailingNewline(const char* message) {
    std::string_view text = message ? message : "";
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    return text;
}

void ignoreGenericError(void*, const char*, ...) {}

// libxml2 writes some errors that have no parser context to its global handlers; for the
// length of a parse they come to us instead of the terminal.
class GlobalErrorRedirect {
public:
    GlobalErrorRedirect(void* context, xmlStructuredErrorFunc handler)
        : previousGeneric(xmlGenericError), previousGenericContext(xmlGenericErrorContext),
          previousStructured(xmlStructuredError),
          previousStructuredContext(xmlStructuredErrorContext) {
        xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
        xmlSetStructuredErrorFunc(context, handler);
    }
    ~GlobalErrorRedirect() {
        xmlSetGenericErrorFunc(previousGenericContext, previousGeneric);
        xmlSetStructuredErrorFunc(previousStructuredContext, previousStructured);
    }
    GlobalErrorRedirect(const GlobalErrorRedirect&) = delete;
    GlobalErrorRedirect& operator=(const GlobalErrorRedirect&) = delete;

private:
    xmlGenericErrorFunc previousGeneric;
    void* previousGenericContext;
    xmlStructuredErrorFunc previousStructured;
    void* previousStructuredContext;
};

struct ParserContextDeleter {
    void operator()(xmlParserCtxtPtr context) const {
        if (context->myDoc)
            xmlFreeDoc(context->myDoc);
        xmlFreeParserCtxt(context);
    }
};
using ParserContext = std::unique_ptr<xmlParserCtxt, ParserContextDeleter>;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool isInternalEntity(xmlEntityPtr entity) {
    return entity->etype == XML_INTERNAL_GENERAL_ENTITY ||
           entity->etype == XML_INTERNAL_PARAMETER_ENTITY ||
           entity->etype == XML_INTERNAL_PREDEFINED_ENTITY;
}

} // namespace

struct SaxReader::ParseState {
    xmlParserCtxtPtr context = nullptr;
    std::string pendingText;
    std::size_t expandedEntityBytes = 0;
    bool stopped = false;
    bool fatalErrorReported = false;
    bool inputEnded = false; // the chunk parsed now tells libxml2 that no more will come
    bool rootSeen = false;
    std::exception_ptr failure;
};

// The libxml2 callbacks. Entity content is parsed in contexts of its own, which carry our
// reader in _private as the document's context does.
struct LibxmlCallbacks {
    static SaxReader& readerOf(void* context) {
        return *static_cast<SaxReader*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    }

    // No exception may cross libxml2: the first one stops the parse and is rethrown after it.
    template <typename Action> static void safely(SaxReader& reader, Action action) {
        try {
            action();
        } catch (...) {
            if (!reader.state->failure)
                reader.state->failure = std::current_exception();
            reader.stop();
        }
    }

    template <typename Action> static void guarded(SaxReader& reader, Action action) {
        if (!reader.isStopped())
            safely(reader, action);
    }

    static void startElement(void* context, const xmlChar* localName, const xmlChar*,
                             const xmlChar*, int, const xmlChar**, int attributeCount, int,
                             const xmlChar** attributes) {
        SaxReader& reader = readerOf(context);
        guarded(reader, [&] {
            const auto* parser = static_cast<xmlParserCtxtPtr>(context);
            if (!reader.state->rootSeen)
                reader.noteRootVersion(reinterpret_cast<const char*>(parser->encoding),
                                       attributeCount, attributes);
            reader.handleStartElement(textOf(localName));
        });
    }

    static void internalSubset(void* context, const xmlChar* name, const xmlChar* externalId,
                               const xmlChar* systemId) {
        SaxReader& reader = readerOf(context);
        reader.lastProlog.hasDoctype = true;
        reader.lastProlog.systemId = systemId ? std::string(textOf(systemId)) : std::string();
        xmlSAX2InternalSubset(context, name, externalId, systemId);
    }

    static void endElement(void* context, const xmlChar* localName, const xmlChar*,
                           const xmlChar*) {
        SaxReader& reader = readerOf(context);
        guarded(reader, [&] { reader.handleEndElement(textOf(localName)); });
    }

    static void characters(void* context, const xmlChar* text, int length) {
        SaxReader& reader = readerOf(context);
        guarded(reader, [&] { reader.appendText(textOf(text, length)); });
    }

    static xmlEntityPtr entity(SaxReader& reader, xmlEntityPtr found) {
        if (!found || reader.isStopped() || !isInternalEntity(found))
            return nullptr; // external entities are never expanded
        const auto length = static_cast<std::size_t>(found->length);
        const std::size_t cost = found->etype == XML_INTERNAL_PREDEFINED_ENTITY
                                     ? length
                                     : std::max(length, declaredEntityReferenceCost);
        return reader.chargeEntityExpansion(cost) ? found : nullptr;
    }

    static xmlEntityPtr getEntity(void* context, const xmlChar* name) {
        return entity(readerOf(context), xmlSAX2GetEntity(context, name));
    }

    static xmlEntityPtr getParameterEntity(void* context, const xmlChar* name) {
        return entity(readerOf(context), xmlSAX2GetParameterEntity(context, name));
    }

    static void reportError(SaxReader& reader, xmlErrorPtr error) {
        safely(reader, [&] {
            reader.report(error->level, withoutTrailingNewline(error->message), error->code);
        });
    }

    static void parserError(void* context, xmlErrorPtr error) {
        reportError(readerOf(context), error);
    }

    static void contextFreeError(void* reader, xmlErrorPtr error) {
        reportError(*static_cast<SaxReader*>(reader), error);
    }

    static xmlSAXHandler handler() {
        xmlSAXHandler sax{};
        xmlSAXVersion(&sax, 2);
        sax.startElementNs = startElement;
        sax.endElementNs = endElement;
        sax.characters = characters;
        sax.ignorableWhitespace = characters;
        sax.cdataBlock = characters;
        sax.comment = nullptr;
        sax.processingInstruction = nullptr;
        sax.reference = nullptr;
        sax.getEntity = getEntity;
        sax.getParameterEntity = getParameterEntity;
        sax.internalSubset = internalSubset;
        sax.externalSubset = nullptr;
        sax.resolveEntity = nullptr;
        sax.serror = parserError;
        sax.warning = nullptr;
        sax.error = nullptr;
        sax.fatalError = nullptr;
        return sax;
    }
};

SaxReader::SaxReader() = default;
SaxReader::~SaxReader() = default;

ParseResult SaxReader::parseFile(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const std::string reason = std::strerror(errno);
        if (errorHandler)
            errorHandler->fatalError({"cannot open " + path + ": " + reason});
        return ParseResult::Stopped;
    }
    return parse([&file](char* buffer, std::size_t capacity) {
        return std::fread(buffer, 1, capacity, file.get());
    });
}

ParseResult SaxReader::parseMemory(std::string_view document) {
    return parse([&document](char* buffer, std::size_t capacity) {
        const std::size_t count = std::min(capacity, document.size());
        std::memcpy(buffer, document.data(), count);
        document.remove_prefix(count);
        return count;
    });
}

ParseResult SaxReader::parse(const ChunkSource& read) {
    configureLibxml();
    state = std::make_unique<ParseState>();
    lastProlog = {};
    const ParseResult result = runParser(*state, read);
    if (!state->failure)
        deliverPendingText();
    const std::exception_ptr failure = state->failure;
    state.reset();
    if (failure)
        std::rethrow_exception(failure);
    return result;
}

ParseResult SaxReader::runParser(ParseState& parseState, const ChunkSource& read) {
    GlobalErrorRedirect redirect(this, LibxmlCallbacks::contextFreeError);
    std::vector<char> buffer(chunkSize);
    xmlSAXHandler sax = LibxmlCallbacks::handler();
    // Made without data: libxml2 may report an error on its first bytes at once, and the
    // callbacks need to find this reader in the context.
    ParserContext context(xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr));
    if (!context)
        return ParseResult::NoParser;
    xmlCtxtUseOptions(context.get(), parseOptions);
    context->_private = this;
    parseState.context = context.get();

    // The first bytes alone, so that libxml2 detects a byte order mark or UTF-16 from them.
    const std::size_t head = read(buffer.data(), 4);
    parseState.inputEnded = head == 0;
    bool failed =
        xmlParseChunk(context.get(), buffer.data(), static_cast<int>(head), head == 0) != 0;
    for (bool last = head == 0; !failed && !last;) {
        const std::size_t count = last ? 0 : read(buffer.data(), buffer.size());
        last = last || count == 0;
        parseState.inputEnded = last;
        // A non-zero result is the only sign of some stops, such as an encoding error.
        failed = xmlParseChunk(context.get(), buffer.data(), static_cast<int>(count), last) != 0;
    }
    const bool complete = !failed && !parseState.stopped && context->wellFormed;
    if (!complete && !parseState.fatalErrorReported && !parseState.failure)
        report(XML_ERR_FATAL, "the document could not be read to its end", XML_ERR_DOCUMENT_END);
    return complete ? ParseResult::Complete : ParseResult::Stopped;
}

int SaxReader::currentLine() const {
    return state && state->context ? xmlSAX2GetLineNumber(state->context) : 0;
}

bool SaxReader::isStopped() const {
    return state->stopped;
}

void SaxReader::deliverPendingText() {
    if (state->pendingText.empty())
        return;
    // Handlers cannot start a parse, so the buffer stays as it is while they read it; it
    // keeps its capacity for the next piece.
    if (contentHandler)
        contentHandler->characters(state->pendingText);
    state->pendingText.clear();
}

void SaxReader::noteRootVersion(const char* encoding, int attributeCount,
                                const unsigned char** attributes) {
    state->rootSeen = true;
    lastProlog.encoding = encoding ? encoding : "";
    // Each attribute is five pointers: local name, prefix, URI, value start and value end.
    for (int index = 0; index < attributeCount; ++index) {
        const unsigned char** attribute = attributes + 5 * index;
        if (textOf(attribute[0]) == "DTD_version")
            lastProlog.dtdVersion.assign(reinterpret_cast<const char*>(attribute[3]),
                                         reinterpret_cast<const char*>(attribute[4]));
    }
}

void SaxReader::handleStartElement(std::string_view localName) {
    deliverPendingText();
    if (elementWatcher)
        elementWatcher->startElement(localName);
    if (contentHandler)
        contentHandler->startElement(localName);
}

void SaxReader::handleEndElement(std::string_view localName) {
    deliverPendingText();
    if (elementWatcher)
        elementWatcher->endElement(localName);
    if (contentHandler)
        contentHandler->endElement(localName);
}

void SaxReader::appendText(std::string_view text) {
    state->pendingText.append(text);
}

bool SaxReader::chargeEntityExpansion(std::size_t bytes) {
    state->expandedEntityBytes += std::max<std::size_t>(bytes, 1);
    if (state->expandedEntityBytes <= entityExpansionBudget)
        return true;
    report(XML_ERR_FATAL, "entity expansion exceeds its limit", XML_ERR_ENTITY_LOOP);
    stop();
    return false;
}

void SaxReader::report(int level, std::string_view message, int code) {
    if (level == XML_ERR_FATAL)
        state->fatalErrorReported = true;
    if (!errorHandler)
        return;
    // The document's own position, also while an entity's text is parsed.
    const SaxError problem{message, xmlSAX2GetLineNumber(state->context),
                           xmlSAX2GetColumnNumber(state->context), code, atEndOfInput()};
    if (level == XML_ERR_FATAL)
        errorHandler->fatalError(problem);
    else if (level == XML_ERR_ERROR)
        errorHandler->error(problem);
    else
        errorHandler->warning(problem);
}

bool SaxReader::atEndOfInput() const {
    // After the last byte, nothing but blanks left unread: libxml2 stopped at the file's end.
    const xmlParserInputPtr input = state->context->input;
    if (!state->inputEnded || !input || !input->cur || !input->end)
        return state->inputEnded;
    return std::all_of(input->cur, input->end, [](xmlChar c) { return std::isspace(c) != 0; });
}

void SaxReader::stop() {
    state->stopped = true;
    xmlStopParser(state->context);
}
