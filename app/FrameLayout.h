#pragma once

#include <QStackedWidget>

#include "document/CQuillonDoc.h"

class CConstInfoView;
class CFindBar;
class CImageView;
class CPhotoView;
class CSankouzuView;
class CThumbnailView;
class CXmlTreeView;
class ImageLoader;
class QSplitter;

// The main window's client area: in the split display, a left column (the classification
// tree above the reference drawings) beside the four-photo view or the overview of
// thumbnails; in place of all of that, one of the two full-window views, the single photo or
// the construction information.
class FrameLayout : public QStackedWidget {
public:
    // clientSize: the window's size when it is made, which the column widths start from.
    FrameLayout(CQuillonDoc& document, ImageLoader& images, QSize clientSize,
                QWidget* parent = nullptr);

    CXmlTreeView& tree() const { return *treeView; }
    CSankouzuView& drawings() const { return *drawingView; }
    CPhotoView& photoView() const { return *photos; }
    CFindBar& findBar() const { return *finder; }
    CThumbnailView& thumbnails() const { return *overview; }
    // The pane of the photos' column shown: the photos, or the overview of thumbnails.
    QWidget& photoPane() const;
    CImageView& imageView() const { return *image; }
    CConstInfoView& constInfoView() const { return *constInfo; }

    void showFullWindow(QWidget& view);
    void showSplit();
    bool showsFullWindow() const;
    // The overview of thumbnails in place of the photos, or the photos again.
    void showThumbnails(bool shown);
    bool thumbnailsShown() const;

    // Hides the tree row (the drawings take the whole column) or shows it again, the two rows
    // then sharing the height equally.
    void toggleTree();
    bool treeShown() const { return treeRowShown; }
    int leftColumnWidth() const;
    // The sizes of both splitters, to keep across runs.
    QByteArray saveSplitters() const;
    void restoreSplitters(const QByteArray& saved);

private:
    QSplitter* outerSplitter;
    QSplitter* leftSplitter;
    CXmlTreeView* treeView; // all views owned by Qt as children
    CSankouzuView* drawingView;
    CPhotoView* photos;
    CFindBar* finder;           // above the photos
    QStackedWidget* photoStack; // the photos, or the overview in their place
    CThumbnailView* overview;
    CImageView* image;
    CConstInfoView* constInfo;
    bool treeRowShown = true;
};
