#pragma once

#include <QString>
#include <QStringList>

// The files TorvaneQuillet reads from among the shipped files (see ShippedFiles).
class QuilletFiles
{
public:
    static QString translationFolder();
    // "Help/TorvaneVurerQuilletHelp_xx.html"; English when no page exists for `languageCode`.
    static QString helpPage(const QString& languageCode);
    // What an installation must hold for the program to run in both of its languages.
    static QStringList required();
};
