#include "TranslationLoader.h"

#include "DefaultFileNames.h"
#include "Globals.h"
#include "SettingsKeys.h"
#include "ToolkitCatalogue.h"
#include "TranslationCatalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {
// Kept for the life of the process; each load replaces both.
std::unique_ptr<QTranslator>& applicationTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& toolkitTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QLocale chosenLocale()
{
    QSettings settings;
    if (!settings.contains(SettingsKeys::locale))
        settings.setValue(SettingsKeys::locale, QStringLiteral("en"));
    return QLocale(settings.value(SettingsKeys::locale).toString());
}

// Installed even when loading failed, as an empty translator changes nothing.
void replaceTranslator(std::unique_ptr<QTranslator>& translator, const std::function<void(QTranslator&)>& load)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator = std::make_unique<QTranslator>();
    load(*translator);
    QCoreApplication::installTranslator(translator.get());
}

void installLanguage(const QString& languageCode, const QString& folder)
{
    Globals::setReportsFolder(QStringLiteral("reports_") + languageCode);
    Globals::setDefaultFileNames(languageCode == QLatin1String("de") ? DefaultFileNames::german()
                                                                     : DefaultFileNames::english());
    replaceTranslator(applicationTranslator(), [&](QTranslator& translator) {
        translator.load(QStringLiteral("arventa_") + languageCode, folder);
    });
    replaceTranslator(toolkitTranslator(), [&](QTranslator& translator) {
        ToolkitCatalogue::load(translator, folder, languageCode);
    });
}
} // namespace

void TranslationLoader::loadTranslations(const QString& folder)
{
    const QLocale chosen = chosenLocale();
    const QString absoluteFolder = QDir(folder).absolutePath();
    // Several catalogues of the same language each install in turn; the last one wins.
    for (const TranslationCatalogues::Catalogue& catalogue : TranslationCatalogues::list(folder)) {
        if (catalogue.locale.language() != chosen.language())
            continue;
        installLanguage(catalogue.locale.name().left(2), absoluteFolder);
        QLocale::setDefault(chosen);
    }
}

void TranslationLoader::loadTranslations()
{
    loadTranslations(TranslationCatalogues::folder());
}
