#include "app/ActivePaneFrame.h"

#include <algorithm>

#include <QEvent>
#include <QPainter>

ActivePaneFrame::ActivePaneFrame(std::vector<QWidget*> panes) : panes(std::move(panes)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget* pane : this->panes)
        pane->installEventFilter(this);
    hide();
}

void ActivePaneFrame::follow(QWidget* active) {
    if (std::find(panes.begin(), panes.end(), active) == panes.end()) {
        hide();
        return;
    }
    if (parentWidget() != active)
        setParent(active);
    setGeometry(active->rect());
    raise();
    show();
}

bool ActivePaneFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void ActivePaneFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
