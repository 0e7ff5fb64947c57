#include "model/ConstructionInfo.h"

namespace {

void appendIfGiven(std::string& line, std::string_view separator, const std::string& text) {
    if (!text.empty()) {
        line += separator;
        line += text;
    }
}

} // namespace

void ConstructionInfo::reset() {
    slots.clear();
    numberLine.clear();
    titleLine.clear();
    partiesLine.clear();
    contractorLabel = "請負者";
}

void ConstructionInfo::composeDisplayLines() {
    numberLine = composeNumberLine();
    titleLine = composeTitleLine();
    partiesLine = composePartiesLine();
}

std::string ConstructionInfo::composeNumberLine() const {
    // The construction number wins when both numbers are given.
    for (ConstructionSlot slot :
         {ConstructionSlot::ConstructionNumber, ConstructionSlot::ProjectNumber}) {
        if (!slots[slot].empty())
            return std::string(elementName(slot)) + "：" + slots[slot];
    }
    return {};
}

std::string ConstructionInfo::composeTitleLine() const {
    std::string line = slots[ConstructionSlot::ConstructionName];
    const std::string& start = slots[ConstructionSlot::PeriodStart];
    const std::string& end = slots[ConstructionSlot::PeriodEnd];
    if (start.empty() && end.empty())
        return line;
    if (!line.empty())
        line += '\n';
    return line + "工期：" + start + "～" + end;
}

std::string ConstructionInfo::composePartiesLine() const {
    std::string line = "発注者：" + slots[ConstructionSlot::OrdererMajor];
    appendIfGiven(line, "　", slots[ConstructionSlot::OrdererMiddle]);
    appendIfGiven(line, "　", slots[ConstructionSlot::OrdererMinor]);
    line.append("\n").append(contractorLabel).append("：");
    line += slots[ConstructionSlot::ContractorName];
    appendIfGiven(line, "　", slots[ConstructionSlot::ContractorNote]);
    return line;
}

void ConstructionInfo::dump(DumpSink& sink) const {
    dumpSlots(sink, "工事情報：", constructionElementNames, slots);
}
