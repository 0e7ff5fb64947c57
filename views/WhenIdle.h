#pragma once

#include <functional>

#include <QObject>
#include <QTimer>

// Runs an action once the event loop has handled what is already waiting (painting, the
// other events of a resize), however often it is asked for before then.
class WhenIdle : public QObject {
public:
    WhenIdle(QObject* parent, std::function<void()> action);

    void ask() { timer.start(); }

private:
    QTimer timer;
};
