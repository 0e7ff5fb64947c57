#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/SaxHandlers.h"
#include "model/XmlProlog.h"

enum class ParseResult {
    Complete, // the document was read to its end without a fatal error
    Stopped,  // unreadable, malformed, or stopped by a limit: what came before was delivered
    NoParser, // no parser could be created; nothing was delivered
};

// An event-driven XML reader on libxml2. Events arrive on the calling thread, nested in
// parseFile. The content handler may be exchanged from inside a callback: the next event goes
// to the new handler. Never loads a DTD or an external entity, and bounds entity expansion.
// An exception thrown by a handler stops the parse and leaves parseFile after clean-up.
class SaxReader {
public:
    SaxReader();
    ~SaxReader();
    SaxReader(const SaxReader&) = delete;
    SaxReader& operator=(const SaxReader&) = delete;

    void setContentHandler(SaxContentHandler* handler) { contentHandler = handler; }
    SaxContentHandler* currentContentHandler() const { return contentHandler; }
    void setErrorHandler(SaxErrorHandler* handler) { errorHandler = handler; }
    // Sees every start and end tag before the content handler does, whichever that is.
    void setElementWatcher(SaxContentHandler* watcher) { elementWatcher = watcher; }

    ParseResult parseFile(const std::string& path);
    ParseResult parseMemory(std::string_view document);
    // What the document parsed last said of itself, as far as it was read.
    const XmlProlog& prolog() const { return lastProlog; }
    // The line the parser is at, from 1, while a parse runs (in a handler); 0 otherwise.
    int currentLine() const;

    // Reads at most capacity bytes into buffer; returns 0 at the end of the input.
    using ChunkSource = std::function<std::size_t(char* buffer, std::size_t capacity)>;

private:
    friend struct LibxmlCallbacks;
    struct ParseState;

    ParseResult parse(const ChunkSource& read);
    ParseResult runParser(ParseState& state, const ChunkSource& read);

    void deliverPendingText();
    void handleStartElement(std::string_view localName);
    void noteRootVersion(const char* encoding, int attributeCount,
                         const unsigned char** attributes);
    void handleEndElement(std::string_view localName);
    void appendText(std::string_view text);
    bool chargeEntityExpansion(std::size_t bytes);
    void report(int level, std::string_view message, int code);
    bool atEndOfInput() const;
    void stop();
    bool isStopped() const;

    SaxContentHandler* contentHandler = nullptr;
    SaxErrorHandler* errorHandler = nullptr;
    SaxContentHandler* elementWatcher = nullptr;
    std::unique_ptr<ParseState> state;
    XmlProlog lastProlog;
};
