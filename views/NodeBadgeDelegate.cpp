#include "views/NodeBadgeDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int gap = 6; // between the item's text and its badge

} // namespace

void NodeBadgeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString badge = index.data(badgeTextRole).toString();
    if (badge.isEmpty())
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, option.widget);
    QRect place = text;
    place.setLeft(text.left() + item.fontMetrics.horizontalAdvance(item.text) + gap);
    place.setWidth(item.fontMetrics.horizontalAdvance(badge) + gap);
    painter->save();
    painter->setPen(index.data(badgeColourRole).value<QColor>());
    painter->setFont(item.font);
    painter->drawText(place, Qt::AlignLeft | Qt::AlignVCenter, badge);
    painter->restore();
}

QSize NodeBadgeDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString badge = index.data(badgeTextRole).toString();
    if (!badge.isEmpty())
        size.rwidth() += option.fontMetrics.horizontalAdvance(badge) + 2 * gap;
    return size;
}
