#include "views/ImageSlot.h"

#include "imaging/FileCaption.h"

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
    return {document.delivery().photoFile(photo), photo.slots[PhotoSlot::FileName]};
}

ImageSlot::File ImageSlot::drawingFile(const CQuillonDoc& document, const PhotoRecord& photo,
                                       int drawing) {
    const ReferenceDrawing& chosen = photo.drawings[static_cast<std::size_t>(drawing)];
    return {document.delivery().drawingFile(photo, chosen),
            chosen.slots[DrawingSlot::DrawingFileName]};
}

void ImageSlot::forget() {
    if (file)
        images.forget(file->path);
}
