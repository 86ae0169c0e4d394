#pragma once

#include <QStringList>

#include <functional>
#include <memory>

class QSplashScreen;
class QWidget;

// Runs the program's passes: splash (first pass only), language choice on the very first start,
// translations, the main window and the event loop; again without splash while the main window
// asked for a restart (after a language change).
class StartUp
{
public:
    using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

    explicit StartUp(MainWindowFactory makeMainWindow);

    void setSplashDuration(int milliseconds);
    // `arguments` as the application has them: the program first, then an optional document.
    void run(const QStringList& arguments);

private:
    void showSplash(QSplashScreen& splash) const;
    static void chooseLanguageOnFirstStart();
    // The documents open at the last exit come back before the one named on the command line.
    static void restoreSession(QWidget* mainWindow);
    static void openDocumentFromCommandLine(QWidget* mainWindow, const QStringList& arguments);

    MainWindowFactory makeMainWindow;
    int splashDuration = 2500;
};
