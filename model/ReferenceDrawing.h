#pragma once

#include <string>
#include <vector>

#include "model/DumpSink.h"
#include "model/ElementTables.h"
#include "model/TextSlots.h"

// One 付加情報 section of a photo: a reference drawing.
class ReferenceDrawing {
public:
    TextSlots<DrawingSlot, 6> slots;
    std::vector<std::string> reserves;

    void dump(DumpSink& sink) const;
};
