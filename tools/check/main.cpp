// tessel-check [--csv FILE | --json] [--edition NAME] PATH, or --rules: checks a delivery (a photo XML file, a delivery
// folder or a disc root) and prints what is wrong with it. Exits with 0 when it found no
// エラー, 1 when it did or when the CSV file cannot be written, 2 when the delivery cannot be
// opened or the arguments are wrong.

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSaveFile>

#include "check/DeliveryCheck.h"
#include "check/FindingFormats.h"
#include "check/RuleTable.h"
#include "document/HeadlessOpen.h"
#include "document/SystemErrorText.h"
#include "imaging/MediaFileProbe.h"
#include "work/ThreadedWork.h"

namespace {

constexpr int foundErrors = 1;
constexpr int cannotWrite = 1;
constexpr int cannotOpen = 2;

struct Options {
    std::string path;
    std::string csvFile;
    const EditionRules* edition = nullptr; // the contract's, over what the delivery says
    bool json = false;
    bool help = false;
    bool rules = false;
};

std::string editionNames() {
    std::string names;
    for (const EditionRules& edition : editionTable())
        names += (names.empty() ? "" : "|") + std::string(edition.name);
    return names;
}

std::string helpText() {
    std::string text =
        "使い方: tessel-check [--csv ファイル | --json] [--edition 版] PATH\n"
        "電子納品の写真（PATH: 写真XMLファイル、納品フォルダー、ディスクのルート）を検査し、\n"
        "見つけたことを一行ずつ出します: "
        "レベル、規則、シリアル番号、ファイル名、内容（タブ区切り）。\n"
        "最後に件数の行（エラー 3 件、注意 12 件、情報 1 件）。\n"
        "  --csv ファイル  同じものを CSV（UTF-8、BOM 付き、見出し行あり）でファイルに書く\n"
        "  --json          一件ずつ JSON で出す（JSON Lines）\n"
        "  --rules         規則の一覧を TSV で出す（規則、レベル、内容、出典）\n"
        "  --edition 版    契約の定める基準の版で検査する（" +
        editionNames() +
        "）。\n"
        "                  ないときは写真管理ファイルの DTD と適用要領基準が示す版\n"
        "終了ステータス: 0 エラーなし、1 エラーあり（または CSV を書けない）、2 開けない\n\n"
        "規則:\n";
    for (const RuleInfo& rule : ruleTable())
        text += "  " + std::string(levelName(rule.level)) + "\t" + std::string(rule.id) + "\t" +
                std::string(rule.summary) + "\n";
    return text;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help")
            options.help = true;
        else if (argument == "--rules")
            options.rules = true;
        else if (argument == "--json")
            options.json = true;
        else if (argument == "--csv" && i + 1 < argc)
            options.csvFile = argv[++i];
        else if (argument == "--edition" && i + 1 < argc && editionNamed(argv[i + 1]))
            options.edition = editionNamed(argv[++i]);
        else if (!argument.starts_with("--") && options.path.empty())
            options.path = argument;
        else
            return false;
    }
    const bool oneFormat = options.csvFile.empty() || !options.json;
    return options.help || options.rules || (oneFormat && !options.path.empty());
}

std::string rulesTsv() {
    std::string text;
    for (const RuleInfo& rule : ruleTable())
        text += std::string(rule.id) + "\t" + std::string(levelName(rule.level)) + "\t" +
                std::string(rule.summary) + "\t" + std::string(rule.source) + "\n";
    return text;
}

int fail(int status, const std::string& path, std::string_view why) {
    std::cerr << "tessel-check: " << path << ": " << why << '\n';
    return status;
}

// The CSV file is replaced whole or not at all: a failed write leaves the old one.
std::optional<std::string> writeCsv(const std::string& path, const std::vector<Finding>& findings) {
    QSaveFile file(QString::fromStdString(path));
    const std::string csv = findingsCsv(findings);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) &&
        file.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) && file.commit())
        return std::nullopt;
    return errno ? systemErrorText(errno) : "書き込めません";
}

void report(const std::vector<Finding>& findings, const Options& options) {
    for (const Finding& finding : findings)
        std::cout << (options.json ? findingJson(finding) : findingLine(finding)) << '\n';
    if (!options.json)
        std::cout << summaryLine(findings) << '\n';
}

int check(const Options& options) {
    const HeadlessOpen open = openDeliveryHeadless(options.path);
    if (!open.opened())
        return fail(cannotOpen, open.failedPath, open.failure);
    const Delivery& delivery = open.read.delivery;
    CheckInput input = checkInputFor(delivery.data, delivery);
    input.edition = options.edition;
    CheckProgress progress;
    const WorkOwner work(ThreadedWork::make());
    const CheckResult result =
        checkDelivery(input, MediaFileProbe(), progress, spreadIn(*work, WorkLane::Background));
    if (!options.csvFile.empty()) {
        if (const auto failure = writeCsv(options.csvFile, result.findings))
            return fail(cannotWrite, options.csvFile, *failure);
    }
    report(result.findings, options);
    const bool errors = std::any_of(result.findings.begin(), result.findings.end(),
                                    [](const Finding& f) { return f.level == Level::Error; });
    return errors ? foundErrors : 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "使い方: tessel-check [--csv ファイル | --json] PATH（--help で説明）\n";
        return cannotOpen;
    }
    if (options.help || options.rules) {
        std::cout << (options.help ? helpText() : rulesTsv());
        return 0;
    }
    QCoreApplication application(argc, argv); // for the image format plugins
    // A damaged file is a finding; the decoder's own complaints would only repeat it.
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    return check(options);
}
