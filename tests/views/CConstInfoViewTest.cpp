#include "views/CConstInfoView.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"
#include "views/ConstInfoLayout.h"
#include "views/UiFont.h"

namespace {

const char* const withConstructionInfo =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><photodata><工事情報>"
    "<工事番号>0123</工事番号><工事名称>A&lt;B 改良工事</工事名称>"
    "<工期開始日>2024-04-01</工期開始日><工期終了日>2025-03-31</工期終了日>"
    "<発注者-大分類>国土交通省</発注者-大分類><請負者名>㈱髙橋建設</請負者名>"
    "</工事情報></photodata>";

struct Fixture {
    FakeDocumentHost host;
    CQuillonDoc document{host};
    CConstInfoView view{document};

    void open(const std::string& xml, const std::string& name) {
        document.OnOpenDocument(writeScratchFile(name, xml).string());
        document.sendInitialUpdate();
    }
};

} // namespace

class CConstInfoViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void fontsFollowTheWindowHeight() {
        struct Case {
            int height;
            int title;
            int small;
        };
        for (const Case& test : {Case{480, 20, 13}, Case{720, 30, 20}, Case{23, 0, 0}}) {
            const ConstInfoLayout layout = constInfoLayout(640, test.height);
            QCOMPARE(layout.titleFontHeight, test.title);
            QCOMPARE(layout.smallFontHeight, test.small);
        }
        QCOMPARE(uiFont(0).pixelSize(), -1); // the default size, not a font of no height
        const ConstInfoLayout layout = constInfoLayout(640, 480);
        QCOMPARE(layout.number, QRect(512, 10, 118, 48));
        QCOMPARE(layout.title, QRect(10, 180, 620, 120));
        QCOMPARE(layout.parties, QRect(10, 374, 620, 96));
    }

    void theTextsChangeOnlyWithAnOpenOrNewDocument() {
        Fixture fixture;
        fixture.open(withConstructionInfo, "A.XML");
        QCOMPARE(fixture.view.numberText().text(), QString("工事番号：0123"));
        QCOMPARE(fixture.view.titleText().text(),
                 QString("A<B 改良工事\n工期：2024-04-01～2025-03-31"));
        QCOMPARE(fixture.view.partiesText().text(),
                 QString("発注者：国土交通省\n請負者：㈱髙橋建設"));
        QCOMPARE(fixture.view.titleText().textFormat(), Qt::PlainText);
        for (const UpdateHint hint :
             {UpdateHint::HINT_NODE_SELECTED, UpdateHint::HINT_PHOTO_CHANGED,
              UpdateHint::HINT_DRAWING_SELECTED, UpdateHint::HINT_LAYOUT_CHANGED,
              UpdateHint::HINT_CLEAR})
            fixture.document.updateAllViews(nullptr, hint);
        QCOMPARE(fixture.view.numberText().text(), QString("工事番号：0123"));

        fixture.open(testDeliveryXml({{"1"}}), "B.XML"); // no construction information
        QCOMPARE(fixture.view.numberText().text(), QString());
        QCOMPARE(fixture.view.partiesText().text(), QString());
    }

    void aClickAnywhereReturnsAndFrameCommandsAreOff() {
        Fixture fixture;
        fixture.view.resize(640, 480);
        QSignalSpy end(&fixture.view, &CConstInfoView::endRequested);
        QTest::mouseClick(&fixture.view, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&fixture.view.titleText(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&fixture.view, Qt::RightButton, {}, QPoint(5, 5)); // only the left
        QTest::mouseClick(&fixture.view, Qt::MiddleButton, {}, QPoint(5, 5));
        QCOMPARE(end.count(), 2);
        CommandState print{true, false};
        QVERIFY(fixture.view.updateCommand(CommandId::FilePrint, print));
        QVERIFY(!print.enabled);
    }
};

QTEST_MAIN(CConstInfoViewTest)
#include "CConstInfoViewTest.moc"
