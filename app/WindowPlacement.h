#pragma once

class CMainFrame;
class QSettings;

// The window's place and size, its bars and the splitters, kept in the user's profile across
// runs. The first run keeps the default size and the columns made for it.
void saveWindowPlacement(const CMainFrame& frame, QSettings& profile);
void restoreWindowPlacement(CMainFrame& frame, const QSettings& profile);
