#pragma once

#include <array>

#include <QWidget>

#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "imaging/ImageLoader.h"
#include "views/CPhotoStatic.h"
#include "views/FittedText.h"
#include "views/ImageSlot.h"
#include "views/ImageViewCommands.h"
#include "views/Preloader.h"
#include "views/WhenIdle.h"

class QPainter;

// The main view: the current photo alone or in its page of four, its classification and
// title above (the title on its own line), its shooting details below. A click makes a photo
// current; a double click on a shown image asks for it enlarged. Images come from the shared image
// pipeline: the page appears at once with its texts, each photo when its image is ready, and the
// page the next step will show is read ahead.
class CPhotoView : public QWidget, public DocumentView, public ImageViewCommands {
    Q_OBJECT

public:
    CPhotoView(CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);
    ~CPhotoView() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    void clearAll();
    void reload() override;
    bool canPrint() const override;
    void print() override;
    // The one page: the image of the control to print, at full resolution, fitted into page.
    void printPage(QPainter& painter, const QRect& page) const;

    CPhotoStatic& photoControl(int position) { return *photoControls[position]; }
    // The position in the browsing order of the photo at a place of the page; -1 for none.
    int photoIndexAt(int position) const { return cells[position].index; }
    QString headingText() const { return heading->text(); }
    // Behind the overview of thumbnails only the current photo is wanted (for Print and the
    // return to the photos): nothing is read ahead.
    void setReadingAhead(bool reading) { readsAhead = reading; }
    QString descriptionText() const { return description->text(); }

Q_SIGNALS:
    void enlargeRequested();
    // The context menu of the current photo was asked for at globalPosition.
    void photoMenuRequested(const QPoint& globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What one place of the page shows: a photo of the browsing order, and its image once the
    // pipeline has it.
    struct Cell {
        const PhotoRecord* photo = nullptr; // not owned
        int index = -1;
    };

    void layoutControls(int width, int height);
    void showCurrentPhoto();
    void showPage();
    void showTexts();
    void assignPhoto(int position, int index, const PhotoRecord& photo);
    void requestImage(int position);
    void clearCell(int position);
    void sharpenImages();
    void readAhead(int step);
    void wishPage(int first, int span, std::vector<ImageWish>& wishes) const;
    void photoClicked(int position);
    void photoDoubleClicked(int position);
    int shownControls() const;
    const CPhotoStatic* controlToPrint() const;

    CQuillonDoc& document;
    Preloader preloader;
    std::array<CPhotoStatic*, 4> photoControls{}; // owned by Qt as children
    std::array<Cell, 4> cells;
    std::vector<ImageSlot> slots; // one for each place
    FittedText* heading;
    FittedText* description;
    WhenIdle sharpen; // after a resize, once the size has settled for this event round
    int lastIndex = -1;
    bool readsAhead = true;
};
