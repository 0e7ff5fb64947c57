#pragma once

#include <string>
#include <string_view>

#include "model/DumpSink.h"
#include "model/ElementTables.h"
#include "model/TextSlots.h"

// One 工事情報 section, with the three lines the construction-information view shows.
class ConstructionInfo {
public:
    TextSlots<ConstructionSlot, 17> slots;
    std::string numberLine;
    std::string titleLine;
    std::string partiesLine;
    // What the delivery's own element names call the contractor: 受注者 since about 2010.
    std::string_view contractorLabel = "請負者";

    void reset();
    void composeDisplayLines();
    void dump(DumpSink& sink) const;

private:
    std::string composeNumberLine() const;
    std::string composeTitleLine() const;
    std::string composePartiesLine() const;
};
