#include "LocaleFormat.h"

bool LocaleFormat::usesDecimalComma(const QLocale& locale)
{
    return locale.toString(0.5, 'g', 6).contains(QLatin1Char(','));
}
