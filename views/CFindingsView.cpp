#include "views/CFindingsView.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "album/SaveFailure.h"
#include "check/FindingFormats.h"
#include "check/RuleTable.h"
#include "document/PhotoOrder.h"
#include "views/PlainText.h"

namespace {

enum FindingColumn { LevelColumn, RuleColumn, SerialColumn, FileColumn, MessageColumn };
constexpr int findingRole = Qt::UserRole; // the finding's index in what is shown
constexpr int sortKeyRole = Qt::UserRole + 1;
constexpr Level levels[] = {Level::Error, Level::Caution, Level::Info};

// Sorts levels by weight and serial numbers by value, the rest as text.
class FindingItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, sortKeyRole);
        const QVariant theirs = other.data(column, sortKeyRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toLongLong() < theirs.toLongLong();
        return text(column) < other.text(column);
    }
};

QIcon levelIcon(Level level, const QStyle* style) {
    switch (level) {
    case Level::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case Level::Caution:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case Level::Info:
        break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}

// What the rule of finding finds, and the public text it comes from.
QString ruleDescription(const Finding& finding) {
    const RuleInfo& rule = ruleInfo(finding.ruleId);
    QString description = qStringOf(rule.summary);
    if (!rule.source.empty())
        description += "\n出典: " + qStringOf(rule.source);
    return description;
}

QTreeWidgetItem* makeRow(const Finding& finding, int index, const QStyle* style) {
    auto* item = new FindingItem;
    const QString texts[] = {qStringOf(levelName(finding.level)), qStringOf(finding.ruleId),
                             qStringOf(finding.serial), qStringOf(finding.fileName),
                             qStringOf(finding.message)};
    const QString rule = ruleDescription(finding);
    for (int column = LevelColumn; column <= MessageColumn; ++column) {
        item->setText(column, texts[column]);
        const QString& text = texts[column];
        item->setToolTip(column, plainTextToolTip(text.isEmpty() ? rule : text + "\n\n" + rule));
    }
    item->setIcon(LevelColumn, levelIcon(finding.level, style));
    item->setData(LevelColumn, sortKeyRole, static_cast<int>(finding.level));
    // By the value the browsing order gives it; the delivery's own findings come first.
    item->setData(SerialColumn, sortKeyRole,
                  finding.serial.empty() ? std::numeric_limits<qlonglong>::min()
                                         : qlonglong(serialNumberValue(finding.serial)));
    item->setData(LevelColumn, findingRole, index);
    return item;
}

} // namespace

CFindingsView::CFindingsView(CQuillonDoc& document, QWidget* parent)
    : QWidget(parent), document(document), levelFilter(new QComboBox), rows(new QTreeWidget),
      nothingFound(new QLabel("問題は見つかりませんでした")) {
    levelFilter->addItem("すべてのレベル");
    for (const Level level : levels)
        levelFilter->addItem(levelIcon(level, style()), qStringOf(levelName(level)));
    connect(levelFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        filterByLevel(index == 0 ? std::nullopt : std::optional(levels[index - 1]));
    });
    auto* save = new QPushButton("CSVに保存...");
    connect(save, &QPushButton::clicked, this, &CFindingsView::askAndSaveCsv);
    auto* bar = new QHBoxLayout;
    bar->addWidget(levelFilter);
    bar->addStretch();
    bar->addWidget(save);

    rows->setHeaderLabels({"レベル", "規則", "シリアル番号", "ファイル名", "内容"});
    rows->setRootIsDecorated(false);
    rows->setUniformRowHeights(true);
    rows->header()->setStretchLastSection(true);
    // Selecting, not focus alone (which makes a row current), chooses.
    connect(rows, &QTreeWidget::itemSelectionChanged, this,
            [this] { choose(rows->selectedItems().value(0)); });
    connect(rows, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(item); });

    rows->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(rows);
    // A clean delivery says so, rather than showing an empty table.
    nothingFound->setAlignment(Qt::AlignCenter);
    nothingFound->hide();
    layout->addWidget(nothingFound);

    chooseCsvFile = [this] {
        return QFileDialog::getSaveFileName(this, "CSVに保存", "チェック結果.csv",
                                            "CSV ファイル (*.csv)");
    };
    showError = [this](const QString& text) { QMessageBox::warning(this, "TESSEL", text); };
}

void CFindingsView::showFindings(const std::vector<Finding>& findings) {
    shown = findings;
    checked = true;
    rows->setUpdatesEnabled(false);
    rows->setSortingEnabled(false);
    rows->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(shown.size()));
    for (std::size_t index = 0; index < shown.size(); ++index)
        items.append(makeRow(shown[index], static_cast<int>(index), style()));
    rows->addTopLevelItems(items);
    rows->setVisible(!shown.empty());
    nothingFound->setVisible(shown.empty());
    for (int column = LevelColumn; column < MessageColumn; ++column)
        rows->resizeColumnToContents(column);
    // In file order until a column is chosen.
    rows->header()->setSortIndicator(-1, Qt::AscendingOrder);
    rows->setSortingEnabled(true);
    rows->setUpdatesEnabled(true);
    filterByLevel(levelFilter->currentIndex() == 0
                      ? std::nullopt
                      : std::optional(levels[levelFilter->currentIndex() - 1]));
    Q_EMIT titleChanged(title());
}

void CFindingsView::clear() {
    shown.clear();
    checked = false;
    rows->clear();
    rows->show();
    nothingFound->hide();
    Q_EMIT titleChanged(title());
}

QString CFindingsView::title() const {
    if (!checked)
        return "チェック結果";
    QStringList counts;
    for (const Level level : levels)
        counts << QString("%1 %2").arg(qStringOf(levelName(level))).arg(countOfLevel(shown, level));
    return "チェック結果 — " + counts.join("・");
}

void CFindingsView::filterByLevel(std::optional<Level> level) {
    for (int row = 0; row < rows->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = rows->topLevelItem(row);
        const auto& finding = shown[item->data(LevelColumn, findingRole).toUInt()];
        item->setHidden(level && finding.level != *level);
    }
}

void CFindingsView::choose(const QTreeWidgetItem* item) {
    if (!item)
        return;
    const Finding& finding = shown[item->data(LevelColumn, findingRole).toUInt()];
    if (!document.goToPhotoInFile(finding.position, nullptr))
        return; // a finding of the delivery as a whole, or of a stray file
    if (finding.drawing != -1)
        document.selectDrawing(finding.drawing, nullptr);
}

bool CFindingsView::eventFilter(QObject* watched, QEvent* event) {
    // Home, End and the page keys move in the list, not through the photos; ← and → still step
    // on from the photo a row led to.
    if (watched == rows && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown)
            event->accept();
    }
    return QWidget::eventFilter(watched, event);
}

bool CFindingsView::saveCsv(const QString& path) {
    QSaveFile file(path);
    const std::string csv = findingsCsv(shown);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) &&
        file.write(csv.data(), static_cast<qint64>(csv.size())) == qint64(csv.size()) &&
        file.commit())
        return true;
    showError(QString("%1 を保存できませんでした。\n%2").arg(path, saveFailure(file, errno)));
    return false;
}

void CFindingsView::askAndSaveCsv() {
    const QString path = chooseCsvFile();
    if (!path.isEmpty())
        saveCsv(path);
}
