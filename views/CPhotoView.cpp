#include "views/CPhotoView.h"

#include <QResizeEvent>

#include "document/PhotoOrder.h"
#include "imaging/FitRules.h"
#include "views/PhotoViewLayout.h"
#include "views/PlainText.h"
#include "views/PrintDialog.h"

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

CPhotoView::CPhotoView(CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QWidget(parent), document(document), preloader(images, this), heading(new FittedText(this)),
      description(new FittedText(this)), sharpen(this, [this] { sharpenImages(); }) {
    slots.reserve(4); // a slot's deliveries find it where it was made
    for (int position = 0; position < 4; ++position) {
        auto* control = new CPhotoStatic(this);
        photoControls[position] = control;
        slots.emplace_back(images, fittedWithMarginSize,
                           [control](const DecodedFile& file, const QString& caption) {
                               if (!control->showImage(file, caption))
                                   control->showCaption(caption);
                           });
        connect(control, &CPhotoStatic::clicked, this,
                [this, position] { photoClicked(position); });
        connect(control, &CPhotoStatic::doubleClicked, this,
                [this, position] { photoDoubleClicked(position); });
        // The menu acts on the photo it was asked on: that photo becomes current first.
        connect(control, &CPhotoStatic::menuRequested, this, [this, position](const QPoint& where) {
            photoClicked(position);
            if (cells[position].photo)
                Q_EMIT photoMenuRequested(where);
        });
    }
    setFocusPolicy(Qt::StrongFocus); // a pane F6, Tab and clicks move to
    document.addView(*this);
    layoutControls(width(), height());
}

CPhotoView::~CPhotoView() {
    document.removeView(*this);
}

void CPhotoView::onUpdate(DocumentView*, UpdateHint hint) {
    if (hint == UpdateHint::HINT_DRAWING_SELECTED)
        return;
    if (hint == UpdateHint::HINT_LAYOUT_CHANGED)
        layoutControls(width(), height());
    if (hint == UpdateHint::HINT_CLEAR || !document.currentPhoto()) {
        clearAll();
        return;
    }
    if (document.fourPhotoLayout())
        showPage();
    else
        showCurrentPhoto();
    showTexts();
    if (readsAhead)
        readAhead(document.currentIndex() < lastIndex ? -1 : 1);
    lastIndex = document.currentIndex();
}

void CPhotoView::showCurrentPhoto() {
    assignPhoto(0, document.currentIndex(), *document.currentPhoto());
}

void CPhotoView::showPage() {
    const PhotoList& order = document.photoOrder();
    const int count = static_cast<int>(order.size());
    const int start = pageStart(document.currentIndex());
    for (int position = 0; position < 4; ++position) {
        const int index = start + position;
        if (index < count)
            assignPhoto(position, index, order[static_cast<std::size_t>(index)]);
        else
            clearCell(position);
    }
}

void CPhotoView::showTexts() {
    const PhotoRecord& current = *document.currentPhoto();
    heading->setText(text(current.captionText));
    description->setText(text(current.detailText));
}

void CPhotoView::assignPhoto(int position, int index, const PhotoRecord& photo) {
    Cell& cell = cells[position];
    const bool samePhoto = cell.photo == &photo && cell.index == index;
    cell.photo = &photo;
    cell.index = index;
    // A photo that stays in its place keeps its image until the pipeline says otherwise, so a
    // step inside the page repaints nothing but the selection.
    if (!samePhoto) {
        slots[position].setFile(ImageSlot::photoFile(document, photo));
        photoControl(position).clear();
        // Each place names its own photo's whole file name.
        photoControl(position).setToolTip(plainTextToolTip(text(photo.slots[PhotoSlot::FileName])));
    }
    photoControl(position).setSelected(index == document.currentIndex());
    requestImage(position);
}

void CPhotoView::requestImage(int position) {
    slots[position].request(photoControl(position).imageBox());
}

void CPhotoView::clearCell(int position) {
    cells[position] = Cell();
    slots[position].clear();
    photoControl(position).clear();
    photoControl(position).setToolTip({});
}

void CPhotoView::clearAll() {
    for (int position = 0; position < 4; ++position)
        clearCell(position);
    heading->clear();
    description->clear();
    lastIndex = -1;
    preloader.schedule({});
}

int CPhotoView::shownControls() const {
    return document.fourPhotoLayout() ? 4 : 1;
}

void CPhotoView::reload() {
    for (int position = 0; position < shownControls(); ++position) {
        if (!cells[position].photo)
            continue;
        slots[position].forget();
        photoControl(position).clear();
        photoControl(position).setSelected(cells[position].index == document.currentIndex());
        requestImage(position);
    }
}

void CPhotoView::sharpenImages() {
    // Asking again delivers what is held at once and a sharper image when one is needed.
    for (int position = 0; position < shownControls(); ++position) {
        if (cells[position].photo)
            requestImage(position);
    }
}

void CPhotoView::readAhead(int step) {
    const int span = shownControls();
    const int current = document.currentIndex();
    const int start = span == 4 ? pageStart(current) : current;
    std::vector<ImageWish> wishes;
    // The page the next step in the same direction shows, then the one behind.
    for (const int first : {start + step * span, start - step * span})
        wishPage(first, span, wishes);
    preloader.schedule(std::move(wishes));
}

void CPhotoView::wishPage(int first, int span, std::vector<ImageWish>& wishes) const {
    const PhotoList& order = document.photoOrder();
    for (int position = 0; position < span; ++position) {
        const int index = first + position;
        if (index < 0 || index >= static_cast<int>(order.size()))
            continue;
        const PhotoRecord& photo = order[static_cast<std::size_t>(index)];
        const ImageSlot::File file = ImageSlot::photoFile(document, photo);
        wishes.push_back({file, photoControls[position]->imageBox(), fittedWithMarginSize});
    }
}

void CPhotoView::photoClicked(int position) {
    if (!cells[position].photo)
        return;
    document.goToPhoto(cells[position].index, nullptr);
    for (int other = 0; other < 4; ++other)
        photoControl(other).setSelected(other == position);
}

void CPhotoView::photoDoubleClicked(int position) {
    if (photoControl(position).showsImage())
        Q_EMIT enlargeRequested();
}

void CPhotoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls(event->size().width(), event->size().height());
    sharpen.ask();
}

void CPhotoView::layoutControls(int width, int height) {
    const bool four = document.fourPhotoLayout();
    const PhotoViewLayout layout = photoViewLayout(width, height, four);
    heading->setDesignedFontHeight(layout.headingFontHeight);
    heading->setGeometry(layout.heading);
    for (int position = 0; position < 4; ++position) {
        photoControl(position).setGeometry(layout.cells[position]);
        if (position > 0)
            photoControl(position).setVisible(four);
    }
    description->setDesignedFontHeight(layout.descriptionFontHeight);
    description->setGeometry(layout.description);
}

bool CPhotoView::canPrint() const {
    return document.isOpen() && document.currentPhoto() && controlToPrint();
}

const CPhotoStatic* CPhotoView::controlToPrint() const {
    // Alone, the photo prints what it shows, image or caption; in a page of four only a
    // shown image of the current photo does.
    if (!document.fourPhotoLayout()) {
        const CPhotoStatic* control = photoControls[0];
        return control->showsImage() || !control->captionText().isEmpty() ? control : nullptr;
    }
    for (const CPhotoStatic* control : photoControls) {
        if (control->isSelected() && control->showsImage())
            return control;
    }
    return nullptr;
}

void CPhotoView::printPage(QPainter& painter, const QRect& page) const {
    if (const CPhotoStatic* control = controlToPrint())
        control->printTo(painter, page);
}

void CPhotoView::print() {
    if (canPrint())
        printOnePage(this,
                     [this](QPainter& painter, const QRect& page) { printPage(painter, page); });
}
