#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QSize>
#include <QString>

#include "document/CQuillonDoc.h"
#include "imaging/ImageLoader.h"

// One place a view shows an image file in. It asks the shared pipeline for the file at the
// size it is shown, hands what arrives to the view (the image, or the caption that says why
// there is none), asks again for a sharper image after a resize, and reads the file from the
// media again on F5.
class ImageSlot {
public:
    // The file shown, as the loader looks for it, with its name in the delivery.
    struct File : MediaFile {
        std::string name;
    };
    // The caption is empty when the file was decoded.
    using Show = std::function<void(const DecodedFile& file, const QString& caption)>;

    ImageSlot(ImageLoader& images, SizeRule rule, Show show)
        : images(images), rule(rule), show(std::move(show)) {}

    // Shows file from now on, once it is asked for; waits for nothing asked before.
    void setFile(File shown);
    // Shows nothing and waits for nothing.
    void clear();
    bool holdsFile() const { return file.has_value(); }
    // Asks for the file in a box of device pixels, shown by the slot's rule or another:
    // what the cache holds arrives at once, a sharper image when it is needed.
    void request(QSize box, SizeRule shownBy = nullptr);
    // Makes the next request read the file from the media again.
    void forget();

    // The file of a photo of the open delivery, and of one of its drawings (which carry no
    // medium number of their own).
    static File photoFile(const CQuillonDoc& document, const PhotoRecord& photo);
    static File drawingFile(const CQuillonDoc& document, const PhotoRecord& photo, int drawing);

private:
    ImageLoader& images;
    SizeRule rule;
    Show show;
    std::optional<File> file;
    ImageTicket ticket;
};
