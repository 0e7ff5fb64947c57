#include "imaging/PhotoMetadata.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include <exiv2/exiv2.hpp>

#include "imaging/Exiv2Reading.h"

namespace {

// The electronic blackboard's schemas (photo information, measurements and their items).
constexpr std::string_view blackboardNamespaces = "http://dcpadv.org/schema/";

struct Label {
    std::string_view name;
    std::string_view label;
};

constexpr Label blackboardLabels[] = {
    {"ConstructionName", "工事名"},
    {"Contructor", "受注者"}, // as the schema spells it
    {"Constructor", "受注者"},
    {"LargeClassification", "写真-大分類"},
    {"PhotoClassification", "写真区分"},
    {"ConstructionType", "工種"},
    {"MiddleClassification", "種別"},
    {"SmallClassification", "細別"},
    {"Title", "写真タイトル"},
    {"ClassificationRemarks", "分類備考"},
    {"ShootingSpot", "測点（撮影箇所）"},
    {"ShootingDate", "撮影日"},
    {"IsRepresentative", "代表写真"},
    {"IsFrequencyOfSubmission", "提出頻度写真"},
    {"Classification", "計測区分"},
    {"Name", "計測項目"},
    {"Mark", "記号"},
    {"DesignedValue", "設計値"},
    {"MeasuredValue", "実測値"},
    {"UnitName", "単位"},
    {"ContractorRemarks", "受注者説明文"},
    {"Remarks", "備考"},
};

constexpr Label orientations[] = {
    {"1", "そのまま"},
    {"2", "左右反転"},
    {"3", "180°回転"},
    {"4", "上下反転"},
    {"5", "左右反転して左に90°回転"},
    {"6", "右に90°回転"},
    {"7", "左右反転して右に90°回転"},
    {"8", "左に90°回転"},
};

std::string labelOf(std::string_view name, std::span<const Label> labels) {
    const auto found = std::find_if(labels.begin(), labels.end(),
                                    [&](const Label& label) { return label.name == name; });
    return std::string(found == labels.end() ? name : found->label);
}

// "28/10" → "F2.8".
std::string apertureText(const std::string& rational) {
    const auto slash = rational.find('/');
    if (slash == std::string::npos)
        return rational;
    const double denominator = std::atof(rational.c_str() + slash + 1);
    if (denominator == 0)
        return rational;
    char text[32];
    std::snprintf(text, sizeof text, "F%.1f", std::atof(rational.c_str()) / denominator);
    return text;
}

// "2020:01:01 10:00:00" as dates are written everywhere else: "2020-01-01 10:00:00".
std::string readableExifDate(std::string date) {
    if (exifDay(date))
        date[4] = date[7] = '-';
    return date;
}

void addExif(const Exiv2::ExifData& exif, PhotoMetadata& metadata) {
    const auto add = [&](std::string label, std::string value) {
        if (!value.empty())
            metadata.exif.push_back({std::move(label), std::move(value)});
    };
    add("メーカー", exifText(exif, "Exif.Image.Make"));
    add("機種", exifText(exif, "Exif.Image.Model"));
    const std::string original = exifText(exif, "Exif.Photo.DateTimeOriginal");
    add("撮影日時（DateTimeOriginal）", readableExifDate(original));
    metadata.shotDay = exifDay(original);
    const std::string orientation = exifText(exif, "Exif.Image.Orientation");
    if (!orientation.empty())
        add("向き", orientation + "（" + labelOf(orientation, orientations) + "）");
    const std::string exposure = exifText(exif, "Exif.Photo.ExposureTime");
    add("露出時間", exposure.empty() ? exposure : exposure + " 秒");
    const std::string aperture = exifText(exif, "Exif.Photo.FNumber");
    add("絞り値", aperture.empty() ? aperture : apertureText(aperture));
    add("ISO感度", exifText(exif, "Exif.Photo.ISOSpeedRatings"));
}

// "Measurements/measurement:MeasurementItems[2]/item:DesignedValue" → "DesignedValue", " 2".
std::string_view localName(std::string_view path) {
    path = path.substr(
        path.find_last_of("/:") == std::string_view::npos ? 0 : path.find_last_of("/:") + 1);
    return path.substr(0, path.find('['));
}

std::string itemNumberOf(std::string_view path) {
    const auto open = path.rfind('[');
    const auto close = path.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return {};
    return " " + std::string(path.substr(open + 1, close - open - 1));
}

bool isHash(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("hash") != std::string::npos;
}

// A struct or an array of structs: its members follow as data of their own.
bool isContainer(const Exiv2::Xmpdatum& datum) {
    if (datum.typeId() != Exiv2::xmpText)
        return false;
    const auto& value = static_cast<const Exiv2::XmpValue&>(datum.value());
    return value.xmpStruct() != Exiv2::XmpValue::xsNone ||
           value.xmpArrayType() != Exiv2::XmpValue::xaNone;
}

} // namespace

void addBlackboardItems(const Exiv2::XmpData& xmp, PhotoMetadata& metadata) {
    for (const Exiv2::Xmpdatum& datum : xmp) {
        if (isContainer(datum))
            continue;
        std::string space;
        try {
            space = Exiv2::XmpProperties::ns(datum.groupName());
        } catch (const std::exception&) {
            continue; // a prefix Exiv2 does not know is no blackboard's
        }
        const std::string value = datum.toString();
        if (!space.starts_with(blackboardNamespaces) || value.empty())
            continue;
        const std::string path = datum.tagName();
        if (isHash(localName(path)))
            metadata.tamperCheckValue = true;
        else
            metadata.blackboard.push_back(
                {labelOf(localName(path), blackboardLabels) + itemNumberOf(path), value});
    }
}

PhotoMetadata photoMetadataOf(const Exiv2::Image* image) {
    PhotoMetadata metadata;
    if (!image)
        return metadata;
    addExif(image->exifData(), metadata);
    addBlackboardItems(image->xmpData(), metadata);
    return metadata;
}

PhotoMetadata readPhotoMetadata(const std::string& path) {
    return photoMetadataOf(readJpegMetadata(path).get());
}
