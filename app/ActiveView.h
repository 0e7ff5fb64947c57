#pragma once

#include <functional>
#include <vector>

#include <QObject>

#include "commands/CommandTarget.h"

class QWidget;

// The frame's active view, where the command route starts. A view becomes active when it, or
// a widget inside it, takes the keyboard focus or is clicked; the frame can also make a view
// active itself (a full-window view shown, the four-photo view after returning).
class ActiveView : public QObject {
public:
    explicit ActiveView(QObject* parent = nullptr);

    // The first view added is active until another one is.
    void addView(QWidget& widget, CommandTarget& target);
    void setActive(const QWidget& widget);
    QWidget* widget() const;
    CommandTarget* target() const;
    // Told whenever another view becomes active.
    std::function<void(QWidget* active)> activeChanged = [](QWidget*) {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct View {
        QWidget* widget;
        CommandTarget* target;
    };
    // The index of the view that is or holds widget, or -1.
    int viewHolding(const QWidget* widget) const;

    std::vector<View> views; // not owned: the views are the frame's children
    int activeIndex = -1;
};
