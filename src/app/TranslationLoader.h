#pragma once

#include <QString>

// Installs the catalogues of the language in the `locale` setting and sets the globals that
// depend on the language (template folder, names of new documents).
class TranslationLoader
{
public:
    static void loadTranslations(const QString& folder);
    static void loadTranslations();
};
