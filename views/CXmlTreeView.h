#pragma once

#include <unordered_map>

#include <QTreeWidget>

#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"

// The classification tree of the open file, fully expanded, one item per node. Choosing an
// item (click, ↑ ↓, or Enter) makes the document browse that node; focus alone chooses
// nothing. In browse mode 0 the tree follows the current photo to its deepest node, and
// highlights none for a photo without classification. It handles no command of its own.
class CXmlTreeView : public QTreeWidget, public DocumentView, public CommandHandlers {
    Q_OBJECT

public:
    explicit CXmlTreeView(CQuillonDoc& document, QWidget* parent = nullptr);
    ~CXmlTreeView() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    // Marks each node of counts, in red, with how many of its photos have errors; a node not
    // in counts is not marked. While a search runs, the nodes show how many matches they hold
    // instead, in blue.
    void showErrorCounts(std::unordered_map<const CategoryNode*, int> counts);

    // The item that stands for node, or null.
    QTreeWidgetItem* itemOf(const CategoryNode* node) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillItems(QTreeWidgetItem* parent, const CategoryNode& node);
    void removeItems();
    void followCurrentPhoto();
    void showSelectedNode();
    void showBadges();
    void chosen(QTreeWidgetItem* item);
    void clickedOn(QTreeWidgetItem* item);

    CQuillonDoc& document;
    QIcon folder;
    std::unordered_map<const CategoryNode*, QTreeWidgetItem*> items;
    std::unordered_map<const QTreeWidgetItem*, CategoryNode*> nodes;
    std::unordered_map<const CategoryNode*, int> errorCounts;
    bool badgesOfSearch = false; // the badges show a search's matches
    bool syncing = false;        // the view is selecting an item itself
    bool removing = false;       // items are being deleted: their nodes may be gone
    QTreeWidgetItem* selectedBeforePress = nullptr;
};
