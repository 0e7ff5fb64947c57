#include "check/IndexRules.h"

#include "check/DeliveryRules.h"
#include "check/FolderRules.h"
#include "check/RuleTable.h"
#include "check/TextRules.h"

namespace {

using Findings = std::vector<Finding>;
constexpr std::string_view indexName = "INDEX_C.XML";

Finding indexFinding(std::string_view rule, std::string message) {
    return findingAtPath(rule, std::string(indexName), std::move(message));
}

void checkCount(const DiscLabel& label, Findings& found) {
    const auto judge = [&](std::string_view item, const std::string& value) {
        if (!isPositiveNumber(value))
            found.push_back(indexFinding("index-item", std::string(item) + "「" + value +
                                                           "」が 1 以上の半角数字ではありません"));
        return isPositiveNumber(value);
    };
    const bool number = judge("メディア番号", label.mediumNumber);
    const bool count = judge("メディア総枚数", label.mediumCount);
    if (number && count && numberAbove(label.mediumNumber, label.mediumCount))
        found.push_back(indexFinding("index-item", "メディア番号 " + label.mediumNumber +
                                                       " がメディア総枚数 " + label.mediumCount +
                                                       " を超えています"));
}

void checkPeriod(const std::string& start, const std::string& end, Findings& found) {
    for (const auto& [item, date] :
         {std::pair{"工期開始日", start}, std::pair{"工期終了日", end}}) {
        if (!isRealDate(date))
            found.push_back(
                indexFinding("index-item", std::string(item) + "「" + date +
                                               "」が CCYY-MM-DD の実在する日付ではありません"));
    }
    // Dates of one form compare as text.
    if (isRealDate(start) && isRealDate(end) && end < start)
        found.push_back(indexFinding("index-item", "工期終了日 " + end + " が工期開始日 " + start +
                                                       " より前です"));
}

void checkItems(const DiscIndex& index, Findings& found) {
    checkCount(index.label, found);
    const ConstructionInfo info = index.info.value_or(ConstructionInfo());
    const auto& slots = info.slots;
    const std::pair<std::string_view, const std::string&> required[] = {
        {"適用要領基準", index.appliedStandard},
        {"工事番号", index.label.constructionNumber},
        {"工事名称", index.label.constructionName},
    };
    for (const auto& [item, value] : required) {
        if (value.empty())
            found.push_back(indexFinding("index-item", std::string(item) + "が空です"));
    }
    checkPeriod(slots[ConstructionSlot::PeriodStart], slots[ConstructionSlot::PeriodEnd], found);
    if (index.photoFolder != "PHOTO")
        found.push_back(indexFinding("index-item", "写真フォルダ名「" + index.photoFolder +
                                                       "」は PHOTO と書きます"));
}

} // namespace

std::vector<Finding> indexFindings(const CheckInput& input) {
    const auto root = discRootOf(input);
    if (!root)
        return {};
    if (input.indexPath.empty())
        return {indexFinding("index-missing",
                             "ディスクのルート（PHOTO フォルダの上）に INDEX_C.XML がありません")};
    const auto& index = input.index;
    if (!index)
        return {indexFinding("index-item",
                             "INDEX_C.XML を読めません（壊れているか、工事管理ファイル"
                             "ではありません）")};
    Findings found;
    if (auto absent = dtdAbsence(index->prolog, root->string(), " INDEX_C.XML "))
        found.push_back(indexFinding("index-dtd-missing", std::move(*absent)));
    checkItems(*index, found);
    return found;
}
