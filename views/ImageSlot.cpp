#include "views/ImageSlot.h"

#include "views/FileCaption.h"

void ImageSlot::setFile(File shown) {
    ticket.release();
    file = std::move(shown);
}

void ImageSlot::clear() {
    ticket.release();
    file.reset();
}

void ImageSlot::request(QSize box, SizeRule shownBy) {
    if (!file)
        return;
    ticket = images.request(
        *file, box,
        [this](const DecodedFile& decoded) {
            show(decoded, QString::fromStdString(fileCaption(decoded, file->name, file->medium)));
        },
        shownBy ? shownBy : rule);
}

ImageSlot::File ImageSlot::photoFile(const CQuillonDoc& document, const PhotoRecord& photo) {
    const std::string& name = photo.slots[PhotoSlot::FileName];
    return {
        {document.makePhotoPath(name), photo.slots[PhotoSlot::MediaNumber], document.otherDiscs()},
        name};
}

ImageSlot::File ImageSlot::drawingFile(const CQuillonDoc& document, const PhotoRecord& photo,
                                       int drawing) {
    const std::string& name =
        photo.drawings[static_cast<std::size_t>(drawing)].slots[DrawingSlot::DrawingFileName];
    return {{document.makeDrawingPath(name), photo.slots[PhotoSlot::MediaNumber],
             document.otherDiscs()},
            name};
}

void ImageSlot::forget() {
    if (file)
        images.forget(file->path);
}
