#include "StartUp.h"

#include "AppIdentity.h"
#include "DialogLanguageChooser.h"
#include "Globals.h"
#include "SettingsKeys.h"
#include "TranslationCatalogues.h"
#include "TranslationLoader.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QSplashScreen>
#include <QThread>
#include <QWidget>

StartUp::StartUp(MainWindowFactory makeMainWindow)
    : makeMainWindow(std::move(makeMainWindow))
{
}

void StartUp::setSplashDuration(int milliseconds)
{
    splashDuration = milliseconds;
}

void StartUp::run(const QStringList& arguments)
{
    bool firstPass = true;
    do {
        QSplashScreen splash{QPixmap(AppIdentity::splashPath())};
        if (firstPass)
            showSplash(splash);
        chooseLanguageOnFirstStart();
        TranslationLoader::loadTranslations();

        std::unique_ptr<QWidget> mainWindow = makeMainWindow();
        mainWindow->show();
        mainWindow->setWindowTitle(AppIdentity::applicationName);
        mainWindow->setWindowIcon(QIcon(AppIdentity::logoPath()));
        if (firstPass)
            splash.finish(mainWindow.get());
        restoreSession(mainWindow.get());
        openDocumentFromCommandLine(mainWindow.get(), arguments);

        QApplication::exec();
        firstPass = false;
    } while (Globals::restartRequested());
}

void StartUp::showSplash(QSplashScreen& splash) const
{
    splash.show();
    QApplication::processEvents();
    QThread::msleep(ulong(splashDuration));
}

void StartUp::chooseLanguageOnFirstStart()
{
    if (QSettings().contains(SettingsKeys::locale))
        return;
    DialogLanguageChooser chooser(TranslationCatalogues::folder());
    chooser.setWindowIcon(QIcon(AppIdentity::logoPath()));
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint);
    chooser.activateWindow();
    chooser.exec();
}

// A window that keeps no session has no such slot.
void StartUp::restoreSession(QWidget* mainWindow)
{
    if (mainWindow->metaObject()->indexOfSlot("restoreSession()") >= 0)
        QMetaObject::invokeMethod(mainWindow, "restoreSession");
}

void StartUp::openDocumentFromCommandLine(QWidget* mainWindow, const QStringList& arguments)
{
    if (arguments.size() < 2 || !QFileInfo::exists(arguments.at(1)))
        return;
    QMetaObject::invokeMethod(mainWindow, "openDocument", Q_ARG(QString, arguments.at(1)));
}
