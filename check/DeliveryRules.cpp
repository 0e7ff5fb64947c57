#include "check/DeliveryRules.h"

#include "check/ItemTextRules.h"
#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "media/NameLookup.h"

namespace {

using Findings = std::vector<Finding>;

void reportEdition(const EditionChoice& edition, bool chosenByContract, Findings& found) {
    found.push_back(
        makeFinding("edition", "デジタル写真管理情報基準 " + std::string(edition.rules->name) +
                                   " として検査しました（" +
                                   (chosenByContract ? "指定による" : edition.reason) + "）"));
    if (chosenByContract)
        return;
    for (const std::string& conflict : edition.conflicts)
        found.push_back(makeFinding("edition-mismatch", conflict + "。DTD の版で検査しました"));
}

void checkEncoding(const XmlProlog& prolog, Findings& found) {
    if (!isShiftJis(prolog))
        found.push_back(makeFinding(
            "xml-encoding",
            "文字コードは " +
                (prolog.encoding.empty() ? std::string("UTF-8（宣言なし）") : prolog.encoding) +
                " です（読み込んで検査はしました）"));
}

void checkDtd(const CheckInput& input, Findings& found) {
    // Without the file's path (a test's data in memory) only the DOCTYPE is judged.
    const std::string& path = input.photoXml;
    const std::string folder = path.empty() ? "" : path.substr(0, path.rfind('/') + 1);
    if (auto absent = dtdAbsence(input.data.prolog, folder, "写真管理ファイル"))
        found.push_back(makeFinding("dtd-missing", std::move(*absent)));
}

std::string misplacedWords(const MisplacedElement& element, std::string_view version) {
    std::string words = std::to_string(element.firstLine) + " 行目: ";
    if (element.expectedParent.empty())
        words += "要素「" + element.name + "」は DTD_version " + std::string(version) +
                 " にありません（" + element.parent + " の中）";
    else
        words += element.name + " が " + element.parent + " の中にあります（" +
                 element.expectedParent + " の中に書きます）";
    if (element.count > 1)
        words += "。ほかに " + std::to_string(element.count - 1) + " か所";
    return words;
}

// The element groups are those of the DTD versions; the older files are not judged by them.
void checkSections(const PhotoDataSet& data, const EditionRules& edition, Findings& found) {
    if (edition.dtdVersion.empty())
        return;
    const bool ownBlock = data.hasConstructionInfo && data.constructionInfoSource.empty();
    if (ownBlock)
        found.push_back(makeFinding("xml-structure",
                                    std::to_string(data.constructionInfoLine) +
                                        " 行目: DTD_version " + std::string(edition.dtdVersion) +
                                        " の写真管理ファイルに工事情報があります（工事情報は "
                                        "INDEX_C.XML に書きます）"));
    for (const MisplacedElement& element : data.misplacedElements)
        found.push_back(makeFinding("xml-structure", misplacedWords(element, edition.dtdVersion)));
}

void checkFolderItems(const CheckInput& input, Findings& found) {
    const BasicInfo& basic = input.data.basicInfo;
    const std::string& photos = basic[BasicSlot::PhotoFolderName];
    if (photos != "PHOTO/PIC")
        found.push_back(makeFinding("folder-item",
                                    "写真フォルダ名「" + photos + "」は PHOTO/PIC ではありません"));
    const std::string& drawings = basic[BasicSlot::DrawingFolderName];
    if (drawings != "PHOTO/DRA" && !filesInMediaFolder(input.folders.drawings).empty())
        found.push_back(makeFinding("folder-item", "DRA に参考図があるのに参考図フォルダ名「" +
                                                       drawings + "」は PHOTO/DRA ではありません"));
}

void checkStandard(const PhotoDataSet& data, Findings& found) {
    const std::string& standard = data.basicInfo[BasicSlot::AppliedStandard];
    if (!standardMonth(standard))
        found.push_back(makeFinding(
            "standard-missing", standard.empty() ? "適用要領基準がありません"
                                                 : "適用要領基準「" + standard +
                                                       "」は 分野YYYYMM-NN の形ではありません"));
}

} // namespace

std::optional<std::string> dtdAbsence(const XmlProlog& prolog, const std::string& folder,
                                      std::string_view file) {
    if (!prolog.hasDoctype || prolog.systemId.empty())
        return "DOCTYPE 宣言がありません";
    const std::string dtd = prolog.systemId.substr(prolog.systemId.rfind('/') + 1);
    if (folder.empty() || entryIgnoringCase(folder, dtd))
        return std::nullopt;
    return dtd + " が" + std::string(file) + "と同じフォルダにありません";
}

bool isShiftJis(const XmlProlog& prolog) {
    const std::string name = upperAscii(prolog.encoding);
    for (const char* alias :
         {"SHIFT_JIS", "SHIFT-JIS", "X-SJIS", "SJIS", "WINDOWS-31J", "MS_KANJI", "CP932"}) {
        if (name == alias)
            return true;
    }
    return false;
}

EditionChoice editionOf(const CheckInput& input) {
    if (input.edition)
        return {input.edition, "指定による", {}};
    const PhotoDataSet& data = input.data;
    return chooseEdition({data.prolog,
                          data.hasConstructionInfo && data.constructionInfoSource.empty(),
                          data.basicInfo[BasicSlot::AppliedStandard], input.indexStandard});
}

std::vector<Finding> deliveryFindings(const CheckInput& input, const EditionChoice& edition) {
    Findings found;
    reportEdition(edition, input.edition != nullptr, found);
    checkEncoding(input.data.prolog, found);
    checkDtd(input, found);
    checkSections(input.data, *edition.rules, found);
    checkFolderItems(input, found);
    checkStandard(input.data, found);
    const Findings texts = deliveryTextFindings(input.data, isShiftJis(input.data.prolog));
    found.insert(found.end(), texts.begin(), texts.end());
    return found;
}
