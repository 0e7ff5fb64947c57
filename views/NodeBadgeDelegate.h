#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Paints an item of the tree as usual, then its badge (a short text such as a count, in its
// own colour) just after the item's text: where findings or matches gather shows at a glance.
class NodeBadgeDelegate : public QStyledItemDelegate {
public:
    static constexpr int badgeTextRole = Qt::UserRole + 10;
    static constexpr int badgeColourRole = Qt::UserRole + 11;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
