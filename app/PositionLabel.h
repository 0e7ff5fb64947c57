#pragma once

#include "views/ElidedLabel.h"

#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"

// The status bar's place that always says where the current photo stands in the delivery (and
// in the node chosen), and whether the slideshow runs.
class PositionLabel : public ElidedLabel, public DocumentView {
public:
    explicit PositionLabel(CQuillonDoc& document, QWidget* parent = nullptr);
    ~PositionLabel() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    void showSlideShowRunning(bool running);

private:
    void refresh();

    CQuillonDoc& document;
    bool slideShowRunning = false;
};
