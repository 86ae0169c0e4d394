#include "TranslationLoader.h"

#include "DialogLanguage.h"
#include "QuilletSettingsKeys.h"
#include "ToolkitCatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {
// The language the main program runs in, as it stores it under its own names.
QLocale::Language mainProgramLanguage()
{
    const QString code = QSettings(QStringLiteral("Torvane"), QStringLiteral("Veltrano")).value(QStringLiteral("locale")).toString();
    return code.isEmpty() ? QLocale::AnyLanguage : QLocale(code).language();
}

// The main program's language, else the system's, else the first entry (English).
int sessionEntry(const QVector<LanguageEntry>& entries)
{
    for (const QLocale::Language language : {mainProgramLanguage(), QLocale::system().language()}) {
        for (int index = 0; index < entries.size(); ++index) {
            if (QLocale(entries.at(index).code).language() == language)
                return index;
        }
    }
    return 0;
}

// Until the user chooses, the program speaks as the session does; nothing is stored, so a later
// change of the session's language is followed too. The code is empty when nothing loaded.
QString loadSessionLanguage(const QString& folder, QTranslator& translator)
{
    const QVector<LanguageEntry> entries = DialogLanguage::entries(folder);
    if (entries.isEmpty())
        return QString();
    const LanguageEntry& entry = entries.at(sessionEntry(entries));
    return translator.load(entry.path) ? entry.code : QString();
}

// The stored choice, or a new one when its catalogue is gone. The code is empty when nothing loaded.
QString loadChosenLanguage(const QString& folder, const QString& storedPath, QTranslator& translator)
{
    QSettings settings;
    bool loaded = translator.load(storedPath);
    if (!loaded) {
        DialogLanguage dialog(folder);
        loaded = !dialog.isEmpty() && dialog.exec() == QDialog::Accepted
            && translator.load(settings.value(QuilletSettingsKeys::languageFilePath()).toString());
    }
    return loaded ? settings.value(QuilletSettingsKeys::languageCode()).toString() : QString();
}
} // namespace

bool TranslationLoader::load(const QString& folder, QObject* owner)
{
    auto* translator = new QTranslator(owner);
    const QString storedPath = QSettings().value(QuilletSettingsKeys::languageFilePath()).toString();
    const QString code = storedPath.isEmpty() ? loadSessionLanguage(folder, *translator)
                                              : loadChosenLanguage(folder, storedPath, *translator);
    const bool loaded = !code.isEmpty();
    if (loaded) {
        QLocale::setDefault(QLocale(code));
        QCoreApplication::installTranslator(translator);
    }
    auto* toolkit = new QTranslator(owner);
    if (ToolkitCatalogue::load(*toolkit, folder, QLocale().name().left(2)))
        QCoreApplication::installTranslator(toolkit);
    return loaded;
}
