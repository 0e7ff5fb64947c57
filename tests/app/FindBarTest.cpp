#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "tests/app/TestApp.h"
#include "views/CFindBar.h"
#include "views/CXmlTreeView.h"
#include "views/NodeBadgeDelegate.h"

namespace {

// Serials 1 to 4: titles T1…T4, places L1…L4; 1 and 3 under A, 2 and 4 under B.
QString writeSearchedDelivery() {
    std::vector<TestPhoto> photos{{"1", "A"}, {"2", "B"}, {"3", "A"}, {"4", "B"}};
    return QString::fromStdString(writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string());
}

QString badgeOf(TestApp& test, const char* key) {
    const auto found =
        test.frame().clientArea().tree().findItems(key, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0)->data(0, NodeBadgeDelegate::badgeTextRole).toString();
}

} // namespace

class FindBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void matchesAreBrowsedUntilTheBarCloses() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}) && test.open(writeSearchedDelivery()));
        CQuillonDoc& document = test.app.document();
        QVERIFY(document.goToPhoto(1, nullptr)); // "2"
        test.commands().refresh();
        test.commands().action(CommandId::Find)->trigger();
        CFindBar& bar = test.frame().clientArea().findBar();
        QVERIFY(bar.isVisibleTo(&test.frame()));
        bar.textField().insert("Ｌ"); // full width: it matches L
        QCOMPARE(document.photoOrder().size(), std::size_t(4));
        QTest::keyClicks(&bar.textField(), "3");
        QCOMPARE(bar.textField().text(), QString("Ｌ3"));
        QCOMPARE(document.photoOrder().size(), std::size_t(1));
        QCOMPARE(bar.countText(), QString("1 / 1 件"));
        QCOMPARE(test.frame().positionText(), QString("写真 3 / 4（検索 1 / 1）"));
        QCOMPARE(badgeOf(test, "A"), QString("1件"));
        QVERIFY(badgeOf(test, "B").isEmpty());
        QVERIFY(document.goToPhotoInFile(1, nullptr)); // "2", no match: the search ends
        QVERIFY(badgeOf(test, "A").isEmpty() && bar.countText().isEmpty());
        bar.textField().setText("l3 "); // again, as another text

        bar.textField().setText("t");
        QCOMPARE(document.currentPhoto()->slots[PhotoSlot::SerialNumber], "3"); // kept
        QTest::keyClick(&bar.textField(), Qt::Key_Return);
        QCOMPARE(document.currentPhoto()->slots[PhotoSlot::SerialNumber], "4");
        QTest::keyClick(&bar.textField(), Qt::Key_Return); // after the last: the first
        QCOMPARE(document.currentPhoto()->slots[PhotoSlot::SerialNumber], "1");

        bar.textField().setText("nothing"); // no match: no search, and Enter goes nowhere
        QCOMPARE(bar.countText(), QString("一致する写真はありません"));
        QVERIFY(!document.searching() && badgeOf(test, "A").isEmpty());
        QCOMPARE(test.frame().positionText(), QString("写真 1 / 4"));
        QTest::keyClick(&bar.textField(), Qt::Key_Return);
        QCOMPARE(document.currentPhoto()->slots[PhotoSlot::SerialNumber], "1");

        test.commands().refresh();
        QVERIFY(test.commands().execute(CommandId::EndDisplay)); // Esc closes the bar
        QVERIFY(!bar.isVisibleTo(&test.frame()));
        QVERIFY(!document.searching());
        QCOMPARE(document.photoOrder().size(), std::size_t(4));
        QCOMPARE(document.currentPhoto()->slots[PhotoSlot::SerialNumber], "1");
        QVERIFY(badgeOf(test, "A").isEmpty());
    }

    void anotherOpenResetsTheBarWithoutTouchingTheDocumentMeanwhile() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}) && test.open(writeSearchedDelivery()));
        CQuillonDoc& document = test.app.document();
        CFindBar& bar = test.frame().clientArea().findBar();
        bar.open();
        bar.setFlaggedPhotos({&document.photoData().photos[1]});
        bar.flaggedFilter().setChecked(true);
        QCOMPARE(document.photoOrder().size(), std::size_t(1));
        // Every view, and last one that records what it hears.
        struct Listener : DocumentView {
            std::vector<UpdateHint> hints;
            void onUpdate(DocumentView*, UpdateHint hint) override { hints.push_back(hint); }
        } listener;
        document.addView(listener);
        QVERIFY(test.open(writeSearchedDelivery()));
        document.removeView(listener);
        QCOMPARE(listener.hints,
                 (std::vector<UpdateHint>{UpdateHint::HINT_CLEAR, UpdateHint::HINT_PHOTO_CHANGED,
                                          UpdateHint::HINT_INITIAL}));
        QVERIFY(!bar.flaggedFilter().isChecked() && !document.searching());
        QCOMPARE(document.photoOrder().size(), std::size_t(4));
    }
};

QTEST_MAIN(FindBarTest)
#include "FindBarTest.moc"
