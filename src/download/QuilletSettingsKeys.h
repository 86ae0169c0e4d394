#pragma once

#include <QString>

// Keys of the download program's settings store that more than one class reads.
class QuilletSettingsKeys
{
public:
    static QString languageFilePath() { return QStringLiteral("KsGui/DialogLanguage/FilePath"); }
    static QString languageCode() { return QStringLiteral("KsGui/DialogLanguage/Iso639Code"); }
};
