#include "app/FrameLayout.h"

#include <QDataStream>
#include <QIODevice>
#include <QSplitter>
#include <QVBoxLayout>

#include "views/CConstInfoView.h"
#include "views/CFindBar.h"
#include "views/CImageView.h"
#include "views/CPhotoView.h"
#include "views/CSankouzuView.h"
#include "views/CThumbnailView.h"
#include "views/CXmlTreeView.h"

FrameLayout::FrameLayout(CQuillonDoc& document, ImageLoader& images, QSize clientSize,
                         QWidget* parent)
    : QStackedWidget(parent), outerSplitter(new QSplitter(Qt::Horizontal)),
      leftSplitter(new QSplitter(Qt::Vertical)), treeView(new CXmlTreeView(document)),
      drawingView(new CSankouzuView(document, images)), photos(new CPhotoView(document, images)),
      finder(new CFindBar(document)), photoStack(new QStackedWidget),
      overview(new CThumbnailView(document, images)), image(new CImageView(document, images)),
      constInfo(new CConstInfoView(document)) {
    leftSplitter->addWidget(treeView);
    leftSplitter->addWidget(drawingView);
    const int width = clientSize.width();
    const int height = clientSize.height();
    leftSplitter->setSizes({height / 2, height / 2});
    outerSplitter->addWidget(leftSplitter);
    auto* photoColumn = new QWidget;
    auto* column = new QVBoxLayout(photoColumn);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(finder);
    photoStack->addWidget(photos);
    photoStack->addWidget(overview);
    column->addWidget(photoStack, 1);
    outerSplitter->addWidget(photoColumn);
    outerSplitter->setSizes({width / 4, width - width / 4});
    // A wider or narrower window changes the photos' column only.
    outerSplitter->setStretchFactor(0, 0);
    outerSplitter->setStretchFactor(1, 1);
    addWidget(outerSplitter);
    addWidget(image);
    addWidget(constInfo);
    setCurrentWidget(outerSplitter);
}

void FrameLayout::showFullWindow(QWidget& view) {
    setCurrentWidget(&view);
    view.setFocus();
}

void FrameLayout::showSplit() {
    setCurrentWidget(outerSplitter);
    photoPane().setFocus();
}

QWidget& FrameLayout::photoPane() const {
    return *photoStack->currentWidget();
}

void FrameLayout::showThumbnails(bool shown) {
    photoStack->setCurrentWidget(shown ? static_cast<QWidget*>(overview) : photos);
    overview->setShown(shown);
    photos->setReadingAhead(!shown);
    photoPane().setFocus();
}

bool FrameLayout::thumbnailsShown() const {
    return photoStack->currentWidget() == overview;
}

bool FrameLayout::showsFullWindow() const {
    return currentWidget() != outerSplitter;
}

void FrameLayout::toggleTree() {
    const int height = leftSplitter->height();
    if (treeRowShown)
        leftSplitter->setSizes({0, height});
    else
        leftSplitter->setSizes({height / 2, height / 2});
    treeRowShown = !treeRowShown;
}

QByteArray FrameLayout::saveSplitters() const {
    QByteArray saved;
    QDataStream out(&saved, QIODevice::WriteOnly);
    out << outerSplitter->saveState() << leftSplitter->saveState() << treeRowShown;
    return saved;
}

void FrameLayout::restoreSplitters(const QByteArray& saved) {
    QDataStream in(saved);
    QByteArray outer;
    QByteArray left;
    bool treeRow = true;
    in >> outer >> left >> treeRow;
    if (in.status() != QDataStream::Ok)
        return; // nothing kept, or a file edited by hand: the columns as made
    outerSplitter->restoreState(outer);
    leftSplitter->restoreState(left);
    treeRowShown = treeRow;
}

int FrameLayout::leftColumnWidth() const {
    return outerSplitter->sizes().value(0);
}
