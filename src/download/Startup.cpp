#include "Startup.h"

#include "MainWindow.h"
#include "Prompts.h"
#include "QuilletFiles.h"
#include "TranslationLoader.h"

#include <QApplication>

#include <memory>

void Startup::setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("TORVANE"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("torvane.example"));
    QCoreApplication::setApplicationName(QStringLiteral("TORVANE Dudav Quillet"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2.0.0"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.torvane.TorvaneQuillet"));
}

int Startup::run()
{
    bool restart = false;
    do {
        QObject translators;
        if (!TranslationLoader::load(QuilletFiles::translationFolder(), &translators))
            Prompts::instance().show(nullptr, QMessageBox::Warning, QStringLiteral("Failed to load translations, defaulting to English."));
        // Declared after the translators, so the window goes first.
        auto window = std::make_unique<MainWindow>();
        window->show();
        QApplication::exec();
        restart = window->isRestartRequested();
    } while (restart);
    return 0;
}
