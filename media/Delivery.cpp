#include "media/Delivery.h"

MediaFile Delivery::photoFile(const PhotoRecord& photo) const {
    return {fileInFolder(folders.photos, photo.slots[PhotoSlot::FileName]),
            photo.slots[PhotoSlot::MediaNumber], otherDiscs};
}

MediaFile Delivery::drawingFile(const PhotoRecord& photo, const ReferenceDrawing& drawing) const {
    // A drawing stands on the medium of the photo it belongs to.
    return {fileInFolder(folders.drawings, drawing.slots[DrawingSlot::DrawingFileName]),
            photo.slots[PhotoSlot::MediaNumber], otherDiscs};
}
