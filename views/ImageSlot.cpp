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
        file->path, box,
        [this](const DecodedFile& decoded) {
            show(decoded, QString::fromStdString(fileCaption(decoded, file->name, file->medium)));
        },
        shownBy ? shownBy : rule, file->medium);
}

ImageSlot::File ImageSlot::photoFile(const CQuillonDoc& document, const PhotoRecord& photo) {
    const std::string& name = photo.slots[PhotoSlot::FileName];
    return {document.makePhotoPath(name), name, photo.slots[PhotoSlot::MediaNumber]};
}

ImageSlot::File ImageSlot::drawingFile(const CQuillonDoc& document, const PhotoRecord& photo,
                                       int drawing) {
    const std::string& name =
        photo.drawings[static_cast<std::size_t>(drawing)].slots[DrawingSlot::DrawingFileName];
    return {document.makeDrawingPath(name), name, photo.slots[PhotoSlot::MediaNumber]};
}

void ImageSlot::forget() {
    if (file)
        images.forget(file->path);
}
