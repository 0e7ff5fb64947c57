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

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "電子納品の写真ビューア: 写真XMLファイル（PHOTO.XML）を開きます。");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        "FILE", "写真XMLファイル、その納品フォルダー、またはディスクのルート", "[FILE]");
    if (!parser.parse(arguments))
        return endWith(wrongArguments, {}, parser.errorText() + "\n");
    if (parser.isSet(help))
        return endWith(0, parser.helpText());
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
        CommandLine missing = endWith(wrongArguments, {}, files.first() + ": " + reason + "\n");
        missing.errorForWindow =
            QFileInfo(files.first()).absoluteFilePath() + " を開けませんでした。\n" + reason;
        return missing;
    }
    return {file, std::nullopt, {}, {}, {}};
}
