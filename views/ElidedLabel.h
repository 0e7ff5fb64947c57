#pragma once

#include <QLabel>

// A label of the status bar that gives up its text's end ("…") rather than room its
// neighbours need: at 800 pixels the bar's texts would overlap. The tooltip keeps the whole.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
