#include <QCoreApplication>
#include <QTest>

#include "app/ApplicationSetup.h"
#include "app/CommandLine.h"
#include "tests/support/ScratchFiles.h"

class CommandLineTest : public QObject {
    Q_OBJECT

    static QString scratch(const std::string& name) {
        return QString::fromStdString((scratchFolder() / name).string());
    }

private Q_SLOTS:
    void init() {
        useScratchFolder(QTest::currentTestFunction());
        QCoreApplication::setApplicationName("TESSEL");
        QCoreApplication::setApplicationVersion("1.2.3");
    }

    void aFileOrAFolderOpensItsDelivery() {
        writeScratchFile("delivery/PHOTO.XML", "<photodata/>");
        writeScratchFile("disc/photo/photo.xml", "<photodata/>"); // a disc as Linux mounts it
        writeScratchFile("stick/PHOTO/Photo.Xml", "<photodata/>");
        writeScratchFile("stick/index_c.xml", "<constdata/>");
        struct Case {
            std::string argument;
            std::string opened;
        };
        for (const Case& test :
             {Case{"delivery/PHOTO.XML", "delivery/PHOTO.XML"},
              Case{"delivery", "delivery/PHOTO.XML"}, Case{"disc", "disc/photo/photo.xml"},
              Case{"stick", "stick/PHOTO/Photo.Xml"},
              Case{"stick/index_c.xml", "stick/PHOTO/Photo.Xml"}}) {
            const CommandLine line = parseCommandLine({"tessel", scratch(test.argument)});
            QVERIFY(!line.exitStatus);
            QCOMPARE(line.fileToOpen, scratch(test.opened));
        }
        QCOMPARE(parseCommandLine({"tessel"}).fileToOpen, QString());
    }

    void wrongArgumentsEndWithStatusTwoAndSayWhy() {
        std::filesystem::create_directories(scratchFolder() / "empty");
        for (const QStringList& arguments :
             {QStringList{"tessel", "--bogus"},
              QStringList{"tessel", scratch("empty"), scratch("empty")}}) {
            const CommandLine line = parseCommandLine(arguments);
            QCOMPARE(line.exitStatus, std::optional<int>(2));
            QVERIFY(!line.error.isEmpty());
            QVERIFY(line.fileToOpen.isEmpty());
        }
        QCOMPARE(parseCommandLine({"tessel", "--bogus"}).error,
                 QString("不明なオプションです: bogus\n"));
        // A path that names no delivery opens the window empty, which says why.
        for (const QString& path : {scratch("missing.xml"), scratch("empty")}) {
            const CommandLine line = parseCommandLine({"tessel", path});
            QVERIFY(!line.exitStatus && line.fileToOpen.isEmpty());
            QCOMPARE(line.errorForWindow,
                     path +
                         " を開けませんでした。\n写真XMLファイルも納品フォルダーも見つかりません");
        }
    }

    void qtsOwnTextsAreJapanese() {
        setUpApplication(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("キャンセル"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QString("開く"));
        // Where Qt's translation leaves the print dialog in English, ours fills in.
        QCOMPARE(QCoreApplication::translate("QPrintSettingsOutput", "Double Sided Printing"),
                 QString("両面印刷"));
    }

    void helpAndVersionEndWithStatusZero() {
        const CommandLine help = parseCommandLine({"tessel", "--help"});
        QCOMPARE(help.exitStatus, std::optional<int>(0));
        QVERIFY(help.output.contains("FILE"));
        QVERIFY(help.output.contains("この説明を表示します。"));
        QVERIFY(!help.output.contains("Displays") && !help.output.contains("Usage"));
        const CommandLine version = parseCommandLine({"tessel", "--version"});
        QCOMPARE(version.exitStatus, std::optional<int>(0));
        QCOMPARE(version.output, QString("TESSEL 1.2.3\n"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
