#include "model/ReferenceDrawing.h"

void ReferenceDrawing::dump(DumpSink& sink) const {
    dumpSlots(sink, "付加情報：", drawingElementNames, slots);
    dumpEntries(sink, "付加情報：", "付加情報予備", reserves);
}
