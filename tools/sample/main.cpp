// tessel-make-sample [--photos N] [--size WxH] [--textured] [--modern] [--xml-only]
//                    [--clean | --flaws] FOLDER
// Writes a sample delivery: PHOTO.XML in Shift_JIS, photos in PIC/, drawings in DRA/. A
// modern one is a disc: INDEX_C.XML in FOLDER, the delivery in FOLDER/PHOTO. A clean one
// gives the check nothing to report; a flawed one plants one fault per photo and lists them,
// rule and file name, in FLAWS.TSV at the disc's root.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include "tools/sample/PlantedFiles.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/SampleFlaws.h"
#include "tools/sample/TextEncoding.h"

namespace {

struct Options {
    std::optional<int> photoCount; // none asked for: 36, or for a flawed one enough for every fault
    QSize photoSize{1280, 960};
    bool xmlOnly = false;
    PhotoContent content = PhotoContent::Flat;
    DeliveryStyle style = DeliveryStyle::Older;
    SampleKind kind = SampleKind::Viewer;
    QString folder;
};

bool parseSize(const QString& text, QSize& size) {
    const QStringList parts = text.split('x');
    bool widthOk = false;
    bool heightOk = false;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    return widthOk && heightOk && size.width() > 0 && size.height() > 0;
}

bool parseOptions(const QStringList& arguments, Options& options) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == "--photos" && hasValue)
            options.photoCount = arguments[++i].toInt(&ok);
        else if (argument == "--size" && hasValue)
            ok = parseSize(arguments[++i], options.photoSize);
        else if (argument == "--xml-only")
            options.xmlOnly = true;
        else if (argument == "--textured")
            options.content = PhotoContent::Textured;
        else if (argument == "--modern")
            options.style = DeliveryStyle::Modern;
        else if (argument == "--clean")
            options.kind = SampleKind::Clean;
        else if (argument == "--flaws")
            options.kind = SampleKind::Flawed;
        else if (!argument.startsWith("--") && options.folder.isEmpty())
            options.folder = argument;
        else
            ok = false;
        if (!ok || options.photoCount.value_or(0) < 0)
            return false;
    }
    return !options.folder.isEmpty();
}

bool writeFile(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

bool writeShiftJis(const QString& path, const std::string& utf8) {
    return writeFile(path, encodeUtf8As(utf8, "CP932"));
}

// The files beside the management files: the DTDs the standard asks for, the index of a disc.
bool writeCompanions(const QDir& disc, const QDir& folder, const Options& options) {
    const bool modern = options.style == DeliveryStyle::Modern;
    const bool plain = options.kind != SampleKind::Viewer;
    const std::string index = sampleIndexXml("Shift_JIS", plain);
    const bool flawed = options.kind == SampleKind::Flawed;
    if (modern &&
        (!writeShiftJis(disc.filePath("INDEX_C.XML"), flawed ? withIndexFault(index) : index) ||
         !writeFile(disc.filePath("INDE_C05.DTD"), sampleDtd("constdata"))))
        return false;
    // A flawed delivery lacks its DTD.
    return options.kind == SampleKind::Flawed ||
           writeFile(folder.filePath("PHOTO05.DTD"), sampleDtd("photodata"));
}

bool writeImages(const QDir& folder, const std::vector<SamplePhoto>& photos,
                 const Options& options) {
    std::set<std::string> drawingsWritten;
    for (const SamplePhoto& photo : photos) {
        const QString path = folder.filePath("PIC/" + QString::fromStdString(photo.fileName));
        // A photo on the second medium is not on this one.
        if (photo.mediaNumber == 1 &&
            !writePhotoFile(path, photo, options.photoSize, options.content))
            return false;
        for (const SampleDrawing& drawing : photo.drawings) {
            if (!drawingsWritten.insert(drawing.fileName).second)
                continue;
            if (!writeDrawingFile(
                    folder.filePath("DRA/" + QString::fromStdString(drawing.fileName)), drawing))
                return false;
        }
    }
    return true;
}

// The faults that are files of their own, and the list of all faults planted, at the disc's
// root: the delivery folder holds only what the standard names.
bool writeFlaws(const QDir& disc, QDir folder, const std::vector<PlantedFault>& planted) {
    std::ofstream list(disc.filePath("FLAWS.TSV").toStdString(), std::ios::trunc);
    for (const StrayFile& stray : strayFiles()) {
        const QString path = QString::fromStdString(stray.path);
        if (path.endsWith('/'))
            folder.mkpath(path);
        else
            std::ofstream(folder.filePath(path).toStdString()) << "x";
        list << stray.fault.rule << '\t' << stray.fault.fileName << '\n';
    }
    if (!folder.rename("DRA", QString::fromStdString(lowerCaseFolder.fileName)))
        return false;
    list << lowerCaseFolder.rule << '\t' << lowerCaseFolder.fileName << '\n';
    for (const PlantedFault& fault : planted)
        list << fault.rule << '\t' << fault.fileName << '\n';
    for (const PlantedFault& fault : deliveryFaults())
        list << fault.rule << '\t' << fault.fileName << '\n';
    for (const PlantedFault& fault : {cutShortXml, damagedIndexItem})
        list << fault.rule << '\t' << fault.fileName << '\n';
    return static_cast<bool>(list);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Options options;
    if (!parseOptions(application.arguments(), options)) {
        std::fputs("usage: tessel-make-sample [--photos N] [--size WxH] [--textured] [--modern] "
                   "[--xml-only] [--clean | --flaws] FOLDER\n",
                   stderr);
        return 2;
    }
    // Deliveries made to be checked are made as the standard asks today: a disc.
    if (options.kind != SampleKind::Viewer)
        options.style = DeliveryStyle::Modern;
    const bool modern = options.style == DeliveryStyle::Modern;
    const QDir disc(options.folder);
    const QDir folder(modern ? disc.filePath("PHOTO") : options.folder);
    if (!folder.mkpath("PIC") || !folder.mkpath("DRA")) {
        std::fprintf(stderr, "tessel-make-sample: cannot create %s\n", qPrintable(options.folder));
        return 1;
    }
    const bool flawed = options.kind == SampleKind::Flawed;
    // A flawed one has a photo for each fault after the first.
    const int count =
        options.photoCount.value_or(flawed ? int(std::max<std::size_t>(36, flawCount() + 1)) : 36);
    std::vector<SamplePhoto> photos = makeSamplePhotos(count, options.kind);
    const std::vector<PlantedFault> planted =
        flawed ? plantFaults(photos) : std::vector<PlantedFault>();
    std::string xml = samplePhotoXml(photos, "Shift_JIS", options.style);
    if (flawed) {
        xml = withDeliveryFaults(xml);
        xml.erase(xml.rfind("</photodata>")); // cut short after the last photo
    }
    const QString photoXml = folder.filePath("PHOTO.XML");
    if (!writeCompanions(disc, folder, options) ||
        !(flawed ? writeFile(photoXml, xml) : writeShiftJis(photoXml, xml)) ||
        (!options.xmlOnly && !writeImages(folder, photos, options)) ||
        (flawed && !writeFlaws(disc, folder, planted))) {
        std::fprintf(stderr, "tessel-make-sample: cannot write into %s\n",
                     qPrintable(options.folder));
        return 1;
    }
    return 0;
}
