#pragma once

#include <QString>
#include <QWidget>

#include "imaging/PhotoBitmap.h"

// Shows one image scaled into the control with a 4-pixel margin, a light-cyan frame around
// it when selected, or instead of an image a caption in a grey frame (a file that is not on
// the media, or cannot be shown). The views decide what it shows.
class CPhotoStatic : public QWidget {
    Q_OBJECT

public:
    explicit CPhotoStatic(QWidget* parent = nullptr);

    // Nothing shown, not selected.
    void clear();
    // Shows the decoded image in place of whatever was shown, with overlay over it (the caption
    // of a file cut short; empty for a sound one); false when it holds none.
    bool showImage(const DecodedFile& file, const QString& overlay = {});
    // Shows caption in place of whatever was shown.
    void showCaption(const QString& caption);
    void setSelected(bool isSelected);

    bool showsImage() const { return bitmap.isLoaded(); }
    bool isSelected() const { return selected; }
    // The caption shown in place of the image or over it.
    QString captionText() const { return caption; }
    // The box of device pixels the image is fitted into.
    QSize imageBox() const;
    // What is shown, fitted into page: the image at full resolution with its overlay, or the
    // caption.
    void printTo(QPainter& painter, const QRect& page) const;

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    // The context menu was asked for (right click, the menu key) at globalPosition.
    void menuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintImage(QPainter& painter);
    void paintCaption(QPainter& painter);

    PhotoBitmap bitmap;
    QString caption;
    bool selected = false;
    bool releaseEndsDoubleClick = false;
};
