#include "views/Preloader.h"

#include <QTest>

#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"

class PreloaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void readsAheadWhenTheEventLoopIsIdle() {
        auto* executor = new ManualExecutor;
        ImageLoader loader{std::unique_ptr<DecodeExecutor>(executor)};
        Preloader preloader(loader);
        const QSize cell(285, 125);
        const std::string next =
            writeImageFile("next.png", filledImage(64, 48, Qt::red), "png").string();
        const std::string gone =
            writeImageFile("gone.png", filledImage(64, 48, Qt::red), "png").string();
        preloader.schedule({{gone, cell, fitInside}});
        preloader.schedule({{next, cell, fitInside}}); // a second step before the loop idled
        QCOMPARE(loader.decodesUnderway(), 0u);
        QCoreApplication::processEvents();
        executor->runAll();
        QCOMPARE(executor->decodedFiles, std::vector<std::string>{next});
    }
};

QTEST_MAIN(PreloaderTest)
#include "PreloaderTest.moc"
