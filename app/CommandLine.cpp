#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "media/DeliveryLocation.h"

namespace {

constexpr int wrongArguments = 2;

CommandLine endWith(int status, QString output, QString error = {}) {
    return {{}, status, std::move(output), std::move(error), {}};
}

// Qt's help with its headings in Japanese.
QString japaneseHelp(QString help) {
    help.replace("Usage:", "使い方:").replace("[options]", "[オプション]");
    help.replace("Options:", "オプション:").replace("Arguments:", "引数:");
    return help;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "電子納品の写真ビューア: 写真XMLファイル（PHOTO.XML）を開きます。");
    // Qt's own help and version options describe themselves in English.
    const QCommandLineOption help({"h", "help"}, "この説明を表示します。");
    const QCommandLineOption version({"v", "version"}, "バージョンを表示します。");
    parser.addOptions({help, version});
    parser.addPositionalArgument(
        "FILE", "写真XMLファイル、その納品フォルダー、またはディスクのルート", "[FILE]");
    if (!parser.parse(arguments))
        return endWith(wrongArguments, {},
                       "不明なオプションです: " + parser.unknownOptionNames().join(' ') + "\n");
    if (parser.isSet(help))
        return endWith(0, japaneseHelp(parser.helpText()));
    if (parser.isSet(version))
        return endWith(0, QString("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                 QCoreApplication::applicationVersion()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return endWith(wrongArguments, {},
                       "開けるファイルは一つだけです: " + files.join(' ') + "\n");
    if (files.isEmpty())
        return {};
    const auto found = deliveryFileAt(files.first().toStdString());
    const QString file = found ? QString::fromStdString(*found) : QString();
    if (file.isEmpty()) {
        const QString reason = "写真XMLファイルも納品フォルダーも見つかりません";
        return {{},
                std::nullopt,
                {},
                files.first() + ": " + reason + "\n",
                QFileInfo(files.first()).absoluteFilePath() + " を開けませんでした。\n" + reason};
    }
    return {file, std::nullopt, {}, {}, {}};
}
