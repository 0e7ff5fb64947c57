#include "model/DumpSink.h"

void DumpSink::writeLine(std::string_view label, std::string_view elementName,
                         std::string_view text) {
    out << label << elementName << "＝" << text << '\n';
}
