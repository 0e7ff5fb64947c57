#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/CategoryNode.h"
#include "document/DeliveryRead.h"
#include "document/DocumentHost.h"
#include "document/DocumentView.h"
#include "document/PhotoSearch.h"
#include "model/PhotoDataSet.h"

// Sets up the XML reader for the whole process. libxml2 takes the thread that first sets it up
// for its main thread, so a program calls this at its start, before any other thread runs.
void prepareDocumentReading();

// What enlarging shows: nothing (no file open), the current photo, or the drawing chosen.
enum class ImageTarget { None, Photo, Drawing };

// The one document: the data of the open photo XML file, its classification tree, the
// browsing order and the current photo. It never calls a view; it announces each change by
// an update hint to every registered view but the sender. It writes nothing.
//
// Invariants after every operation: currentPhoto is null exactly when currentIndex is -1,
// and otherwise is the entry of photoOrder at currentIndex; currentDrawing is set only while
// imageTarget is Drawing, and is then entry currentDrawingIndex of the current photo's drawings;
// selectedNode is null or a node of the tree under rootNode.
class CQuillonDoc {
public:
    static constexpr std::string_view notPhotoXmlReason = "写真XMLファイルではありません";

    explicit CQuillonDoc(DocumentHost& host);
    CQuillonDoc(const CQuillonDoc&) = delete;
    CQuillonDoc& operator=(const CQuillonDoc&) = delete;

    // Reads a photo XML file as PhotoXmlReader::load does; replaceable for tests.
    PhotoXmlLoader loadPhotoXml;

    void addView(DocumentView& view);
    void removeView(DocumentView& view);
    void updateAllViews(DocumentView* sender, UpdateHint hint);
    // Tells every view that a delivery was opened or closed, so each shows it from the start;
    // the application sends it after each successful open and after a new document.
    void sendInitialUpdate();

    // Reads path and takes what was read, all on the calling thread (the tools' way).
    bool OnOpenDocument(const std::string& path);
    // Takes a delivery read elsewhere in one step: the views are cleared and shown the new
    // file. A read that failed is reported; one that failed after the file could be opened
    // leaves a new document, so that nothing of the previous one stays half shown.
    bool adoptDelivery(DeliveryRead read);
    // False, after saying why, when path cannot be opened at all.
    bool checkOpenable(const std::string& path);
    // Sends the clear hint, then forgets the open file.
    bool OnNewDocument();
    void OnTogglePhotoLayout();
    void OnOptions();

    bool goToPhoto(int position, DocumentView* sender);
    bool nextPhoto(DocumentView* sender);
    bool previousPhoto(DocumentView* sender);
    bool isFirstPhoto() const;
    bool isLastPhoto() const;
    bool selectNode(CategoryNode* node, DocumentView* sender);
    bool selectDrawing(int index, DocumentView* sender);
    // Makes the photo at filePosition (its place in the file, from 0) current. In browse mode 1
    // its deepest node is chosen first, so that stepping goes on among its neighbours.
    bool goToPhotoInFile(int filePosition, DocumentView* sender);
    // Makes the photos that match query the browsing order, in serial-number order, and the
    // first of them at or after the current photo current (after the last: the first). No
    // match ends the search. Returns how many matched.
    std::size_t search(const SearchQuery& query, DocumentView* sender);
    // Returns to the order the browse mode gives, the current photo kept. Choosing a node, or
    // a photo outside the matches, ends a search as well.
    void endSearch(DocumentView* sender);
    bool searching() const { return searchActive; }
    // Makes the open delivery searchable: the work of folding every photo's texts, to be done
    // on another thread (it holds its own share of the records), so that the open does not
    // wait for it. Its result is taken by adoptSearch.
    std::function<std::shared_ptr<const PhotoSearch>()> searchPreparation() const;
    // Takes a search prepared for the delivery numbered delivery; one prepared for another is
    // dropped. Without one, the first search prepares it on the calling thread.
    void adoptSearch(std::shared_ptr<const PhotoSearch> prepared, std::uint64_t delivery);

    // The open delivery: where its files are, its data, its number. Empty after a new document.
    const Delivery& delivery() const { return open; }
    // The path of the open photo XML file; empty when none is open.
    const std::string& pathName() const { return open.path; }
    // A delivery is open (not a new, empty document).
    bool isOpen() const { return !open.path.empty(); }

    const PhotoDataSet& photoData() const { return open.data; }
    const CategoryNode& rootNode() const { return tree; }
    const PhotoList& photoOrder() const { return order; }
    const PhotoRecord* currentPhoto() const { return current; }
    int currentIndex() const { return position; }
    const ReferenceDrawing* currentDrawing() const { return drawing; }
    int currentDrawingIndex() const { return drawingPosition; }
    CategoryNode* selectedNode() const { return selected; }
    ImageTarget imageTarget() const { return target; }
    BrowseMode browseMode() const { return mode; }
    bool fourPhotoLayout() const { return fourPhotos; }

private:
    void rebuildTree();
    void rebuildOrder(const PhotoList& source);
    // Makes photo current if the order holds it.
    bool placeCurrent(const PhotoRecord& photo);
    void showOpenFailure(const std::string& filePath, const std::string& reason);
    bool failLoad(const std::string& message);

    DocumentHost& host;
    std::vector<DocumentView*> views;
    std::deque<std::pair<DocumentView*, UpdateHint>> pendingHints;
    bool broadcasting = false;

    Delivery open;
    CategoryNode tree;
    PhotoList order;
    const PhotoRecord* current = nullptr;
    int position = -1;
    const ReferenceDrawing* drawing = nullptr;
    int drawingPosition = -1;
    CategoryNode* selected = nullptr;
    ImageTarget target = ImageTarget::None;
    BrowseMode mode = BrowseMode::AllPhotos;
    bool fourPhotos = false;
    std::shared_ptr<const PhotoSearch> searchIndex;
    bool searchActive = false;
    std::uint64_t deliveries = 0;
};
