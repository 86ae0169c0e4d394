#pragma once

#include <QString>

class QObject;

// Installs the chosen translation of the download program; before the user chose one, that of
// the main program's or the system's language. Asks for a language when the chosen catalogue is gone. The translators belong to `owner`; destroying it
// removes them again.
class TranslationLoader
{
public:
    // False when no translation was loaded (none found, the choice was cancelled, a bad file).
    static bool load(const QString& folder, QObject* owner);
};
