#include "LocaleNumber.h"

#include <QLocale>

namespace IVCurve {

QString LocaleNumber::text(double value)
{
    return QLocale().toString(value, 'g', 6);
}

bool LocaleNumber::read(const QString& text, double& value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double read = locale.toDouble(text.trimmed(), &ok);
    if (ok)
        value = read;
    return ok;
}

} // namespace IVCurve
