// The photo XML reader and what the document does with what it read: the classification
// tree, the browsing order in both browse modes, stepping, and the dump.

#include <sstream>

#include "document/CQuillonDoc.h"
#include "fuzz/FuzzInput.h"
#include "model/DumpSink.h"
#include "model/PhotoXmlReader.h"

namespace {

class SilentHost : public DocumentHost {
public:
    BrowseMode browseMode = BrowseMode::AllPhotos;
    void showMessage(std::string_view) override {}
    std::optional<OptionChoice> runOptionsDialog(const OptionValues&) override { return {}; }
    OptionValues savedOptions() const override { return {10, browseMode}; }
    void saveOptions(const OptionValues&) override {}
};

void visitNodes(CQuillonDoc& document, const CategoryNode& node) {
    for (const CategoryEntry& entry : node.children) {
        document.selectNode(entry.child.get(), nullptr);
        while (document.nextPhoto(nullptr))
            document.selectDrawing(0, nullptr);
        visitNodes(document, *entry.child);
    }
}

// What an open of the text read: the file's data, taken by the document as an open takes it.
DeliveryRead readText(const std::string& text) {
    DeliveryRead read;
    read.delivery.path = "/fuzz/PHOTO.XML";
    if (PhotoXmlReader().loadText(text, read.delivery.data) != 0)
        read.outcome = DeliveryRead::Outcome::LoadFailed;
    else if (read.delivery.data.isForeignXml())
        read.outcome = DeliveryRead::Outcome::NotPhotoXml;
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzText(data, size);
    for (const BrowseMode mode : {BrowseMode::AllPhotos, BrowseMode::ChosenNode}) {
        SilentHost host;
        host.browseMode = mode;
        CQuillonDoc document(host);
        if (!document.adoptDelivery(readText(text)))
            continue;
        std::ostringstream out;
        DumpSink sink(out);
        document.photoData().dump(sink);
        visitNodes(document, document.rootNode());
        while (document.previousPhoto(nullptr)) {
        }
    }
    return 0;
}
