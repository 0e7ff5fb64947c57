#include "views/CImageView.h"

#include <QMouseEvent>

#include "imaging/FitRules.h"
#include "views/PrintDialog.h"

CImageView::CImageView(CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QWidget(parent), document(document), control(new CPhotoStatic(this)),
      slot(images, fittedWithMarginSize,
           [this](const DecodedFile& file, const QString& caption) {
               if (!control->showImage(file))
                   control->showCaption(caption);
           }),
      sharpen(this, [this] { requestImage(); }) {
    for (const CommandId id : offInFullWindowViews)
        disable(id);
    document.addView(*this);
}

CImageView::~CImageView() {
    document.removeView(*this);
}

void CImageView::onUpdate(DocumentView*, UpdateHint hint) {
    switch (hint) {
    case UpdateHint::HINT_LAYOUT_CHANGED:
        return;
    case UpdateHint::HINT_INITIAL:
        // A new document has no photo: nothing of the previous one may stay.
        if (!document.currentPhoto())
            clearAll();
        update();
        return;
    case UpdateHint::HINT_CLEAR:
        clearAll();
        return;
    default:
        if (!document.currentPhoto())
            return;
        chooseTarget();
        control->clear();
        if (isVisible())
            requestImage();
    }
}

void CImageView::clearAll() {
    slot.clear();
    control->clear();
}

void CImageView::chooseTarget() {
    const PhotoRecord& photo = *document.currentPhoto();
    if (document.imageTarget() == ImageTarget::Photo)
        slot.setFile(ImageSlot::photoFile(document, photo));
    else if (document.imageTarget() == ImageTarget::Drawing && document.currentDrawing())
        slot.setFile(ImageSlot::drawingFile(document, photo, document.currentDrawingIndex()));
    else
        slot.clear();
}

void CImageView::requestImage() {
    // What the cache holds (the four-photo view's image) shows at once, the sharper one
    // when it arrives.
    slot.request(control->imageBox());
}

void CImageView::reload() {
    slot.forget();
    control->clear();
    requestImage();
}

void CImageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    requestImage();
}

void CImageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    control->setGeometry(10, 10, width() - 20, height() - 20);
    if (isVisible())
        sharpen.ask(); // a larger window deserves a sharper image, once it has its size
}

void CImageView::mousePressEvent(QMouseEvent* event) {
    // Also a press on the photo, which the photo control passes on to the view.
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT endRequested();
}

bool CImageView::canPrint() const {
    return control->showsImage() || !control->captionText().isEmpty();
}

void CImageView::printPage(QPainter& painter, const QRect& page) const {
    control->printTo(painter, page);
}

void CImageView::print() {
    if (canPrint())
        printOnePage(this,
                     [this](QPainter& painter, const QRect& page) { printPage(painter, page); });
}
