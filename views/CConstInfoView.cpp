#include "views/CConstInfoView.h"

#include <QLabel>
#include <QMouseEvent>

#include "views/ConstInfoLayout.h"
#include "views/ImageViewCommands.h"
#include "views/PlainText.h"
#include "views/UiFont.h"

namespace {

QLabel* makeText(QWidget* parent, Qt::Alignment alignment) {
    QLabel* label = makePlainTextLabel(parent);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

} // namespace

CConstInfoView::CConstInfoView(CQuillonDoc& document, QWidget* parent)
    : QWidget(parent), document(document), number(makeText(this, Qt::AlignRight | Qt::AlignTop)),
      title(makeText(this, Qt::AlignHCenter | Qt::AlignTop)),
      parties(makeText(this, Qt::AlignLeft | Qt::AlignTop)) {
    for (const CommandId id : offInFullWindowViews)
        disable(id);
    disable(CommandId::FilePrint); // nothing to print here, either
    document.addView(*this);
}

CConstInfoView::~CConstInfoView() {
    document.removeView(*this);
}

void CConstInfoView::onUpdate(DocumentView*, UpdateHint hint) {
    if (hint != UpdateHint::HINT_INITIAL)
        return;
    const PhotoDataSet& data = document.photoData();
    const ConstructionInfo& info = data.constructionInfo;
    const bool known = data.hasConstructionInfo;
    number->setText(known ? QString::fromStdString(info.numberLine) : QString());
    title->setText(known ? QString::fromStdString(info.titleLine) : QString());
    parties->setText(known ? QString::fromStdString(info.partiesLine) : QString());
}

void CConstInfoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const ConstInfoLayout layout = constInfoLayout(width(), height());
    number->setFont(uiFont(layout.smallFontHeight));
    number->setGeometry(layout.number);
    title->setFont(uiFont(layout.titleFontHeight));
    title->setGeometry(layout.title);
    parties->setFont(uiFont(layout.smallFontHeight));
    parties->setGeometry(layout.parties);
}

void CConstInfoView::mousePressEvent(QMouseEvent* event) {
    // Also a press on a text, which labels pass on to the view.
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT endRequested();
}
