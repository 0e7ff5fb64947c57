#include "views/CAlbumDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "views/AlbumPreview.h"
#include "views/PlainText.h"
#include "views/ScreenFit.h"

CAlbumDlg::CAlbumDlg(const CQuillonDoc& document, ImageLoader& images, const QString& accept,
                     QWidget* parent)
    : QDialog(parent), document(document), scopes(new QButtonGroup(this)), perPage(new QComboBox),
      cover(new QCheckBox("表紙を付ける")), pages(new AlbumPreview(document, images)) {
    setWindowTitle("写真帳");
    auto* options = new QFormLayout;
    auto* scopeColumn = new QVBoxLayout;
    options->addRow("写真", scopeColumn);
    for (const AlbumScope scope :
         {AlbumScope::Delivery, AlbumScope::ChosenNode, AlbumScope::SearchMatches})
        addScope(scope, qStringOf(albumScopeName(scope)), int(albumPhotoCount(document, scope)));
    for (QAbstractButton* button : scopes->buttons())
        scopeColumn->addWidget(button);
    perPage->addItems({"1", "2", "3"});
    perPage->setCurrentIndex(2);
    options->addRow("1ページの写真", perPage);
    cover->setChecked(true);
    options->addRow("", cover);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout;
    column->addLayout(options);
    column->addStretch();
    column->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(pages, 1);
    connect(scopes, &QButtonGroup::idClicked, this, [this] { showPreview(); });
    connect(perPage, &QComboBox::currentIndexChanged, this, [this] { showPreview(); });
    resizeWithinScreen(*this, {980, 560});
    showPreview();
}

void CAlbumDlg::addScope(AlbumScope scope, const QString& label, int count) {
    auto* button = new QRadioButton(QString("%1（%2 枚）").arg(label, groupedNumber(count)));
    button->setEnabled(count > 0);
    button->setChecked(scope == AlbumScope::Delivery);
    scopes->addButton(button, int(scope));
}

AlbumChoice CAlbumDlg::choice() const {
    return {AlbumScope(scopes->checkedId()), perPage->currentIndex() + 1, cover->isChecked()};
}

void CAlbumDlg::showPreview() {
    const AlbumChoice chosen = choice();
    pages->showAlbum(chosen.scope, chosen.photosPerPage);
}
