#include "app/PositionLabel.h"

#include "document/BrowsePosition.h"

PositionLabel::PositionLabel(CQuillonDoc& document, QWidget* parent)
    : ElidedLabel(parent), document(document) {
    setTextFormat(Qt::PlainText);
    document.addView(*this);
}

PositionLabel::~PositionLabel() {
    document.removeView(*this);
}

void PositionLabel::onUpdate(DocumentView*, UpdateHint) {
    refresh();
}

void PositionLabel::showSlideShowRunning(bool running) {
    slideShowRunning = running;
    refresh();
}

void PositionLabel::refresh() {
    QString text = QString::fromStdString(browsePositionText(document));
    if (slideShowRunning)
        text += "　自動送り中";
    setText(text);
}
