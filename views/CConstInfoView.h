#pragma once

#include <QWidget>

#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"

class QLabel;

// The construction information of the open file in three large texts filling the window:
// the construction number, the name with its period, the orderer and contractor. The texts
// change only with the initial update after an open or a new document. A click anywhere
// returns.
class CConstInfoView : public QWidget, public DocumentView, public CommandHandlers {
    Q_OBJECT

public:
    explicit CConstInfoView(CQuillonDoc& document, QWidget* parent = nullptr);
    ~CConstInfoView() override;

    // Disables the layout, open, print, tree and options commands.
    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    QLabel& numberText() const { return *number; }
    QLabel& titleText() const { return *title; }
    QLabel& partiesText() const { return *parties; }

Q_SIGNALS:
    void endRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CQuillonDoc& document;
    QLabel* number; // owned by Qt as children
    QLabel* title;
    QLabel* parties;
};
