#pragma once

#include <QString>

// One translation the user can choose: the language's English name, its catalogue, its code.
struct LanguageEntry
{
    QString name;
    QString path;
    QString code;
};
