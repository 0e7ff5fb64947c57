#pragma once

#include <array>

#include <QLabel>
#include <QWidget>

#include "commands/CommandTarget.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "views/CPhotoStatic.h"

class QPainter;

// The main view: the current photo alone or in its page of four, its classification and
// title above, its shooting details below. A click makes a photo current; a double click on
// a shown image asks for it enlarged.
class CPhotoView : public QWidget, public DocumentView, public CommandTarget {
    Q_OBJECT

public:
    explicit CPhotoView(CQuillonDoc& document, QWidget* parent = nullptr);
    ~CPhotoView() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    // Print and reload.
    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

    void assignPhoto(CPhotoStatic& control, int index, PhotoRecord& photo);
    void clearAll();
    // Loads the shown photos again from the media (F5): a missing file may have appeared.
    void reload();
    bool canPrint() const;
    // Asks for a printer, then prints the photo shown.
    void print();
    // The one page: the image of the control to print, at full resolution, fitted into page.
    void printPage(QPainter& painter, const QRect& page) const;

    CPhotoStatic& photoControl(int position) { return *photoControls[position]; }
    QString headingText() const { return heading->text(); }
    QString descriptionText() const { return description->text(); }

Q_SIGNALS:
    void enlargeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutControls(int width, int height);
    void showCurrentPhoto();
    void showPage();
    void showTexts();
    void photoClicked(int position);
    void photoDoubleClicked(int position);
    const CPhotoStatic* controlToPrint() const;

    CQuillonDoc& document;
    std::array<CPhotoStatic*, 4> photoControls{}; // owned by Qt as children
    QLabel* heading;
    QLabel* description;
};
