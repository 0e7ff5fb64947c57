#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("バージョン情報 TESSEL");
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(":/res/tessel.svg").pixmap(32, 32));
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QString("TESSEL Version %1").arg(TESSEL_VERSION)));
    texts->addWidget(
        new QLabel("電子納品の工事写真を、納品されたままのメディアから見るためのビューア"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
