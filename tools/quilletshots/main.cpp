#include "MainWindow.h"
#include "QuilletSettingsKeys.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestEnvironment.h"
#include "TranslationLoader.h"
#include "WindowShooter.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTextStream>

namespace {
void chooseLanguage(const QString& language, const QString& catalogueFolder)
{
    QSettings settings;
    settings.setValue(QuilletSettingsKeys::languageFilePath(),
                      QStringLiteral("%1/TorvaneQuillet_%2.qm").arg(catalogueFolder, language));
    settings.setValue(QuilletSettingsKeys::languageCode(), language);
}

// The build machine has no tester attached: the picture shows the window as it looks after a
// download, with the port a tester typically appears on and the text it sent.
void showFinishedDownload(MainWindow& window, const QString& resultsFile)
{
    if (auto* ports = window.findChild<QComboBox*>(); ports && ports->count() == 0)
        ports->addItem(QStringLiteral("COM3"));
    QFile results(resultsFile);
    auto* output = window.findChild<QPlainTextEdit*>();
    if (output && results.open(QIODevice::ReadOnly | QIODevice::Text))
        output->setPlainText(QString::fromLatin1(results.readAll()));
}
} // namespace

// quilletshots <picture folder> <language> <catalogue folder> <results file>
// Pictures of the download program's window for the manual, in one language.
int main(int argc, char* argv[])
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quillet);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 5) {
        QTextStream(stderr) << "usage: quilletshots <picture folder> <language> <catalogue folder> <results file>\n";
        return 2;
    }
    Startup::setIdentity();
    ScriptedPrompts prompts;
    chooseLanguage(arguments.at(2), arguments.at(3));
    QObject translators;
    TranslationLoader::load(arguments.at(3), &translators);

    WindowShooter shooter(arguments.at(1));
    MainWindow window;
    showFinishedDownload(window, arguments.at(4));
    shooter.shoot(window, QStringLiteral("quillet-window"), QSize(720, 480));
    return shooter.allSaved() ? 0 : 1;
}
