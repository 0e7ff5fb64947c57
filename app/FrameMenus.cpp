#include "app/FrameMenus.h"

namespace {

using C = CommandId;
const MenuEntry separator{MenuEntry::Kind::Separator};
const MenuEntry recentFiles{MenuEntry::Kind::RecentFiles};

MenuEntry command(C id) {
    return MenuEntry::command(id);
}

} // namespace

const std::vector<MenuLayout>& frameMenus() {
    static const std::vector<MenuLayout> menus{
        {"ファイル(&F)",
         {command(C::FileOpen), separator, command(C::FilePrint), command(C::PrintAlbum),
          command(C::SaveAlbumPdf), separator, recentFiles, separator, command(C::AppExit)}},
        {"写真XML(&X)",
         {command(C::EndDisplay), separator, command(C::ShowConstInfo), separator,
          command(C::PreviousPhoto), command(C::NextPhoto), separator, command(C::EnlargePhoto),
          command(C::PhotoInfo), command(C::Reload), separator, command(C::StartSlideShow),
          separator, command(C::Find), command(C::CheckDelivery)}},
        {"表示(&V)",
         {command(C::FourPhotos), command(C::Thumbnails), command(C::ToggleTree),
          command(C::ShowFindings), separator, command(C::ViewToolBar), command(C::ViewStatusBar),
          separator, command(C::Options)}},
        {"ヘルプ(&H)", {command(C::AppAbout)}},
    };
    return menus;
}

const std::vector<ToolBarLayout>& frameToolBars() {
    static const std::vector<ToolBarLayout> bars{
        {"ツール バー",
         "mainToolBar",
         QSize(16, 15),
         {command(C::FileOpen), command(C::FilePrint), separator, command(C::FourPhotos),
          command(C::OnePhoto), command(C::Thumbnails), separator, command(C::ToggleTree),
          separator, command(C::AppAbout)}},
        {"写真XML",
         "photoToolBar",
         QSize(32, 15),
         {command(C::EndDisplay), separator, command(C::ShowConstInfo), separator,
          command(C::PreviousPhoto), command(C::NextPhoto), separator, command(C::StartSlideShow)}},
    };
    return bars;
}
