#include "app/ApplicationSetup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication(QCoreApplication& application) {
    QCoreApplication::setApplicationName("TESSEL");
    QCoreApplication::setOrganizationName("TESSEL");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);
    QGuiApplication::setDesktopFileName("jp.tessel.Tessel");
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
