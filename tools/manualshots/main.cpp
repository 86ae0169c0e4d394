#include "AppIdentity.h"
#include "Folders.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestEnvironment.h"
#include "TranslationLoader.h"
#include "VeltranoShots.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTextStream>

// manualshots <picture folder> <language> <catalogue folder> <results file>
// Pictures of Veltrano's windows for the manual, in one language, made in a throw-away home so
// that building never touches the builder's own settings or projects.
int main(int argc, char* argv[])
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    AppIdentity::apply();
    Q_INIT_RESOURCE(veltrano);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 5) {
        QTextStream(stderr) << "usage: manualshots <picture folder> <language> <catalogue folder> <results file>\n";
        return 2;
    }
    ScriptedPrompts prompts;
    QSettings settings;
    settings.setValue(SettingsKeys::locale, arguments.at(2));
    settings.setValue(SettingsKeys::showWelcome, false);
    const QString projectsRoot = QDir(environment.documentsFolder()).filePath(AppIdentity::defaultProjectsFolderName);
    settings.setValue(SettingsKeys::rootDir, projectsRoot);
    QDir().mkpath(projectsRoot);
    TranslationLoader::loadTranslations(arguments.at(3));
    Folders::instance(true);

    const bool made = VeltranoShots(arguments.at(1), projectsRoot, arguments.at(4)).shootAll();
    for (const QString& text : prompts.messageTexts())
        QTextStream(stderr) << "manualshots: the program said: " << text << "\n";
    return made ? 0 : 1;
}
