#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

#include "check/Finding.h"
#include "document/CQuillonDoc.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The check's findings, one row each: level, rule, serial number, file name, message;
// sortable by every column and filtered by level. Choosing a row (click, arrow keys, Enter,
// double click) makes its photo current, and its drawing chosen for a drawing's finding;
// the list keeps its place. Saves what tessel-check --csv writes.
class CFindingsView : public QWidget {
    Q_OBJECT

public:
    explicit CFindingsView(CQuillonDoc& document, QWidget* parent = nullptr);

    void showFindings(const std::vector<Finding>& findings);
    void clear();
    // "チェック結果 — エラー 3・注意 12・情報 1", or "チェック結果" before a check.
    QString title() const;
    // Shows only the findings of level, or all of them.
    void filterByLevel(std::optional<Level> level);
    QTreeWidget& list() { return *rows; }
    bool saveCsv(const QString& path);

    // Replaceable for tests: where to save the CSV file (empty: not at all), and how a failure
    // is told.
    std::function<QString()> chooseCsvFile;
    std::function<void(const QString&)> showError;

Q_SIGNALS:
    void titleChanged(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(const QTreeWidgetItem* item);
    void askAndSaveCsv();

    CQuillonDoc& document;
    QComboBox* levelFilter;
    QTreeWidget* rows;
    QLabel* nothingFound;
    std::vector<Finding> shown;
    bool checked = false;
};
