#include "views/CPhotoView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>

#include "document/PhotoOrder.h"
#include "imaging/MediaLookup.h"
#include "imaging/UiFont.h"
#include "views/MissingFileCaption.h"
#include "views/PhotoViewLayout.h"
#include "views/PlainText.h"

namespace {

QLabel* makeText(QWidget* parent) {
    QLabel* label = makePlainTextLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

CPhotoView::CPhotoView(CQuillonDoc& document, QWidget* parent)
    : QWidget(parent), document(document), heading(makeText(this)), description(makeText(this)) {
    for (int position = 0; position < 4; ++position) {
        auto* control = new CPhotoStatic(this);
        photoControls[position] = control;
        connect(control, &CPhotoStatic::clicked, this,
                [this, position] { photoClicked(position); });
        connect(control, &CPhotoStatic::doubleClicked, this,
                [this, position] { photoDoubleClicked(position); });
    }
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
    update();
}

void CPhotoView::showCurrentPhoto() {
    assignPhoto(photoControl(0), document.currentIndex(), *document.currentPhoto());
}

void CPhotoView::showPage() {
    const PhotoList& order = document.photoOrder();
    const int count = static_cast<int>(order.size());
    const int start = pageStart(document.currentIndex());
    for (int position = 0; position < 4; ++position) {
        const int index = start + position;
        if (index < count)
            assignPhoto(photoControl(position), index, order[static_cast<std::size_t>(index)]);
        else
            photoControl(position).clear();
    }
}

void CPhotoView::showTexts() {
    const PhotoRecord& current = *document.currentPhoto();
    heading->setText(text(current.captionText));
    description->setText(text(current.detailText));
    // The current photo's whole file name, even when the first control shows another photo.
    photoControl(0).setToolTip(plainTextToolTip(text(current.slots[PhotoSlot::FileName])));
}

void CPhotoView::assignPhoto(CPhotoStatic& control, int index, PhotoRecord& photo) {
    const std::string& fileName = photo.slots[PhotoSlot::FileName];
    const std::string path = document.makePhotoPath(fileName);
    if (!control.loadImage(path)) {
        // A failed load has left the control empty; a file that exists but cannot be decoded
        // leaves it so.
        if (locateMediaFile(path))
            return;
        control.fallbackCaption = missingFileCaption(fileName, photo.slots[PhotoSlot::MediaNumber]);
    }
    control.photo = &photo;
    control.photoIndex = index;
    control.setSelected(index == document.currentIndex());
}

void CPhotoView::clearAll() {
    for (CPhotoStatic* control : photoControls)
        control->clear();
    heading->clear();
    description->clear();
    photoControl(0).setToolTip({});
    update();
}

void CPhotoView::reload() {
    const int controls = document.fourPhotoLayout() ? 4 : 1;
    for (int position = 0; position < controls; ++position) {
        CPhotoStatic& control = photoControl(position);
        if (control.hasPhoto())
            assignPhoto(control, control.photoIndex, *control.photo);
    }
    update();
}

void CPhotoView::photoClicked(int position) {
    CPhotoStatic& clicked = photoControl(position);
    if (!clicked.hasPhoto())
        return;
    document.goToPhoto(clicked.photoIndex, nullptr);
    for (CPhotoStatic* control : photoControls)
        control->setSelected(control == &clicked);
}

void CPhotoView::photoDoubleClicked(int position) {
    if (photoControl(position).loaded)
        Q_EMIT enlargeRequested();
}

void CPhotoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls(event->size().width(), event->size().height());
}

void CPhotoView::layoutControls(int width, int height) {
    const bool four = document.fourPhotoLayout();
    const PhotoViewLayout layout = photoViewLayout(width, height, four);
    heading->setFont(uiFont(layout.headingFontHeight));
    heading->setGeometry(layout.heading);
    for (int position = 0; position < 4; ++position) {
        photoControl(position).setGeometry(layout.cells[position]);
        if (position > 0)
            photoControl(position).setVisible(four);
    }
    description->setFont(uiFont(layout.descriptionFontHeight));
    description->setGeometry(layout.description);
}

bool CPhotoView::canPrint() const {
    return !document.pathName().empty() && document.currentPhoto();
}

const CPhotoStatic* CPhotoView::controlToPrint() const {
    if (!document.fourPhotoLayout())
        return photoControls[0];
    for (const CPhotoStatic* control : photoControls) {
        if (control->selected && control->loaded)
            return control;
    }
    return nullptr;
}

void CPhotoView::printPage(QPainter& painter, const QRect& page) const {
    const CPhotoStatic* control = controlToPrint();
    if (!control)
        return;
    if (control->loaded) {
        control->image.printTo(painter, page);
        return;
    }
    PhotoBitmap caption; // a missing photo prints what the screen shows: its caption
    caption.setCaption(control->fallbackCaption);
    caption.layout(BoxRect::fromQRect(page));
    caption.paint(painter);
}

void CPhotoView::print() {
    if (!canPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    printPage(painter, QRect(QPoint(0, 0), printable.size()));
}

bool CPhotoView::updateCommand(CommandId id, CommandState& state) {
    if (id == CommandId::FilePrint)
        state.enabled = canPrint();
    else if (id == CommandId::Reload)
        state.enabled = true;
    else
        return false;
    return true;
}

bool CPhotoView::executeCommand(CommandId id) {
    if (id == CommandId::FilePrint)
        print();
    else if (id == CommandId::Reload)
        reload();
    else
        return false;
    return true;
}
