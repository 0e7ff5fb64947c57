#include "views/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void resizeWithinScreen(QWidget& dialog, QSize wanted) {
    const QWidget* parent = dialog.parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        dialog.resize(wanted);
        return;
    }
    // Room for the window manager's frame and title around the dialog.
    constexpr int frame = 16;
    constexpr int title = 32;
    const QSize room = screen->availableGeometry().size() - QSize(frame, title + frame);
    dialog.resize(wanted.boundedTo(room).expandedTo(dialog.minimumSizeHint()));
}
