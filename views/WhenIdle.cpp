#include "views/WhenIdle.h"

WhenIdle::WhenIdle(QObject* parent, std::function<void()> action) : QObject(parent) {
    timer.setSingleShot(true);
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, this, std::move(action));
}
