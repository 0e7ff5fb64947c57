// tessel [FILE]: the viewer, opening FILE when one is named.

#include <QApplication>
#include <QSettings>

#include "app/CQuillonApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("TESSEL");
    QApplication::setOrganizationName("TESSEL");
    QSettings profile; // the recent-file list, in the user's configuration folder
    CQuillonApp tessel(AppSettings{}, profile);
    if (!tessel.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
