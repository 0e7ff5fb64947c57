#include "views/CFindBar.h"

#include <algorithm>

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "views/PlainText.h"

namespace {

QToolButton* filterButton(const QString& text, const QString& tip) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setToolTip(tip);
    button->setCheckable(true);
    return button;
}

QDateEdit* dateField(const QDate& date) {
    auto* field = new QDateEdit(date);
    field->setDisplayFormat("yyyy-MM-dd");
    field->setCalendarPopup(true);
    field->setEnabled(false);
    return field;
}

} // namespace

CFindBar::CFindBar(CQuillonDoc& document, QWidget* parent)
    : QWidget(parent), document(document), text(new QLineEdit),
      representative(filterButton("代表写真", "代表写真だけを探す")),
      submission(filterButton("提出頻度写真", "提出頻度写真だけを探す")),
      byDate(new QCheckBox("撮影日")), from(dateField(QDate::currentDate().addMonths(-1))),
      to(dateField(QDate::currentDate())),
      flagged(filterButton("指摘のある写真", "納品チェックで指摘のあった写真だけを探す")),
      count(new QLabel) {
    text->setPlaceholderText("タイトル、分類、撮影箇所、施工管理値、ファイル名を検索");
    text->setClearButtonEnabled(true);
    flagged->setEnabled(false);
    closer = new QToolButton;
    closer->setText("×");
    closer->setToolTip("検索を終える（Esc）");
    filters = {representative, submission, byDate, from, new QLabel("〜"), to, flagged};
    // About twelve characters stay visible however narrow the window.
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
    // The count keeps its place, so the buttons do not move under the pointer as it changes.
    const QFontMetrics metrics = count->fontMetrics();
    count->setFixedWidth(std::max(metrics.horizontalAdvance("一致する写真はありません"),
                                  metrics.horizontalAdvance("99,999 / 99,999 件")));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(2);
    firstRow = new QHBoxLayout;
    secondRow = new QHBoxLayout;
    rows->addLayout(firstRow);
    rows->addLayout(secondRow);
    for (QWidget* widget :
         {static_cast<QWidget*>(text), static_cast<QWidget*>(count), static_cast<QWidget*>(closer)})
        firstRow->addWidget(widget);
    firstRow->setStretchFactor(text, 1);
    secondRow->addStretch();
    arrangeRows(true); // the filters stand in no row yet

    connect(text, &QLineEdit::textChanged, this, &CFindBar::searchNow);
    connect(text, &QLineEdit::returnPressed, this, &CFindBar::nextMatch);
    for (QToolButton* button : {representative, submission, flagged})
        connect(button, &QToolButton::toggled, this, &CFindBar::searchNow);
    connect(byDate, &QCheckBox::toggled, this, [this](bool on) {
        from->setEnabled(on);
        to->setEnabled(on);
        searchNow();
    });
    connect(from, &QDateEdit::dateChanged, this, &CFindBar::searchNow);
    connect(to, &QDateEdit::dateChanged, this, &CFindBar::searchNow);
    connect(closer, &QToolButton::clicked, this, &CFindBar::close);
    hide();
    document.addView(*this);
}

QSize CFindBar::minimumSizeHint() const {
    // As narrow as the bar is on two rows: it wraps rather than squeezing its neighbours.
    return {std::max(rowWidth({text, count, closer}, true), rowWidth(filters, false)) +
                sideMargins(),
            QWidget::minimumSizeHint().height()};
}

int CFindBar::rowWidth(const std::vector<QWidget*>& widgets, bool atLeast) const {
    int width = 0;
    for (const QWidget* widget : widgets)
        width += (atLeast ? widget->minimumSizeHint() : widget->sizeHint()).width();
    return width + firstRow->spacing() * int(widgets.size() - 1);
}

int CFindBar::sideMargins() const {
    return layout()->contentsMargins().left() + layout()->contentsMargins().right();
}

void CFindBar::resizeEvent(QResizeEvent* event) {
    const int oneRow =
        rowWidth({text, count, closer}, true) + rowWidth(filters, false) + firstRow->spacing();
    arrangeRows(event->size().width() - sideMargins() >= oneRow);
    QWidget::resizeEvent(event);
}

void CFindBar::arrangeRows(bool oneRow) {
    if (oneRow == filtersOnFirstRow)
        return;
    filtersOnFirstRow = oneRow;
    for (QWidget* filter : filters) {
        firstRow->removeWidget(filter);
        secondRow->removeWidget(filter);
    }
    int at = oneRow ? 1 : 0; // after the text field, or at the start of the second row
    for (QWidget* filter : filters)
        (oneRow ? firstRow : secondRow)->insertWidget(at++, filter);
}

CFindBar::~CFindBar() {
    document.removeView(*this);
}

void CFindBar::open() {
    show();
    text->setFocus();
    text->selectAll();
    searchNow();
}

void CFindBar::close() {
    hide();
    document.endSearch(nullptr);
    Q_EMIT closed();
}

void CFindBar::setFlaggedPhotos(std::unordered_set<const PhotoRecord*> photos) {
    flaggedPhotos = std::move(photos);
    flagged->setEnabled(!flaggedPhotos.empty());
    if (flaggedPhotos.empty())
        flagged->setChecked(false);
}

SearchQuery CFindBar::query() const {
    SearchQuery query;
    query.text = text->text().toStdString();
    query.representativeOnly = representative->isChecked();
    query.submissionOnly = submission->isChecked();
    if (byDate->isChecked()) {
        query.shotFrom = from->date().toString("yyyy-MM-dd").toStdString();
        query.shotTo = to->date().toString("yyyy-MM-dd").toStdString();
    }
    if (flagged->isChecked())
        query.among = &flaggedPhotos;
    return query;
}

void CFindBar::searchNow() {
    if (isHidden())
        return;
    const SearchQuery wanted = query();
    noMatch = false;
    if (wanted.narrowsNothing())
        document.endSearch(this);
    else
        noMatch = document.search(wanted, this) == 0;
    showCount();
}

void CFindBar::nextMatch() {
    if (!document.searching())
        return;
    const int next = document.currentIndex() + 1;
    document.goToPhoto(next < int(document.photoOrder().size()) ? next : 0, nullptr);
}

QString CFindBar::countText() const {
    return count->text();
}

void CFindBar::showCount() {
    if (noMatch)
        count->setText("一致する写真はありません");
    else if (document.searching() && document.currentPhoto())
        count->setText(QString("%1 / %2 件")
                           .arg(groupedNumber(document.currentIndex() + 1),
                                groupedNumber(qint64(document.photoOrder().size()))));
    else
        count->clear();
}

void CFindBar::onUpdate(DocumentView*, UpdateHint hint) {
    if (hint == UpdateHint::HINT_CLEAR)
        resetFilters();
    if (hint == UpdateHint::HINT_INITIAL)
        offerShootingDays();
    showCount();
}

void CFindBar::resetFilters() {
    // Heard while the document changes: the bar must not search meanwhile.
    const QSignalBlocker quiet[] = {QSignalBlocker(text), QSignalBlocker(representative),
                                    QSignalBlocker(submission), QSignalBlocker(byDate),
                                    QSignalBlocker(flagged)};
    text->clear();
    for (QAbstractButton* filter :
         std::initializer_list<QAbstractButton*>{representative, submission, byDate, flagged})
        filter->setChecked(false);
    from->setEnabled(false);
    to->setEnabled(false);
    flaggedPhotos.clear();
    flagged->setEnabled(false);
    noMatch = false;
}

void CFindBar::offerShootingDays() {
    // The date range starts as the delivery's first and last shooting days.
    QDate first;
    QDate last;
    for (const PhotoRecord* photo : document.photoData().photos) {
        const QDate day = QDate::fromString(
            QString::fromStdString(photo->slots[PhotoSlot::ShotDate]), "yyyy-MM-dd");
        if (!day.isValid())
            continue;
        first = first.isValid() ? std::min(first, day) : day;
        last = last.isValid() ? std::max(last, day) : day;
    }
    if (!first.isValid())
        return;
    const QSignalBlocker quietFrom(from);
    const QSignalBlocker quietTo(to);
    from->setDate(first);
    to->setDate(last);
}
