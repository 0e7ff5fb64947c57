#pragma once

#include <QObject>

#include "document/CQuillonDoc.h"

class CFindBar;
class CFindingsView;
class CheckRun;
class CXmlTreeView;
class QDockWidget;
class QLabel;
class QMainWindow;
class QProgressBar;
class WorkService;

// The check in the window: it runs from F7 on the workers, its progress and then its summary
// stand in the status bar, its findings in the pane at the bottom ("チェック結果"), for errors
// as counts in the tree, and the photos with findings as a filter of the find bar. A new
// delivery drops all of it.
class CheckControl : public QObject {
public:
    CheckControl(CQuillonDoc& document, WorkService& work, QMainWindow& window, CXmlTreeView& tree,
                 CFindBar& finder);

    // Starts a check, or cancels the one under way.
    void startOrCancel();
    void cancel();
    bool running() const;
    CheckRun& run() { return *checks; }
    QDockWidget& dock() { return *findingsDock; }
    CFindingsView& findings() { return *pane; }
    // What the status bar says of the check: its progress or its summary; empty otherwise.
    QString statusText() const;

private:
    void showProgress(std::size_t done, std::size_t total);
    void showResult();
    void clearStatus();
    void markPhotos();

    CQuillonDoc& document;
    CXmlTreeView& tree;
    CFindBar& finder;
    CheckRun* checks;
    CFindingsView* pane;
    QDockWidget* findingsDock;
    QProgressBar* progressBar;
    QLabel* status;
};
