#include "model/DumpSink.h"

void DumpSink::writeLine(std::string_view label, std::string_view elementName,
                         std::string_view text) {
    if (out)
        *out << label << elementName << "＝" << text << '\n';
}
