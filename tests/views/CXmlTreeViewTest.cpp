#include "views/CXmlTreeView.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

namespace {

// Photos in file order: serial, 写真-大分類, 写真区分.
const std::vector<TestPhoto> deliveryPhotos{{"1", "工事", "着手前"},
                                            {"2", "工事", "施工状況"},
                                            {"3", "", ""},
                                            {"4", "測量", ""},
                                            {"5", "工事", "着手前"}};

// A tree on a document opened as the application opens it.
struct Fixture {
    FakeDocumentHost host;
    CQuillonDoc document;
    CXmlTreeView tree{document};

    explicit Fixture(BrowseMode browseMode, const std::vector<TestPhoto>& photos = deliveryPhotos)
        : host{makeHost(browseMode)}, document(host) {
        tree.resize(300, 400);
        const std::string path = writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string();
        document.OnOpenDocument(path);
        document.sendInitialUpdate();
    }

    static FakeDocumentHost makeHost(BrowseMode browseMode) {
        FakeDocumentHost host;
        host.saved.browseMode = browseMode;
        return host;
    }

    QString selected() const {
        const QList<QTreeWidgetItem*> items = tree.selectedItems();
        return items.isEmpty() ? QString() : items[0]->text(0);
    }
    QTreeWidgetItem* item(const char* major, const char* category = nullptr) const {
        CategoryNode* node = document.rootNode().findChild(major);
        return tree.itemOf(category ? node->findChild(category) : node);
    }
    QString currentSerial() const {
        return QString::fromStdString(document.currentPhoto()->slots[PhotoSlot::SerialNumber]);
    }
};

void click(CXmlTreeView& tree, QTreeWidgetItem* item) {
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

} // namespace

class CXmlTreeViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void anOpenShowsTheWholeTreeExpandedWithNothingSelected() {
        Fixture fixture(BrowseMode::AllPhotos);
        const CXmlTreeView& tree = fixture.tree;
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->text(0), QString("工事"));
        QCOMPARE(tree.topLevelItem(1)->text(0), QString("測量"));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 2);
        QVERIFY(tree.topLevelItem(0)->isExpanded());
        QCOMPARE(tree.topLevelItem(0)->toolTip(0), QString("工事"));
        QVERIFY(tree.selectedItems().isEmpty());
        QVERIFY(!tree.topLevelItem(0)->icon(0).pixmap(16, 16).isNull());

        Fixture empty(BrowseMode::AllPhotos, {});
        QCOMPARE(empty.tree.topLevelItemCount(), 0);
        empty.document.updateAllViews(nullptr, UpdateHint::HINT_PHOTO_CHANGED);
        QVERIFY(empty.tree.selectedItems().isEmpty());
    }

    void theTreeFollowsTheCurrentPhotoInBrowseModeZeroOnly() {
        // Steps from the first photo, and the item selected after each.
        struct Case {
            BrowseMode browseMode;
            std::vector<QString> selectedAfterSteps;
        };
        for (const Case& test : {Case{BrowseMode::AllPhotos, {"施工状況", "", "測量", "着手前"}},
                                 Case{BrowseMode::ChosenNode, {"", "", "", ""}}}) {
            Fixture fixture(test.browseMode);
            for (const QString& expected : test.selectedAfterSteps) {
                QVERIFY(fixture.document.nextPhoto(nullptr));
                // A photo without a 写真-大分類 (the third) is in no node: none is highlighted.
                QCOMPARE(fixture.selected(), expected);
            }
            QCOMPARE(fixture.currentSerial(), QString("5")); // following chose no node
            QCOMPARE(fixture.document.selectedNode(), nullptr);
        }
    }

    void choosingAnItemBrowsesItsNode() {
        Fixture fixture(BrowseMode::AllPhotos);
        click(fixture.tree, fixture.item("工事"));
        QCOMPARE(fixture.currentSerial(), QString("1")); // the node's first photo in the file
        QCOMPARE(fixture.document.selectedNode(), fixture.document.rootNode().findChild("工事"));
        QCOMPARE(fixture.selected(), QString("工事")); // until the next step
        QVERIFY(fixture.document.nextPhoto(nullptr));
        QCOMPARE(fixture.selected(), QString("施工状況"));

        // The item the tree followed to is chosen by a click on it too.
        click(fixture.tree, fixture.item("工事", "施工状況"));
        QCOMPARE(fixture.document.selectedNode(),
                 fixture.document.rootNode().findChild("工事")->findChild("施工状況"));
    }

    void arrowKeysUpAndDownChooseItems() {
        Fixture fixture(BrowseMode::AllPhotos);
        fixture.tree.setCurrentItem(fixture.item("工事"));
        QTest::keyClick(&fixture.tree, Qt::Key_Down);
        QCOMPARE(fixture.selected(), QString("着手前"));
        QCOMPARE(fixture.document.selectedNode(),
                 fixture.document.rootNode().findChild("工事")->findChild("着手前"));
    }

    void focusArrivingByKeyChoosesNothingUntilEnter() {
        // The first photo of the order is in no node; the first item starts at the second.
        for (const BrowseMode browseMode : {BrowseMode::AllPhotos, BrowseMode::ChosenNode}) {
            Fixture fixture(browseMode,
                            {{"1", "", ""}, {"2", "工事", "着手前"}, {"3", "工事", ""}});
            fixture.tree.show();
            QVERIFY(QTest::qWaitForWindowActive(&fixture.tree));
            fixture.tree.clearFocus();
            for (const Qt::FocusReason reason :
                 {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::OtherFocusReason}) {
                fixture.tree.setFocus(reason);
                QCOMPARE(fixture.currentSerial(), QString("1"));
                QCOMPARE(fixture.document.selectedNode(), nullptr);
                fixture.tree.clearFocus();
            }
            fixture.tree.setFocus(Qt::TabFocusReason);
            QTest::keyClick(&fixture.tree, Qt::Key_Return);
            QCOMPARE(fixture.document.selectedNode(),
                     fixture.document.rootNode().findChild("工事"));
            QCOMPARE(fixture.currentSerial(), QString("2"));
        }
    }

    void aNewDocumentHandsTheDocumentNoNode() {
        Fixture fixture(BrowseMode::AllPhotos);
        click(fixture.tree, fixture.item("測量"));
        fixture.document.updateAllViews(nullptr, UpdateHint::HINT_CLEAR);
        fixture.document.OnNewDocument();
        fixture.document.sendInitialUpdate();
        QCOMPARE(fixture.tree.topLevelItemCount(), 0);
        QCOMPARE(fixture.document.selectedNode(), nullptr);
        QCOMPARE(fixture.document.currentIndex(), -1);
    }

    void leftAndRightStepPhotosWhileTheTreeHasTheFocus() {
        Fixture fixture(BrowseMode::AllPhotos);
        QMainWindow window; // stands in for the frame, whose keys these are
        auto* next = new QAction(&window);
        next->setShortcut(Qt::Key_Right);
        window.addAction(next);
        connect(next, &QAction::triggered, [&] { fixture.document.nextPhoto(nullptr); });
        fixture.tree.setParent(&window);
        window.setCentralWidget(&fixture.tree);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.tree.setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_Right);
        QCOMPARE(fixture.currentSerial(), QString("2"));
        fixture.tree.setParent(nullptr); // the fixture owns it
    }
};

QTEST_MAIN(CXmlTreeViewTest)
#include "CXmlTreeViewTest.moc"
