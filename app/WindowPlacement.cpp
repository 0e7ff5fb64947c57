#include "app/WindowPlacement.h"

#include <QSettings>
#include <QStatusBar>

#include "app/CMainFrame.h"

void saveWindowPlacement(const CMainFrame& frame, QSettings& profile) {
    profile.beginGroup("Window");
    profile.setValue("geometry", frame.saveGeometry());
    profile.setValue("bars", frame.saveState()); // the toolbars, shown or hidden
    profile.setValue("statusBar", !frame.statusBar()->isHidden());
    profile.setValue("splitters", frame.clientArea().saveSplitters());
    profile.endGroup();
}

void restoreWindowPlacement(CMainFrame& frame, const QSettings& profile) {
    const QString group = "Window/";
    if (!profile.contains(group + "geometry"))
        return;
    frame.restoreGeometry(profile.value(group + "geometry").toByteArray());
    frame.restoreState(profile.value(group + "bars").toByteArray());
    frame.statusBar()->setVisible(profile.value(group + "statusBar", true).toBool());
    frame.clientArea().restoreSplitters(profile.value(group + "splitters").toByteArray());
}
