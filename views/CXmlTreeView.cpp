#include "views/CXmlTreeView.h"

#include <unordered_set>

#include <QHeaderView>
#include <QKeyEvent>

#include "views/NodeBadgeDelegate.h"
#include "views/PlainText.h"

CXmlTreeView::CXmlTreeView(CQuillonDoc& document, QWidget* parent)
    : QTreeWidget(parent), document(document) {
    // The closed folder, and the open folder while the item is selected.
    folder.addFile(":/res/folder-closed.svg", QSize(16, 16), QIcon::Normal);
    folder.addFile(":/res/folder-open.svg", QSize(16, 16), QIcon::Selected);
    setItemDelegate(new NodeBadgeDelegate(this));
    setHeaderHidden(true);
    setIconSize(QSize(16, 16));
    // A long 細別 is read whole, with a scroll bar, never cut short.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { chosen(current); });
    connect(this, &QTreeWidget::itemClicked, this, &CXmlTreeView::clickedOn);
    document.addView(*this);
}

CXmlTreeView::~CXmlTreeView() {
    document.removeView(*this);
}

void CXmlTreeView::onUpdate(DocumentView*, UpdateHint hint) {
    switch (hint) {
    case UpdateHint::HINT_INITIAL:
        removeItems();
        fillItems(nullptr, document.rootNode());
        break;
    case UpdateHint::HINT_CLEAR:
        // Before the document destroys the tree the items point into.
        removeItems();
        errorCounts.clear();
        break;
    case UpdateHint::HINT_PHOTO_CHANGED:
        followCurrentPhoto();
        if (badgesOfSearch != document.searching())
            showBadges(); // a photo outside the matches was chosen: the search ended
        break;
    case UpdateHint::HINT_NODE_SELECTED:
        showSelectedNode(); // chosen elsewhere, as from the check's findings
        showBadges();       // a search ends when a node is chosen
        break;
    case UpdateHint::HINT_ORDER_CHANGED:
        followCurrentPhoto();
        showBadges();
        break;
    default:
        break;
    }
}

void CXmlTreeView::fillItems(QTreeWidgetItem* parent, const CategoryNode& node) {
    for (const CategoryEntry& entry : node.children) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        const QString key = QString::fromStdString(entry.key);
        item->setText(0, key);
        item->setToolTip(0, plainTextToolTip(key));
        item->setIcon(0, folder);
        items[entry.child.get()] = item;
        nodes[item] = entry.child.get();
        fillItems(item, *entry.child);
        item->setExpanded(true);
    }
}

void CXmlTreeView::removeItems() {
    removing = true;
    selectedBeforePress = nullptr;
    items.clear();
    nodes.clear();
    clear();
    removing = false;
}

QTreeWidgetItem* CXmlTreeView::itemOf(const CategoryNode* node) const {
    const auto found = items.find(node);
    return found == items.end() ? nullptr : found->second;
}

void CXmlTreeView::followCurrentPhoto() {
    const PhotoRecord* photo = document.currentPhoto();
    if (document.browseMode() != BrowseMode::AllPhotos || !photo)
        return;
    // A photo without classification is in no node: no item may claim it.
    QTreeWidgetItem* item = itemOf(document.rootNode().deepestNodeOf(*photo));
    syncing = true;
    setCurrentItem(item);
    if (!item)
        clearSelection();
    syncing = false;
    if (item)
        scrollToItem(item);
}

void CXmlTreeView::showSelectedNode() {
    QTreeWidgetItem* item = itemOf(document.selectedNode());
    if (!item)
        return;
    syncing = true;
    setCurrentItem(item);
    syncing = false;
    scrollToItem(item);
}

void CXmlTreeView::showErrorCounts(std::unordered_map<const CategoryNode*, int> counts) {
    errorCounts = std::move(counts);
    showBadges();
}

void CXmlTreeView::showBadges() {
    const bool searching = document.searching();
    badgesOfSearch = searching;
    std::unordered_map<const CategoryNode*, int> matchCounts;
    if (searching) {
        const std::unordered_set<const PhotoRecord*> matches(document.photoOrder().begin(),
                                                             document.photoOrder().end());
        matchCounts = countPerNode(document.rootNode(), [&](const PhotoRecord& photo) {
            return matches.contains(&photo);
        });
    }
    const auto& counts = searching ? matchCounts : errorCounts;
    for (const auto& [node, item] : items) {
        const auto found = counts.find(node);
        const QString count = found == counts.end() ? QString() : QString::number(found->second);
        const QString key = item->text(0);
        item->setData(0, NodeBadgeDelegate::badgeTextRole,
                      count.isEmpty() ? count
                      : searching     ? count + "件"
                                      : "(" + count + ")");
        item->setData(0, NodeBadgeDelegate::badgeColourRole,
                      QColor(searching ? Qt::blue : Qt::red));
        const QString what = searching ? "一致する写真 %1 枚" : "エラーのある写真 %1 枚";
        item->setToolTip(0, plainTextToolTip(count.isEmpty() ? key : key + "\n" + what.arg(count)));
    }
}

void CXmlTreeView::chosen(QTreeWidgetItem* item) {
    if (syncing || removing || !item)
        return;
    document.selectNode(nodes.at(item), this);
}

void CXmlTreeView::focusInEvent(QFocusEvent* event) {
    // Qt makes the first item current when the focus arrives by key; that is no choice.
    syncing = true;
    QTreeWidget::focusInEvent(event);
    syncing = false;
}

void CXmlTreeView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentItem()) {
        currentItem()->setSelected(true);
        document.selectNode(nodes.at(currentItem()), this);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CXmlTreeView::mousePressEvent(QMouseEvent* event) {
    selectedBeforePress = currentItem();
    QTreeWidget::mousePressEvent(event);
}

void CXmlTreeView::clickedOn(QTreeWidgetItem* item) {
    // A click on the item already selected (the tree followed the current photo to it)
    // chooses it too; a click that selected another item has chosen that one already.
    if (item && item == std::exchange(selectedBeforePress, nullptr))
        document.selectNode(nodes.at(item), this);
}
