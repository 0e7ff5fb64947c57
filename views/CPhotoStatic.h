#pragma once

#include <string>

#include <QWidget>

#include "imaging/PhotoBitmap.h"

class PhotoRecord;

// Shows one photo scaled into the control with a 4-pixel margin, a light-cyan frame around
// it when selected, and, for a file that is not on the media, a caption in a grey frame.
// The views decide which photo it shows and compose its caption.
class CPhotoStatic : public QWidget {
    Q_OBJECT

public:
    explicit CPhotoStatic(QWidget* parent = nullptr);

    std::string imagePath;
    PhotoBitmap image;
    bool loaded = false;
    bool selected = false;
    std::string fallbackCaption;
    PhotoRecord* photo = nullptr; // not owned
    int photoIndex = -1;          // position in the document's photo order

    void clear();
    // Clears, then loads path; the caller sets photo, photoIndex and selected afterwards.
    bool loadImage(const std::string& path);
    bool hasPhoto() const { return photoIndex > -1 && photo; }
    void setSelected(bool isSelected);

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintImage(QPainter& painter);
    void paintCaption(QPainter& painter);

    bool releaseEndsDoubleClick = false;
};
