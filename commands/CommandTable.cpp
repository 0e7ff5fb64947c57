#include "commands/CommandTable.h"

#include <algorithm>
#include <stdexcept>

namespace {

using C = CommandId;
constexpr QKeyCombination noKey{};

const CommandInfo commands[] = {
    {C::FileOpen, "開く...\tCtrl+O(&O)", Qt::CTRL | Qt::Key_O, "写真XMLファイルを開く\n開く",
     ":/res/open.svg", false},
    {C::FilePrint, "印刷...\tCtrl+P(&P)", Qt::CTRL | Qt::Key_P, "表示中の写真を印刷\n印刷",
     ":/res/print.svg", false},
    {C::PrintAlbum, "写真帳の印刷...", noKey, "写真と諸元を並べた工事写真帳を印刷\n写真帳の印刷",
     nullptr, false},
    {C::SaveAlbumPdf, "写真帳をPDFに保存...", noKey,
     "写真と諸元を並べた工事写真帳をPDFファイルに保存\n写真帳をPDFに保存", nullptr, false},
    {C::AppExit, "アプリケーションの終了(&X)", noKey,
     "アプリケーションを終了し、ファイルの保存を指示\n終了", nullptr, false},
    {C::EndDisplay, "終了(&E)\tEsc", QKeyCombination(Qt::Key_Escape),
     "現在の表示を終了する\n表示終了", ":/res/end.svg", false},
    {C::ShowConstInfo, "工事情報(&K)\tF8", QKeyCombination(Qt::Key_F8),
     "工事情報を表示します\n工事情報表示", ":/res/construction.svg", false},
    {C::PreviousPhoto, "前へ(&P)\t←", QKeyCombination(Qt::Key_Left), "前の写真を表示する\n前へ",
     ":/res/previous.svg", false},
    {C::NextPhoto, "次へ(&N)\t→", QKeyCombination(Qt::Key_Right), "次の写真を表示する\n次へ",
     ":/res/next.svg", false},
    {C::EnlargePhoto, "写真の拡大表示(&D)\tF1", QKeyCombination(Qt::Key_F1),
     "選択中の写真を拡大表示する\n写真の拡大表示", nullptr, false},
    {C::Reload, "再読み込み(&R)\tF5", QKeyCombination(Qt::Key_F5),
     "画像をメディアから再読み込み\n再読み込み", nullptr, false},
    {C::StartSlideShow, "写真の自動送り(&S)", noKey, "写真表示の自動送り\n自動送り",
     ":/res/slideshow.svg", false},
    {C::FourPhotos, "写真4枚表示(&F)", noKey, "写真を4枚表示\n4枚表示", ":/res/four.svg", true},
    {C::OnePhoto, nullptr, noKey, "写真を1枚表示\n1枚表示", ":/res/one.svg", true},
    {C::Thumbnails, "一覧表示(&L)\tF2", QKeyCombination(Qt::Key_F2), "写真を一覧で表示\n一覧表示",
     ":/res/grid.svg", true},
    {C::ToggleTree, "一覧ツリー(&V)", noKey, "一覧ツリーを表示\nツリー表示", ":/res/tree.svg",
     true},
    {C::ViewToolBar, "ツール バー(&T)", noKey,
     "ツール バーの 表示/非表示\nツール バーの表示切り替え", nullptr, true},
    {C::ViewStatusBar, "ステータス バー(&S)", noKey,
     "ステータス バーの 表示/非表示\nステータス バーの表示切り替え", nullptr, true},
    {C::Options, "オプション(&O)", noKey, "オプションダイアログを表示\nオプションダイアログ表示",
     nullptr, false},
    {C::AppAbout, "バージョン情報 TESSEL(&A)...", noKey,
     "プログラム情報、バージョン、著作権を表示します。\nバージョン情報", ":/res/about.svg", false},
    {C::FileNew, nullptr, Qt::CTRL | Qt::Key_N, "新規にファイルを作成\n新規ファイル", nullptr,
     false},
    {C::NextPane, nullptr, QKeyCombination(Qt::Key_F6), "次のウィンドウに切り替える\n次のペイン",
     nullptr, false},
    {C::PreviousPane, nullptr, Qt::SHIFT | Qt::Key_F6, "前のウィンドウに切り替える\n前のペイン",
     nullptr, false},
    {C::FirstPhoto, nullptr, QKeyCombination(Qt::Key_Home), "最初の写真を表示する\n最初へ", nullptr,
     false},
    {C::LastPhoto, nullptr, QKeyCombination(Qt::Key_End), "最後の写真を表示する\n最後へ", nullptr,
     false},
    {C::PreviousPage, nullptr, QKeyCombination(Qt::Key_PageUp), "前のページを表示する\n前のページ",
     nullptr, false},
    {C::NextPage, nullptr, QKeyCombination(Qt::Key_PageDown), "次のページを表示する\n次のページ",
     nullptr, false},
    {C::FullScreen, nullptr, QKeyCombination(Qt::Key_F11), "画面全体に表示する\n全画面表示",
     nullptr, true},
    {C::ZoomIn, nullptr, QKeyCombination(Qt::Key_Plus), "画像を拡大する\n拡大", nullptr, false},
    {C::ZoomOut, nullptr, QKeyCombination(Qt::Key_Minus), "画像を縮小する\n縮小", nullptr, false},
    {C::ActualSize, nullptr, QKeyCombination(Qt::Key_1),
     "画像の1画素を画面の1画素で表示する\n等倍表示", nullptr, false},
    {C::ZoomToFit, nullptr, QKeyCombination(Qt::Key_0), "画像全体を表示する\n全体表示", nullptr,
     false},
    {C::PanLeft, nullptr, Qt::SHIFT | Qt::Key_Left, "拡大した画像の左側を表示する\n左へ", nullptr,
     false},
    {C::PanRight, nullptr, Qt::SHIFT | Qt::Key_Right, "拡大した画像の右側を表示する\n右へ", nullptr,
     false},
    {C::PanUp, nullptr, Qt::SHIFT | Qt::Key_Up, "拡大した画像の上側を表示する\n上へ", nullptr,
     false},
    {C::PanDown, nullptr, Qt::SHIFT | Qt::Key_Down, "拡大した画像の下側を表示する\n下へ", nullptr,
     false},
    {C::CheckDelivery, "納品チェック(&C)\tF7", QKeyCombination(Qt::Key_F7),
     "納品された写真と参考図を検査する（もう一度押すと中止）\n納品チェック", nullptr, false},
    {C::ShowFindings, "チェック結果(&R)", noKey, "チェック結果の表示/非表示\nチェック結果", nullptr,
     true},
    {C::PhotoInfo, "写真の情報(&I)\tAlt+Enter", Qt::ALT | Qt::Key_Return,
     "選択中の写真について写真XMLとファイルの情報を表示する\n写真の情報", nullptr, false},
    {C::Find, "検索(&F)\tCtrl+F", Qt::CTRL | Qt::Key_F,
     "写真をタイトル、分類、撮影箇所などで探す\n検索", nullptr, false},
};

} // namespace

QString CommandInfo::prompt() const {
    return QString::fromUtf8(string).section('\n', 0, 0);
}

QString CommandInfo::tooltip() const {
    return QString::fromUtf8(string).section('\n', 1);
}

std::span<const CommandInfo> commandTable() {
    return commands;
}

const CommandInfo& commandInfo(CommandId id) {
    const auto found = std::find_if(std::begin(commands), std::end(commands),
                                    [id](const CommandInfo& info) { return info.id == id; });
    if (found == std::end(commands))
        throw std::out_of_range("unknown command");
    return *found;
}
