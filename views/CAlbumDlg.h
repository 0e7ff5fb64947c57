#pragma once

#include <QDialog>

#include "document/AlbumContent.h"
#include "document/CQuillonDoc.h"
#include "imaging/ImageLoader.h"

class AlbumPreview;
class QButtonGroup;
class QCheckBox;
class QComboBox;

// What the album is to hold and how: the photos and how many to a page.
struct AlbumChoice {
    AlbumScope scope = AlbumScope::Delivery;
    int photosPerPage = 3;
    bool cover = true; // a cover page (表紙) before the photos
};

// Asks which photos the album holds (the whole delivery, the tree node chosen, the search's
// matches: each with its count, those without photos disabled) and how many to a page, with a
// preview of the first pages. accept names the button that goes on: "印刷..." or "保存...".
class CAlbumDlg : public QDialog {
public:
    CAlbumDlg(const CQuillonDoc& document, ImageLoader& images, const QString& accept,
              QWidget* parent = nullptr);

    AlbumChoice choice() const;

private:
    void addScope(AlbumScope scope, const QString& label, int count);
    void showPreview();

    const CQuillonDoc& document;
    QButtonGroup* scopes;
    QComboBox* perPage;
    QCheckBox* cover;
    AlbumPreview* pages;
};
