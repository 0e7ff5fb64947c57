#pragma once

#include <array>
#include <string_view>

// The element names of the photo XML file, one table per record. The position of a name in
// its table is the slot of the record that holds the element's text.

enum class BasicSlot {
    PhotoData,
    BasicInfo,
    PhotoFolderName,
    DrawingFolderName,
    AppliedStandard,
    ConstructionInfo,
    PhotoInfo,
};

enum class ConstructionSlot {
    ConstructionInfo,
    OrderYear,
    ConstructionNumber,
    ProjectNumber,
    RiverRouteName,
    RouteWaterSystemName,
    ConstructionName,
    ConstructionSite,
    PeriodStart,
    PeriodEnd,
    OrdererMajor,
    OrdererMiddle,
    OrdererMinor,
    OrdererCode,
    ContractorName,
    ContractorCode,
    ContractorNote,
};

enum class PhotoSlot {
    PhotoInfo,
    SerialNumber,
    FileName,
    FileNameJapanese,
    MediaNumber,
    MajorCategory,
    PhotoCategory,
    WorkType,
    WorkKind,
    WorkDetail,
    Title,
    WorkTypeReserve,
    Attachment,
    ShotLocation,
    ShotDate,
    ControlValue,
    ControlValueReserve,
    SituationReserve,
    Representative,
    ContractorRemark,
    PhotoInfoReserve,
    SubmissionFrequency,
};

enum class DrawingSlot {
    Attachment,
    DrawingFileName,
    DrawingFileNameJapanese,
    DrawingTitle,
    DrawingMime,
    AttachmentReserve,
};

inline constexpr std::array<std::string_view, 7> basicElementNames{
    "photodata",    "基礎情報", "写真フォルダ名", "参考図フォルダ名",
    "適用要領基準", "工事情報", "写真情報",
};

inline constexpr std::array<std::string_view, 17> constructionElementNames{
    "工事情報",      "発注年度",     "工事番号",   "案件番号",     "河川-路線名等", "路線水系名等",
    "工事名称",      "工事箇所",     "工期開始日", "工期終了日",   "発注者-大分類", "発注者-中分類",
    "発注者-小分類", "発注者コード", "請負者名",   "請負者コード", "請負者備考",
};

inline constexpr std::array<std::string_view, 22> photoElementNames{
    "写真情報",       "シリアル番号", "写真ファイル名", "写真ファイル日本語名",
    "メディア番号",   "写真-大分類",  "写真区分",       "工種",
    "種別",           "細別",         "写真タイトル",   "工種区分予備",
    "付加情報",       "撮影箇所",     "撮影年月日",     "施工管理値",
    "施工管理値予備", "状況説明予備", "代表写真",       "請負者説明文",
    "写真情報予備",   "提出頻度写真",
};

inline constexpr std::array<std::string_view, 6> drawingElementNames{
    "付加情報",       "参考図ファイル名", "参考図ファイル日本語名",
    "参考図タイトル", "参考図MIME",       "付加情報予備",
};

// The slot of an element name in its record's table, or -1. Names match byte for byte.
int basicSlotOf(std::string_view name);
int constructionSlotOf(std::string_view name);
// Newer photo XML files name the contractor's remark 受注者説明文; it fills the same slot.
inline constexpr std::string_view modernContractorRemarkName = "受注者説明文";
int photoSlotOf(std::string_view name);
int drawingSlotOf(std::string_view name);

inline std::string_view elementName(PhotoSlot slot) {
    return photoElementNames[static_cast<std::size_t>(slot)];
}

inline std::string_view elementName(ConstructionSlot slot) {
    return constructionElementNames[static_cast<std::size_t>(slot)];
}
