#include <filesystem>
#include <map>
#include <tuple>

#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include "tests/app/TestApp.h"
#include "tests/support/TestImages.h"
#include "tools/sample/SampleDelivery.h"
#include "views/CImageView.h"
#include "views/CPhotoView.h"

namespace fs = std::filesystem;

namespace {

// Every file and folder under root with its size, modification time and permissions.
using Listing = std::map<std::string, std::tuple<std::uintmax_t, fs::file_time_type, fs::perms>>;

Listing listingOf(const fs::path& root) {
    Listing listing;
    listing[""] = {0, fs::last_write_time(root), fs::status(root).permissions()};
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        listing[fs::relative(entry.path(), root).string()] = {size, entry.last_write_time(),
                                                              entry.status().permissions()};
    }
    return listing;
}

void setWritable(const fs::path& root, bool writable) {
    const auto change = writable ? fs::perm_options::add : fs::perm_options::remove;
    const fs::perms write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        fs::permissions(entry.path(), write, change);
    fs::permissions(root, write, change);
}

// A modern delivery on a "disc": INDEX_C.XML at the root, photos with drawings, one missing.
fs::path writeDisc() {
    const fs::path disc = scratchFolder() / "disc";
    writeScratchFile("disc/INDEX_C.XML", sampleIndexXml("UTF-8"));
    const auto photos = makeSamplePhotos(6);
    writeScratchFile("disc/PHOTO/PHOTO.XML",
                     samplePhotoXml(photos, "UTF-8", DeliveryStyle::Modern));
    for (std::size_t i = 0; i + 1 < photos.size(); ++i)
        writeImageFile("disc/PHOTO/PIC/" + photos[i].fileName, filledImage(64, 48, Qt::blue),
                       "jpeg");
    for (const SamplePhoto& photo : photos) {
        for (const SampleDrawing& drawing : photo.drawings)
            writeImageFile("disc/PHOTO/DRA/" + drawing.fileName, filledImage(40, 30, Qt::red),
                           "png");
    }
    return disc;
}

} // namespace

class ReadOnlyDeliveryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void browsingReloadingEnlargingAndPrintingWriteNothingIntoTheDelivery() {
        const fs::path disc = writeDisc();
        setWritable(disc, false);
        const Listing before = listingOf(disc);
        {
            TestApp test;
            QVERIFY(test.app.InitInstance(
                {"tessel", QString::fromStdString((disc / "PHOTO/PHOTO.XML").string())}));
            test.settle();
            QVERIFY(test.app.document().photoData().hasConstructionInfo); // from INDEX_C.XML
            QPdfWriter pdf(QString::fromStdString((scratchFolder() / "printed.pdf").string()));
            QPainter painter(&pdf);
            do {
                test.settle();
                QVERIFY(test.commands().execute(CommandId::Reload));
                test.settle();
                test.frame().photoView().printPage(painter, QRect(0, 0, 800, 600));
                test.app.document().selectDrawing(0, nullptr);
                QVERIFY(test.commands().execute(CommandId::EnlargePhoto));
                test.settle();
                test.frame().clientArea().imageView().printPage(painter, QRect(0, 0, 800, 600));
                QVERIFY(test.commands().execute(CommandId::EndDisplay));
            } while (test.commands().execute(CommandId::NextPhoto));
            QVERIFY(test.commands().execute(CommandId::ShowConstInfo));
            painter.end();
        } // closing writes the settings and the window's place, never into the delivery
        const Listing after = listingOf(disc);
        setWritable(disc, true);
        QVERIFY(after == before);
        QVERIFY(fs::file_size(scratchFolder() / "printed.pdf") > 1000);
    }
};

QTEST_MAIN(ReadOnlyDeliveryTest)
#include "ReadOnlyDeliveryTest.moc"
