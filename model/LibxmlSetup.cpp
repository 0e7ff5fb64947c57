#include "model/LibxmlSetup.h"

#include <mutex>

#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

namespace {

// Real deliveries use ①, ㈱, ㎡ and 髙, which only the Windows form of Shift_JIS has.
constexpr const char* shiftJisNames[] = {"SHIFT_JIS", "SHIFT-JIS",   "SJIS",         "X-SJIS",
                                         "MS_KANJI",  "WINDOWS-31J", "CSWINDOWS31J", "MS932"};

xmlParserInputPtr refuseExternalEntity(const char*, const char*, xmlParserCtxtPtr) {
    return nullptr;
}

} // namespace

void configureLibxml() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        for (const char* name : shiftJisNames)
            xmlAddEncodingAlias("CP932", name);
        xmlSetExternalEntityLoader(refuseExternalEntity);
    });
}
