#pragma once

#include <string_view>

// Receives the content of an XML document from SaxReader, in document order.
class SaxContentHandler {
public:
    virtual ~SaxContentHandler() = default;
    virtual void startElement(std::string_view localName) = 0;
    virtual void endElement(std::string_view localName) = 0;
    // All text between two consecutive element tags, references resolved, comments left out.
    virtual void characters(std::string_view text) = 0;
};

// A problem the reader met, and where in the document it was read (lines and columns count
// from 1; 0 where no position is known, as for a file that cannot be opened).
struct SaxError {
    std::string_view message; // libxml2's own words, in English
    int line = 0;
    int column = 0;
    int code = 0;              // libxml2's error number; 0 when the reader says it alone
    bool atEndOfInput = false; // met after the last byte was read: the file stops early
};

// Receives the problems SaxReader meets. A fatal error ends the parse.
class SaxErrorHandler {
public:
    virtual ~SaxErrorHandler() = default;
    virtual void warning(const SaxError& problem) = 0;
    virtual void error(const SaxError& problem) = 0;
    virtual void fatalError(const SaxError& problem) = 0;
};
