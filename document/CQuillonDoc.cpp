#include "document/CQuillonDoc.h"

#include <algorithm>

#include "document/PhotoOrder.h"
#include "document/SystemErrorText.h"
#include "model/LibxmlSetup.h"
#include "model/PhotoXmlReader.h"

namespace {

std::string fileNameOf(const std::string& filePath) {
    return filePath.substr(filePath.rfind('/') + 1);
}

} // namespace

CQuillonDoc::CQuillonDoc(DocumentHost& host) : host(host) {
    loadPhotoXml = [](const std::string& filePath, PhotoDataSet& target) {
        return PhotoXmlReader().load(filePath, target);
    };
    mode = host.savedOptions().browseMode;
}

void CQuillonDoc::addView(DocumentView& view) {
    if (std::find(views.begin(), views.end(), &view) == views.end())
        views.push_back(&view);
}

void CQuillonDoc::removeView(DocumentView& view) {
    std::erase(views, &view);
}

void CQuillonDoc::updateAllViews(DocumentView* sender, UpdateHint hint) {
    // A view that changes the document while hearing a hint would have later views hear the
    // change before the hint: the change's hint waits until every view heard the first.
    pendingHints.emplace_back(sender, hint);
    if (broadcasting)
        return;
    broadcasting = true;
    while (!pendingHints.empty()) {
        const auto [from, next] = pendingHints.front();
        pendingHints.pop_front();
        for (DocumentView* view : views) {
            if (view != from)
                view->onUpdate(from, next);
        }
    }
    broadcasting = false;
}

void CQuillonDoc::sendInitialUpdate() {
    updateAllViews(nullptr, UpdateHint::HINT_INITIAL);
}

bool CQuillonDoc::OnOpenDocument(const std::string& filePath) {
    return adoptDelivery(readDelivery(filePath, loadPhotoXml, systemMountPoints));
}

bool CQuillonDoc::adoptDelivery(DeliveryRead read) {
    using Outcome = DeliveryRead::Outcome;
    const std::string& filePath = read.delivery.path;
    switch (read.outcome) {
    case Outcome::CannotOpen:
        showOpenFailure(filePath, systemErrorText(read.error));
        return false;
    case Outcome::LoadFailed:
        return failLoad(fileNameOf(filePath) + "のロードに失敗しました。");
    case Outcome::NotPhotoXml:
        return failLoad(filePath + " を開けませんでした。\n" + std::string(notPhotoXmlReason));
    case Outcome::Read:
        break;
    }
    updateAllViews(nullptr, UpdateHint::HINT_CLEAR);
    open = std::move(read.delivery);
    open.number = ++deliveries;
    searchIndex.reset();
    searchActive = false;
    rebuildTree();
    rebuildOrder(mode == BrowseMode::AllPhotos ? open.data.photos : tree.photos);
    position = order.empty() ? -1 : 0;
    current = order.empty() ? nullptr : &order[0];
    drawing = nullptr;
    drawingPosition = -1;
    target = ImageTarget::Photo;
    selected = nullptr;
    updateAllViews(nullptr, UpdateHint::HINT_PHOTO_CHANGED);
    return true;
}

bool CQuillonDoc::checkOpenable(const std::string& filePath) {
    int error = 0;
    if (isReadableFile(filePath, error))
        return true;
    showOpenFailure(filePath, systemErrorText(error));
    return false;
}

void CQuillonDoc::showOpenFailure(const std::string& filePath, const std::string& reason) {
    host.showMessage(filePath + " を開けませんでした。\n" + reason);
}

bool CQuillonDoc::failLoad(const std::string& message) {
    // The views were told to empty themselves: nothing of the previous file may stay reachable.
    OnNewDocument();
    host.showMessage(message);
    return false;
}

bool CQuillonDoc::OnNewDocument() {
    // Before the tree the views' items point into goes.
    updateAllViews(nullptr, UpdateHint::HINT_CLEAR);
    current = nullptr;
    drawing = nullptr;
    selected = nullptr;
    open = Delivery();
    open.number = ++deliveries;
    searchIndex.reset();
    searchActive = false;
    tree.clear();
    order.clear();
    position = -1;
    drawingPosition = -1;
    target = ImageTarget::None;
    return true;
}

void CQuillonDoc::rebuildTree() {
    selected = nullptr;
    tree.clear();
    tree.photos.shareFrom(open.data.photos);
    tree.classify(1);
}

void CQuillonDoc::rebuildOrder(const PhotoList& source) {
    current = nullptr;
    order.shareFrom(source);
    sortBySerialNumber(order);
}

void prepareDocumentReading() {
    configureLibxml();
}

bool CQuillonDoc::goToPhoto(int newPosition, DocumentView* sender) {
    if (newPosition < 0 || static_cast<std::size_t>(newPosition) >= order.size())
        return false;
    position = newPosition;
    current = &order[static_cast<std::size_t>(newPosition)];
    drawing = nullptr;
    drawingPosition = -1;
    target = ImageTarget::Photo;
    updateAllViews(sender, UpdateHint::HINT_PHOTO_CHANGED);
    return true;
}

bool CQuillonDoc::nextPhoto(DocumentView* sender) {
    if (isLastPhoto())
        return false;
    return goToPhoto(position + 1, sender);
}

bool CQuillonDoc::previousPhoto(DocumentView* sender) {
    if (isFirstPhoto())
        return false;
    return goToPhoto(position - 1, sender);
}

bool CQuillonDoc::isFirstPhoto() const {
    return current && position == 0;
}

bool CQuillonDoc::isLastPhoto() const {
    return current && static_cast<std::size_t>(position) + 1 == order.size();
}

bool CQuillonDoc::selectNode(CategoryNode* node, DocumentView* sender) {
    if (!node || node->photos.empty())
        return false;
    searchActive = false;
    rebuildOrder(mode == BrowseMode::AllPhotos ? open.data.photos : node->photos);
    // The node's first photo in file order, wherever the sort put it.
    const PhotoRecord& first = node->photos[0];
    const auto found = std::find_if(order.begin(), order.end(),
                                    [&](const PhotoRecord* entry) { return entry == &first; });
    position = static_cast<int>(found - order.begin());
    current = &first;
    drawingPosition = -1;
    target = ImageTarget::Photo;
    drawing = nullptr;
    selected = node;
    updateAllViews(sender, UpdateHint::HINT_NODE_SELECTED);
    return true;
}

bool CQuillonDoc::selectDrawing(int index, DocumentView* sender) {
    if (!current || index < 0 || static_cast<std::size_t>(index) >= current->drawings.size())
        return false;
    drawing = &current->drawings[static_cast<std::size_t>(index)];
    drawingPosition = index;
    target = ImageTarget::Drawing;
    updateAllViews(sender, UpdateHint::HINT_DRAWING_SELECTED);
    return true;
}

bool CQuillonDoc::goToPhotoInFile(int filePosition, DocumentView* sender) {
    if (filePosition < 0 || static_cast<std::size_t>(filePosition) >= open.data.photos.size())
        return false;
    const PhotoRecord& photo = open.data.photos[static_cast<std::size_t>(filePosition)];
    if (mode == BrowseMode::ChosenNode)
        selectNode(tree.deepestNodeOf(photo), sender);
    if (!placeCurrent(photo)) {
        // Outside the matches, or without classification in no node: the whole file.
        searchActive = false;
        rebuildOrder(open.data.photos);
        selected = nullptr;
        placeCurrent(photo);
    }
    return goToPhoto(position, sender);
}

bool CQuillonDoc::placeCurrent(const PhotoRecord& photo) {
    const auto found = std::find_if(order.begin(), order.end(),
                                    [&](const PhotoRecord* entry) { return entry == &photo; });
    if (found == order.end())
        return false;
    position = static_cast<int>(found - order.begin());
    current = *found;
    drawing = nullptr;
    drawingPosition = -1;
    target = ImageTarget::Photo;
    return true;
}

std::size_t CQuillonDoc::search(const SearchQuery& query, DocumentView* sender) {
    if (!searchIndex)
        searchIndex = searchPreparation()();
    const std::vector<const PhotoRecord*> found = searchIndex->matches(query);
    if (found.empty()) {
        endSearch(sender);
        return 0;
    }
    const PhotoRecord& chosen = *found[current ? searchIndex->firstAtOrAfter(found, *current) : 0];
    order.clear();
    for (const PhotoRecord* photo : found)
        order.append(*photo);
    placeCurrent(chosen);
    searchActive = true;
    updateAllViews(sender, UpdateHint::HINT_ORDER_CHANGED);
    return found.size();
}

std::function<std::shared_ptr<const PhotoSearch>()> CQuillonDoc::searchPreparation() const {
    auto photos = std::make_shared<PhotoList>();
    photos->shareFrom(open.data.photos);
    return [photos] { return std::make_shared<const PhotoSearch>(std::move(*photos)); };
}

void CQuillonDoc::adoptSearch(std::shared_ptr<const PhotoSearch> prepared, std::uint64_t delivery) {
    if (delivery == open.number && !searchIndex)
        searchIndex = std::move(prepared);
}

void CQuillonDoc::endSearch(DocumentView* sender) {
    if (!searchActive)
        return;
    searchActive = false;
    const PhotoRecord& kept = *current;
    const bool inNode = mode == BrowseMode::ChosenNode && selected;
    rebuildOrder(inNode ? selected->photos : open.data.photos);
    if (!placeCurrent(kept) && mode == BrowseMode::ChosenNode) {
        selected = tree.deepestNodeOf(kept); // the node of the photo kept
        rebuildOrder(selected ? selected->photos : open.data.photos);
        placeCurrent(kept);
    }
    updateAllViews(sender, UpdateHint::HINT_ORDER_CHANGED);
}

void CQuillonDoc::OnTogglePhotoLayout() {
    fourPhotos = !fourPhotos;
    updateAllViews(nullptr, UpdateHint::HINT_LAYOUT_CHANGED);
}

void CQuillonDoc::OnOptions() {
    OptionValues saved = host.savedOptions();
    const auto chosen = host.runOptionsDialog(saved);
    if (!chosen)
        return;
    saved.slideInterval = chosen->slideInterval;
    saved.browseMode = chosen->browseMode.value_or(saved.browseMode);
    host.saveOptions(saved);
    if (saved.browseMode != mode) {
        mode = saved.browseMode;
        selectNode(selected, nullptr);
    }
}
