#pragma once

// The program's commands, numbered as they always were.
enum class CommandId {
    FileNew = 57600,
    FileOpen = 57601,
    FilePrint = 57607,
    RecentFile = 57616, // the first entry of the recent-file list
    AppExit = 57665,
    AppAbout = 57664,
    NextPane = 57680,
    PreviousPane = 57681,
    ViewToolBar = 59392,
    ViewStatusBar = 59393,
    ToggleTree = 32771,
    FourPhotos = 32772,
    OnePhoto = 32773,
    Options = 32784,
    EndDisplay = 32792,
    PreviousPhoto = 32794,
    ShowConstInfo = 32796,
    NextPhoto = 32795,
    StartSlideShow = 32798,
    Reload = 32801,
    EnlargePhoto = 32805,
    FirstPhoto = 32810,
    LastPhoto = 32811,
    PreviousPage = 32812,
    NextPage = 32813,
    FullScreen = 32814,
};
