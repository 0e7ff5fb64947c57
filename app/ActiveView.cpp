#include "app/ActiveView.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

ActiveView::ActiveView(QObject* parent) : QObject(parent) {
    // Clicks and focus changes of any widget inside a view, however deep, pass through here.
    qApp->installEventFilter(this);
}

void ActiveView::addView(QWidget& widget, CommandTarget& target) {
    views.push_back({&widget, &target});
    if (activeIndex == -1)
        activeIndex = 0;
}

void ActiveView::setActive(const QWidget& widget) {
    const int index = viewHolding(&widget);
    if (index == -1 || index == activeIndex)
        return;
    activeIndex = index;
    activeChanged(this->widget());
}

QWidget* ActiveView::widget() const {
    return activeIndex == -1 ? nullptr : views[static_cast<std::size_t>(activeIndex)].widget;
}

CommandTarget* ActiveView::target() const {
    return activeIndex == -1 ? nullptr : views[static_cast<std::size_t>(activeIndex)].target;
}

int ActiveView::viewHolding(const QWidget* widget) const {
    for (std::size_t index = 0; index < views.size(); ++index) {
        const QWidget* view = views[index].widget;
        if (view == widget || view->isAncestorOf(widget))
            return static_cast<int>(index);
    }
    return -1;
}

bool ActiveView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::MouseButtonPress) {
        if (const auto* widget = qobject_cast<const QWidget*>(watched))
            setActive(*widget);
    }
    return false;
}
