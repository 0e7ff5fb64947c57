#include "app/ApplicationSetup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/PrintDialogTexts.h"

void setUpApplication(QCoreApplication& application) {
    QCoreApplication::setApplicationName("TESSEL");
    QCoreApplication::setOrganizationName("TESSEL");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);
    QGuiApplication::setDesktopFileName("jp.tessel.Tessel");
    // Searched after Qt's own, which is installed later.
    QCoreApplication::installTranslator(new PrintDialogTexts(&application));
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
