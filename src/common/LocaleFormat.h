#pragma once

#include <QLocale>

// Number formatting facts of a locale that both programs rely on.
class LocaleFormat
{
public:
    // True when the locale writes 0.5 with a comma (format 'g', 6 significant digits).
    static bool usesDecimalComma(const QLocale& locale = QLocale());
};
