#pragma once

#include <string>

// What an XML file says of itself before its content: the check judges the edition of the
// standard and the encoding by it.
struct XmlProlog {
    std::string encoding; // as the XML declaration names it; empty without one
    bool hasDoctype = false;
    std::string systemId;   // the DOCTYPE's system identifier ("PHOTO05.DTD")
    std::string dtdVersion; // the root element's DTD_version attribute
};
