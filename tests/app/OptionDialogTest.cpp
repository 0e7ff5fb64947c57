#include <fstream>
#include <sstream>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/COptionDlg.h"
#include "tests/app/TestApp.h"

namespace {

struct Message {
    QString text;
    QMessageBox::Icon icon;
};

// The dialog as the user meets it: shown, its messages recorded.
struct ShownDialog {
    COptionDlg dialog;
    std::vector<Message> messages;

    explicit ShownDialog(OptionValues values) {
        dialog.showMessage = [this](const QString& text, QMessageBox::Icon icon) {
            messages.push_back({text, icon});
        };
        dialog.setValues(values);
        dialog.show();
    }
};

// While the application runs its options dialog, does what the user does in it.
void whenTheDialogOpens(const std::function<void(COptionDlg&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<COptionDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class OptionDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void theDialogStandsAsItAlwaysHas() {
        ShownDialog shown({250, BrowseMode::ChosenNode});
        QCOMPARE(shown.dialog.windowTitle(), QString("オプション"));
        QCOMPARE(shown.dialog.intervalField().text(), QString("250")); // shown as it is
        QCOMPARE(shown.dialog.intervalField().alignment() & Qt::AlignRight, Qt::AlignRight);
        QVERIFY(shown.dialog.modeButton(1).isChecked());
        QCOMPARE(shown.dialog.modeButton(0).text(), QString("全写真を通してシリアル番号順"));
        QCOMPARE(shown.dialog.modeButton(1).text(), QString("選択区分・工種ごとにシリアル番号順"));
        QTest::keyClicks(&shown.dialog.intervalField(), "x-");
        QCOMPARE(shown.dialog.intervalField().text(), QString("250")); // digits only
    }

    void okTakesOnlyAnIntervalFrom1To100() {
        struct Case {
            QString text;
            QString message; // empty: accepted
            QMessageBox::Icon icon;
        };
        const QString positive = "正の整数を入力してください。";
        const QString range = "1 から 100 までの整数を入力してください。";
        for (const Case& test :
             {Case{"", positive, QMessageBox::NoIcon}, Case{"abc", positive, QMessageBox::NoIcon},
              Case{"0", range, QMessageBox::Warning}, Case{"101", range, QMessageBox::Warning},
              Case{"250", range, QMessageBox::Warning},
              Case{"99999999999999999999", range, QMessageBox::Warning},
              Case{"1", "", QMessageBox::NoIcon}, Case{"100", "", QMessageBox::NoIcon}}) {
            ShownDialog shown({10, BrowseMode::AllPhotos});
            shown.dialog.intervalField().setText(test.text);
            shown.dialog.accept();
            if (test.message.isEmpty()) {
                QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
                QCOMPARE(shown.dialog.values().slideInterval, test.text.toUInt());
                QVERIFY(shown.messages.empty());
                continue;
            }
            QVERIFY2(shown.dialog.isVisible(), qPrintable(test.text)); // stays open
            QCOMPARE(shown.messages.size(), std::size_t(1));
            QCOMPARE(shown.messages[0].text, test.message);
            QCOMPARE(shown.messages[0].icon, test.icon);
            QCOMPARE(shown.dialog.intervalField().selectedText(), test.text);
        }
    }

    void okWritesBothKeysAndAChangedModeRebuildsTheOrderAtOnce() {
        TestApp test;
        const std::string ini = (scratchFolder() / "TESSEL.ini").string();
        writeScratchFile("TESSEL.ini", "[Option]\nPhotoSlideInterval=250\n");
        QVERIFY(test.app.InitInstance(
            {"tessel", QString::fromStdString(
                           writeScratchFile("PHOTO.XML", testDeliveryXml({{"2", "A"}, {"1", "B"}}))
                               .string())}));
        test.commands().refresh();
        QVERIFY(test.enabled(CommandId::Options));

        // 250 from a hand-edited file: OK refuses it, Cancel keeps it.
        QString shownInterval;
        whenTheDialogOpens([&](COptionDlg& dialog) {
            shownInterval = dialog.intervalField().text();
            dialog.showMessage = [](const QString&, QMessageBox::Icon) {};
            dialog.accept();
            QVERIFY(dialog.isVisible());
            dialog.reject();
        });
        QVERIFY(test.commands().execute(CommandId::Options));
        QCOMPARE(shownInterval, QString("250"));
        QCOMPARE(test.app.settings.photoSlideInterval, 250);
        QCOMPARE(fileText(ini), std::string("[Option]\nPhotoSlideInterval=250\n"));

        // The mode changed: both keys written, and the order is that of the chosen node.
        QVERIFY(
            test.app.document().selectNode(test.app.document().rootNode().findChild("A"), nullptr));
        whenTheDialogOpens([](COptionDlg& dialog) {
            dialog.intervalField().setText("20");
            dialog.modeButton(1).setChecked(true);
            dialog.accept();
        });
        QVERIFY(test.commands().execute(CommandId::Options));
        QCOMPARE(fileText(ini), std::string("[Option]\nPhotoSlideInterval=20\nBrowseMode=1\n"));
        QCOMPARE(test.app.document().photoOrder().size(), std::size_t(1));
    }

    void optionsThatCannotBeWrittenAreReportedAndHoldForTheRun() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        writeScratchFile("blocker", "a file where the folder should be");
        test.app.settings.iniPath = (scratchFolder() / "blocker" / "TESSEL.ini").string();
        test.app.saveOptions({20, BrowseMode::ChosenNode});
        QCOMPARE(test.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
        QVERIFY(test.messages[0].contains(QString::fromStdString(test.app.settings.iniPath)));
        QVERIFY(test.messages[0].contains("フォルダーではありません"));
        QCOMPARE(test.app.savedOptions().slideInterval, 20u);
        QCOMPARE(test.app.savedOptions().browseMode, BrowseMode::ChosenNode);
        // A negative interval written by hand is offered as the slideshow runs it.
        test.app.settings.photoSlideInterval = -5;
        QCOMPARE(test.app.savedOptions().slideInterval, 1u);
    }
};

QTEST_MAIN(OptionDialogTest)
#include "OptionDialogTest.moc"
