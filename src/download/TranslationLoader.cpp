#include "TranslationLoader.h"

#include "DialogLanguage.h"
#include "QuilletSettingsKeys.h"
#include "ToolkitCatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

bool TranslationLoader::load(const QString& folder, QObject* owner)
{
    QSettings settings;
    auto* translator = new QTranslator(owner);
    bool loaded = translator->load(settings.value(QuilletSettingsKeys::languageFilePath()).toString());
    if (!loaded) {
        DialogLanguage dialog(folder);
        loaded = !dialog.isEmpty() && dialog.exec() == QDialog::Accepted
            && translator->load(settings.value(QuilletSettingsKeys::languageFilePath()).toString());
    }
    if (loaded) {
        QLocale::setDefault(QLocale(settings.value(QuilletSettingsKeys::languageCode()).toString()));
        QCoreApplication::installTranslator(translator);
    }
    auto* toolkit = new QTranslator(owner);
    if (ToolkitCatalogue::load(*toolkit, folder, QLocale().name().left(2)))
        QCoreApplication::installTranslator(toolkit);
    return loaded;
}
