#include "views/CPhotoInfoDlg.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "check/RecordRules.h"
#include "imaging/MediaFileProbe.h"
#include "views/ScreenFit.h"

namespace {

// Texts from the delivery and the file are shown as they stand, never as markup.
QString html(const std::vector<InfoSection>& sections, QStringList& marked) {
    QString page;
    for (const InfoSection& section : sections) {
        page += "<h3>" + section.title.toHtmlEscaped() + "</h3>";
        for (const InfoRow& row : section.rows) {
            // One line each, so that a copied line reads "label：value".
            const QString style = row.marked ? " style='background:#ffd0d0'" : QString();
            page += "<div" + style + "><b>" + row.label.toHtmlEscaped() + "</b>：" +
                    row.value.toHtmlEscaped().replace('\n', "<br>") + "</div>";
            if (row.marked)
                marked << row.label + "：" + row.value;
        }
        if (!section.note.isEmpty())
            page += "<p>" + section.note.toHtmlEscaped() + "</p>";
    }
    return page;
}

} // namespace

CPhotoInfoDlg::CPhotoInfoDlg(const std::vector<InfoSection>& sections, QWidget* parent)
    : QDialog(parent), browser(new QTextBrowser) {
    setWindowTitle("写真の情報");
    browser->setOpenLinks(false);
    browser->setHtml(html(sections, marked));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resizeWithinScreen(*this, {560, 640});
}

QString CPhotoInfoDlg::text() const {
    return browser->toPlainText();
}

std::vector<InfoSection> currentPhotoInformation(const CQuillonDoc& document,
                                                 const std::vector<Finding>& findings) {
    const PhotoRecord& photo = *document.currentPhoto();
    const auto& all = document.photoData().photos;
    const int position = int(std::find(all.begin(), all.end(), &photo) - all.begin());
    std::vector<PhotoSlot> reported;
    for (const Finding& finding : findings) {
        if (finding.position == position && finding.drawing == -1) {
            const std::vector<PhotoSlot> slots = slotsReported(finding, photo);
            reported.insert(reported.end(), slots.begin(), slots.end());
        }
    }
    PhotoFileInfo file;
    const MediaFile located = document.delivery().photoFile(photo);
    file.path = located.path;
    // Where the viewer shows it from: here, or the mounted disc of the delivery that holds it.
    if (!file.path.empty())
        file.facts = MediaFileProbe().probe(located);
    if (file.facts.exists) {
        file.size = QFileInfo(QString::fromStdString(file.facts.foundAt)).size();
        if (file.facts.format == FileFormat::Jpeg)
            file.metadata = readPhotoMetadata(file.facts.foundAt);
        file.path = file.facts.foundAt;
    }
    return photoInfoSections(photo, file, reported);
}
