// tessel-album PATH OUT.pdf [--per-page 1|2|3] [--node 工事/施工状況写真] [--no-cover]: writes the
// photo album (工事写真帳) of a delivery as a PDF file, headless. Exits with 0 when it was written,
// 1 when OUT could not be written, 2 when the delivery (or the node) cannot be opened.

#include <iostream>
#include <string>
#include <string_view>

#include <QGuiApplication>
#include <QLoggingCategory>

#include "album/AlbumWriter.h"
#include "document/AlbumContent.h"
#include "document/HeadlessOpen.h"
#include "document/PhotoOrder.h"
#include "work/ThreadedWork.h"

namespace {

constexpr int cannotWrite = 1;
constexpr int cannotOpen = 2;

struct Options {
    std::string path;
    std::string out;
    std::string node;
    int perPage = 3;
    bool cover = true;
    bool help = false;
};

constexpr std::string_view usage =
    "使い方: tessel-album PATH OUT.pdf [--per-page 1|2|3] [--node 工事/施工状況写真] "
    "[--cover | --no-cover]\n";

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--help")
            options.help = true;
        else if (argument == "--per-page" && hasValue)
            options.perPage = std::string_view(argv[++i]).size() == 1 ? argv[i][0] - '0' : 0;
        else if (argument == "--cover" || argument == "--no-cover")
            options.cover = argument == "--cover";
        else if (argument == "--node" && hasValue)
            options.node = argv[++i];
        else if (!argument.starts_with("--") && options.path.empty())
            options.path = argument;
        else if (!argument.starts_with("--") && options.out.empty())
            options.out = argument;
        else
            return false;
    }
    const bool perPageValid = options.perPage >= 1 && options.perPage <= 3;
    return options.help || (perPageValid && !options.path.empty() && !options.out.empty());
}

int fail(int status, const std::string& what, std::string_view why) {
    std::cerr << "tessel-album: " << what << ": " << why << '\n';
    return status;
}

int writeAlbum(const Options& options) {
    HeadlessOpen open = openDeliveryHeadless(options.path);
    if (!open.opened())
        return fail(cannotOpen, open.failedPath, open.failure);
    const Delivery& delivery = open.read.delivery;
    CategoryNode root;
    root.photos.shareFrom(delivery.data.photos);
    root.classify(1);
    const CategoryNode* node = nodeAtPath(root, options.node);
    if (!node)
        return fail(cannotOpen, options.node, "分類が見つかりません");
    PhotoList photos;
    photos.shareFrom(node->photos);
    sortBySerialNumber(photos);
    const WorkOwner work(ThreadedWork::make());
    AlbumSource source = albumSourceFor(delivery, photos, options.perPage, &*work);
    if (options.cover)
        addAlbumCover(source, delivery.data,
                      options.node.empty() ? albumScopeName(AlbumScope::Delivery) : options.node);
    QString error;
    const AlbumOutcome outcome = saveAlbumPdf(
        source, QString::fromStdString(options.out), [](int, int) { return true; }, &error);
    if (!outcome.complete)
        return fail(cannotWrite, options.out, error.toStdString());
    std::cout << options.out << ": " << source.photos.size() << " 枚、" << outcome.pages
              << " ページ（欄に収まらず「…」で省略した項目 " << outcome.shortened << " 件）\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << usage;
        return cannotOpen;
    }
    if (options.help) {
        std::cout
            << usage
            << "電子納品の写真を工事写真帳（A4 縦、写真とその諸元）として PDF に書きます。\n"
               "  --per-page N  1 ページの写真の数（1、2、3。既定は 3）\n"
               "  --node 分類   その分類の写真だけ（ツリーの名前を / でつなぐ）\n"
               "  --no-cover    "
               "表紙を付けない（既定は工事名称・工期・発注者・受注者・写真の数の表紙を付ける）\n"
               "終了ステータス: 0 書いた、1 書けない、2 開けない\n";
        return 0;
    }
    // Fonts and image formats need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    return writeAlbum(options);
}
