#pragma once

#include <QWidget>

#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "imaging/ImageLoader.h"
#include "views/CPhotoStatic.h"
#include "views/ImageSlot.h"
#include "views/ImageViewCommands.h"
#include "views/WhenIdle.h"

// The current photo, or the drawing last chosen, over the whole window less a 10-pixel margin.
// It follows every hint while hidden, so that it always knows what enlargement shows, but asks
// for the image only while shown: a step costs it no decode. A click anywhere returns.
class CImageView : public QWidget, public DocumentView, public ImageViewCommands {
    Q_OBJECT

public:
    CImageView(CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);
    ~CImageView() override;

    // Print and reload; the layout, open, options and tree commands are disabled.
    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    void reload() override;
    // Only what is shown: an image, or the caption of a file that cannot be.
    bool canPrint() const override;
    void print() override;
    void printPage(QPainter& painter, const QRect& page) const;
    CPhotoStatic& photoControl() { return *control; }

Q_SIGNALS:
    void endRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void clearAll();
    void chooseTarget();
    void requestImage();

    CQuillonDoc& document;
    CPhotoStatic* control; // owned by Qt as a child
    ImageSlot slot;
    WhenIdle sharpen;
};
