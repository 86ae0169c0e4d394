#pragma once

#include <QLocale>
#include <QString>

// The separator a locale puts between values in a list: ";" where the decimal point is a comma.
class ListSeparator
{
public:
    static QString forLocale(const QLocale& locale = QLocale());
};
