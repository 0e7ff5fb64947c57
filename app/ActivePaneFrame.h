#pragma once

#include <vector>

#include <QWidget>

// A thin frame in the highlight colour around the active pane of the split display, so that
// what F5, Print and the keys act on is plain to see. It lies over the pane, lets every click
// through and follows the pane's size; over a full-window view it hides.
class ActivePaneFrame : public QWidget {
    Q_OBJECT

public:
    explicit ActivePaneFrame(std::vector<QWidget*> panes);

    // Frames active when it is one of the panes; hides otherwise.
    void follow(QWidget* active);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> panes; // not owned
};
