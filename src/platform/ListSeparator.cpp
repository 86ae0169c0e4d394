#include "ListSeparator.h"

QString ListSeparator::forLocale(const QLocale& locale)
{
    return locale.decimalPoint() == QLatin1Char(',') ? QStringLiteral(";") : QStringLiteral(",");
}
