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

// Receives the problems SaxReader meets. A fatal error ends the parse.
class SaxErrorHandler {
public:
    virtual ~SaxErrorHandler() = default;
    virtual void warning(std::string_view message) = 0;
    virtual void error(std::string_view message) = 0;
    virtual void fatalError(std::string_view message) = 0;
};
