#pragma once

#include <unordered_set>
#include <vector>

#include <QWidget>

#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"

class QCheckBox;
class QHBoxLayout;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

// The find bar above the photos: words searched as they are typed, and filters (代表写真,
// 提出頻度写真, a shooting-date range, the photos the check found something in). The matches
// become the browsing order; Enter goes to the next match; closing the bar returns to the
// order the browse mode gives, the current photo kept.
class CFindBar : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit CFindBar(CQuillonDoc& document, QWidget* parent = nullptr);
    ~CFindBar() override;

    // Shows the bar with its text selected for typing.
    void open();
    // Hides the bar and ends the search.
    void close();
    // The photos the last check found something in; empty: the filter is not offered.
    void setFlaggedPhotos(std::unordered_set<const PhotoRecord*> photos);
    // "12 / 5,000 件", "一致する写真はありません", or nothing.
    QString countText() const;
    QLineEdit& textField() { return *text; }
    QToolButton& flaggedFilter() { return *flagged; }

    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    QSize minimumSizeHint() const override;
    // Whether the filters stand beside the text field (else on a second row).
    bool showsOneRow() const { return filtersOnFirstRow; }

Q_SIGNALS:
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void searchNow();
    void nextMatch();
    void showCount();
    void resetFilters();
    // The widgets' widths side by side: their least when atLeast, else what they ask for.
    int rowWidth(const std::vector<QWidget*>& widgets, bool atLeast) const;
    void arrangeRows(bool oneRow);
    int sideMargins() const;
    void offerShootingDays();
    SearchQuery query() const;

    CQuillonDoc& document;
    QLineEdit* text;
    QToolButton* representative;
    QToolButton* submission;
    QCheckBox* byDate;
    QDateEdit* from;
    QDateEdit* to;
    QToolButton* flagged;
    QLabel* count;
    QToolButton* closer;
    std::vector<QWidget*> filters; // the filter buttons and the date range, wrapped together
    QHBoxLayout* firstRow;
    QHBoxLayout* secondRow;
    bool filtersOnFirstRow = false;
    std::unordered_set<const PhotoRecord*> flaggedPhotos;
    bool noMatch = false;
};
