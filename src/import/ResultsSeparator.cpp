#include "ResultsSeparator.h"

#include "LocaleFormat.h"

QChar ResultsSeparator::detect(const QString& headerLine, QChar fallback)
{
    const int semicolons = headerLine.count(QLatin1Char(';'));
    const int commas = headerLine.count(QLatin1Char(','));
    if (semicolons == commas)
        return fallback;
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QChar ResultsSeparator::forLocale()
{
    return LocaleFormat::usesDecimalComma() ? QLatin1Char(';') : QLatin1Char(',');
}
