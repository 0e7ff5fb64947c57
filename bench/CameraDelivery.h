#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchData.h"
#include "tools/sample/PlantedFiles.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/TextEncoding.h"

// A clean delivery of count textured 1280 × 960 photos as cameras write them (EXIF with its
// thumbnail, the blackboard's XMP), with their drawings; made once and kept in the build tree
// under name. The photos beyond the first eight are hard links to those: real files, little
// disk, each carrying its original's EXIF date.
inline std::string makeCameraDelivery(const std::string& name, int count) {
    namespace fs = std::filesystem;
    constexpr std::size_t distinctPhotos = 8;
    const fs::path folder = benchDataPath(name + "-" + std::to_string(count));
    const fs::path xml = folder / "PHOTO.XML";
    if (fs::exists(xml))
        return xml.string();
    fs::create_directories(folder / "PIC");
    fs::create_directories(folder / "DRA");
    const std::vector<SamplePhoto> photos = makeSamplePhotos(count, SampleKind::Clean);
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const fs::path file = folder / "PIC" / photos[i].fileName;
        if (i < distinctPhotos)
            writePhotoFile(QString::fromStdString(file.string()), photos[i], QSize(1280, 960),
                           PhotoContent::Textured);
        else
            fs::create_hard_link(folder / "PIC" / photos[i % distinctPhotos].fileName, file);
        for (const SampleDrawing& drawing : photos[i].drawings) {
            if (!fs::exists(folder / "DRA" / drawing.fileName))
                writeDrawingFile(
                    QString::fromStdString((folder / "DRA" / drawing.fileName).string()), drawing);
        }
    }
    std::ofstream(xml, std::ios::binary)
        << encodeUtf8As(samplePhotoXml(photos, "Shift_JIS"), "CP932");
    return xml.string();
}
