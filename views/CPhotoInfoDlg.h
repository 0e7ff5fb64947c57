#pragma once

#include <vector>

#include <QDialog>

#include "check/Finding.h"
#include "views/PhotoInformation.h"

class QTextBrowser;

// "写真の情報": what the delivery and the file say about one photo, read-only and selectable
// for copying; values the two disagree on are marked.
class CPhotoInfoDlg : public QDialog {
public:
    CPhotoInfoDlg(const std::vector<InfoSection>& sections, QWidget* parent = nullptr);

    // The whole text, as copying all of it gives it.
    QString text() const;
    // The rows marked (disagreeing, or reported by the check), as "label：value".
    QStringList markedRows() const { return marked; }

private:
    QTextBrowser* browser;
    QStringList marked;
};

// The information of the document's current photo, its file looked at now, with the values
// findings (those of the last check) reported in it marked.
std::vector<InfoSection> currentPhotoInformation(const CQuillonDoc& document,
                                                 const std::vector<Finding>& findings = {});
