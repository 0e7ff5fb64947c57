// tessel-dump [--tree | --order] FILE: prints what was read from a photo XML file (or the
// delivery of a folder), its classification tree, or its browsing order after an open. Exits with 1
// when the file was not read to its end (where it stopped goes to standard error) or is an XML file
// of another kind, 2 when it cannot be opened.

#include <iostream>
#include <string>
#include <string_view>

#include "document/CQuillonDoc.h"
#include "document/CategoryNode.h"
#include "document/DocumentHost.h"
#include "document/HeadlessOpen.h"
#include "model/DumpSink.h"
#include "model/PhotoDataSet.h"

namespace {

constexpr int usageError = 2;

int usage() {
    std::cerr << "usage: tessel-dump [--tree | --order] FILE\n";
    return usageError;
}

void printData(const PhotoDataSet& data) {
    DumpSink sink(std::cout);
    data.dump(sink);
}

// One line per node, depth first: indentation, key and the number of photos it holds.
void printNodes(const CategoryNode& node, int depth) {
    for (const CategoryEntry& entry : node.children) {
        std::cout << std::string(static_cast<std::size_t>(depth) * 2, ' ') << entry.key << " ("
                  << entry.child->photos.size() << ")\n";
        printNodes(*entry.child, depth + 1);
    }
}

void printTree(const PhotoDataSet& data) {
    CategoryNode root;
    root.photos.shareFrom(data.photos);
    root.classify(1);
    printNodes(root, 0);
}

// The document's messages go to standard error; the settings are the defaults.
class ConsoleHost : public DocumentHost {
public:
    void showMessage(std::string_view text) override {
        std::cerr << "tessel-dump: " << text << '\n';
    }
    std::optional<OptionChoice> runOptionsDialog(const OptionValues&) override { return {}; }
    OptionValues savedOptions() const override { return {}; }
    void saveOptions(const OptionValues&) override {}
};

// What was printed is only what came before the damage: the status says so too.
int reportReadStop(const std::string& path, const PhotoDataSet& data) {
    if (!data.readError)
        return 0;
    const ReadError& stop = *data.readError;
    std::cerr << "tessel-dump: " << path << ':' << stop.line << ':' << stop.column
              << ": reading stopped: " << stop.message << '\n';
    return 1;
}

int printOrder(const std::string& path) {
    ConsoleHost host;
    CQuillonDoc document(host);
    if (!document.OnOpenDocument(path))
        return 1;
    for (const PhotoRecord* photo : document.photoOrder())
        std::cout << photo->slots[PhotoSlot::SerialNumber] << '\t'
                  << photo->slots[PhotoSlot::FileName] << '\n';
    return reportReadStop(path, document.photoData());
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 3 ? argv[1] : "";
    const bool tree = mode == "--tree";
    const bool order = mode == "--order";
    if (argc != 2 && !tree && !order)
        return usage();
    const std::string path = argv[argc - 1];
    if (order)
        return printOrder(path);

    const HeadlessOpen open = openDeliveryHeadless(path);
    if (!open.opened()) {
        std::cerr << "tessel-dump: " << open.failedPath << ": " << open.failure << '\n';
        return open.read.outcome == DeliveryRead::Outcome::NotPhotoXml ? 1 : usageError;
    }
    const PhotoDataSet& data = open.read.delivery.data;
    if (tree)
        printTree(data);
    else
        printData(data);
    return reportReadStop(open.read.delivery.path, data);
}
