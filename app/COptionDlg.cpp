#include "app/COptionDlg.h"

#include <charconv>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr unsigned shortestInterval = 1;
constexpr unsigned longestInterval = 100;

// Leading blanks, then the decimal digits up to the first other character, so that "5 秒" is
// 5; nothing when no digit comes first.
std::optional<unsigned long long> scanUnsigned(const QString& text) {
    const std::string digits = text.left(63).trimmed().toStdString();
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end == digits.data())
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return ~0ULL; // out of range in any case
    return value;
}

} // namespace

COptionDlg::COptionDlg(QWidget* parent)
    : QDialog(parent), interval(new QLineEdit),
      allPhotos(new QRadioButton("全写真を通してシリアル番号順")),
      byNode(new QRadioButton("選択区分・工種ごとにシリアル番号順")) {
    setWindowTitle("オプション");
    showMessage = [this](const QString& text, QMessageBox::Icon icon) {
        QMessageBox box(icon, "TESSEL", text, QMessageBox::Ok, this);
        box.exec();
    };
    interval->setAlignment(Qt::AlignRight);
    interval->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), interval));
    auto* intervalRow = new QFormLayout;
    intervalRow->addRow(new QLabel("写真自動送り間隔（秒）："), interval);

    auto* modes = new QGroupBox("写真送り方法：");
    auto* modeColumn = new QVBoxLayout(modes);
    modeColumn->addWidget(allPhotos);
    modeColumn->addWidget(byNode);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText("キャンセル");
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionDlg::reject);

    auto* page = new QVBoxLayout(this);
    page->addLayout(intervalRow);
    page->addWidget(modes);
    page->addWidget(buttons);
    interval->setFocus();
}

void COptionDlg::setValues(const OptionValues& values) {
    interval->setText(QString::number(values.slideInterval));
    allPhotos->setChecked(values.browseMode == BrowseMode::AllPhotos);
    byNode->setChecked(values.browseMode == BrowseMode::ChosenNode);
}

OptionChoice COptionDlg::values() const {
    OptionChoice values;
    values.slideInterval = static_cast<unsigned>(scanUnsigned(interval->text()).value_or(0));
    if (allPhotos->isChecked())
        values.browseMode = BrowseMode::AllPhotos;
    else if (byNode->isChecked())
        values.browseMode = BrowseMode::ChosenNode;
    return values;
}

bool COptionDlg::checkInterval() {
    const auto scanned = scanUnsigned(interval->text());
    if (!scanned) {
        showMessage("正の整数を入力してください。", QMessageBox::NoIcon);
        return false;
    }
    if (*scanned < shortestInterval || *scanned > longestInterval) {
        showMessage(QString("%1 から %2 までの整数を入力してください。")
                        .arg(shortestInterval)
                        .arg(longestInterval),
                    QMessageBox::Warning);
        return false;
    }
    return true;
}

void COptionDlg::accept() {
    if (!checkInterval()) {
        // Open still, with the text to correct selected.
        interval->setFocus();
        interval->selectAll();
        return;
    }
    QDialog::accept();
}
