#include "check/ItemTextRules.h"

#include <algorithm>

#include "check/CharacterRules.h"
#include "check/RuleTable.h"

namespace {

using Findings = std::vector<Finding>;

// The longest each item may be, in full-width characters; items not named are not limited.
struct ItemLimit {
    std::string_view item;
    int length;
};

constexpr ItemLimit itemLimits[] = {
    {"写真区分", 16},        {"写真タイトル", 127},
    {"工種", 127},           {"種別", 127},
    {"細別", 127},           {"撮影箇所", 127},
    {"施工管理値", 127},     {"請負者説明文", 127},
    {"受注者説明文", 127},   {"写真ファイル日本語名", 127},
    {"参考図タイトル", 127}, {"参考図ファイル日本語名", 127},
    {"写真フォルダ名", 127}, {"参考図フォルダ名", 127},
};

std::string_view faultName(CharacterFault fault) {
    switch (fault) {
    case CharacterFault::HalfwidthKana:
        return "char-halfwidth-kana";
    case CharacterFault::OutsideJis:
        return "char-outside-jis";
    case CharacterFault::FullwidthAlnum:
        break;
    }
    return "char-fullwidth-alnum";
}

std::string_view faultWords(CharacterFault fault) {
    switch (fault) {
    case CharacterFault::HalfwidthKana:
        return "半角カタカナです";
    case CharacterFault::OutsideJis:
        return "JIS X 0208 にない文字です";
    case CharacterFault::FullwidthAlnum:
        break;
    }
    return "全角の英数字です（半角で書きます）";
}

void checkCharacters(std::string_view item, std::string_view text, bool fromShiftJis,
                     Findings& found) {
    const std::vector<CharacterFinding> characters = disallowedCharacters(text, fromShiftJis);
    for (const CharacterFault fault : {CharacterFault::OutsideJis, CharacterFault::HalfwidthKana,
                                       CharacterFault::FullwidthAlnum}) {
        std::string quoted;
        for (const CharacterFinding& character : characters) {
            if (character.fault == fault)
                quoted += character.character;
        }
        if (!quoted.empty())
            found.push_back(makeFinding(faultName(fault), std::string(item) + "の「" + quoted +
                                                              "」は" +
                                                              std::string(faultWords(fault))));
    }
}

void checkLength(std::string_view item, std::string_view text, Findings& found) {
    const auto limit = std::find_if(std::begin(itemLimits), std::end(itemLimits),
                                    [item](const ItemLimit& l) { return l.item == item; });
    if (limit == std::end(itemLimits))
        return;
    const int length = fullWidthLength(text);
    if (length > limit->length)
        found.push_back(makeFinding(
            "text-too-long", std::string(item) + "は全角 " + std::to_string(length) + " 文字で、" +
                                 std::to_string(limit->length) + " 文字を超えています"));
}

void checkItem(std::string_view item, std::string_view text, bool fromShiftJis, Findings& found) {
    if (text.empty())
        return;
    checkLength(item, text, found);
    checkCharacters(item, text, fromShiftJis, found);
}

template <typename Names, typename Slots>
void checkSlots(const Names& names, const Slots& slots, bool fromShiftJis, Findings& found) {
    for (std::size_t slot = 0; slot < names.size(); ++slot)
        checkItem(names[slot], slots.at(int(slot)), fromShiftJis, found);
}

} // namespace

std::vector<Finding> photoTextFindings(const PhotoRecord& photo, bool fromShiftJis) {
    Findings found;
    for (std::size_t slot = 0; slot < photoElementNames.size(); ++slot) {
        const bool remark = PhotoSlot(slot) == PhotoSlot::ContractorRemark;
        checkItem(remark ? photo.contractorRemarkName : photoElementNames[slot],
                  photo.slots.at(int(slot)), fromShiftJis, found);
    }
    for (const std::string& reserve : photo.controlValueReserves)
        checkItem("施工管理値予備", reserve, fromShiftJis, found);
    for (const std::string& reserve : photo.photoInfoReserves)
        checkItem("写真情報予備", reserve, fromShiftJis, found);
    for (const ReferenceDrawing& drawing : photo.drawings)
        checkSlots(drawingElementNames, drawing.slots, fromShiftJis, found);
    return found;
}

std::vector<Finding> deliveryTextFindings(const PhotoDataSet& data, bool fromShiftJis) {
    Findings found;
    checkSlots(basicElementNames, data.basicInfo, fromShiftJis, found);
    if (data.hasConstructionInfo && data.constructionInfoSource.empty())
        checkSlots(constructionElementNames, data.constructionInfo.slots, fromShiftJis, found);
    return found;
}
