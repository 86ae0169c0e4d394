#include "TestDateText.h"

#include <QDateTime>
#include <QStringList>

namespace IVCurve {

namespace {
// Hours, minutes and seconds as three numbers; single digits are accepted.
QTime readTime(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return QTime();
    bool hoursRead = false;
    bool minutesRead = false;
    bool secondsRead = false;
    const QTime time(parts[0].toInt(&hoursRead), parts[1].toInt(&minutesRead), parts[2].toInt(&secondsRead));
    return hoursRead && minutesRead && secondsRead ? time : QTime();
}
} // namespace

QString TestDateText::forDisplay(const QString& stored, const QLocale& locale)
{
    return shown(stored, locale, locale.dateFormat(QLocale::ShortFormat));
}

QString TestDateText::forReport(const QString& stored, const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return shown(stored, locale, format);
}

QString TestDateText::shown(const QString& stored, const QLocale& locale, const QString& dateFormat)
{
    const QString iso = fromIso(stored, locale, dateFormat);
    return iso.isEmpty() ? fromDateAndTime(stored, locale, dateFormat) : iso;
}

QString TestDateText::fromIso(const QString& stored, const QLocale& locale, const QString& dateFormat)
{
    const QDateTime dateTime = QDateTime::fromString(stored, Qt::ISODate);
    if (!dateTime.isValid())
        return QString();
    return joined(dateTime.date(), dateTime.time(), locale, dateFormat);
}

QString TestDateText::fromDateAndTime(const QString& stored, const QLocale& locale, const QString& dateFormat)
{
    const QStringList parts = stored.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return QString();
    QDate date = locale.toDate(parts[0], QLocale::ShortFormat);
    if (!date.isValid())
        date = QDate::fromString(parts[0], QStringLiteral("dd/MM/yyyy"));
    const QTime time = readTime(parts[1]);
    if (!date.isValid() || !time.isValid())
        return QString();
    return joined(date, time, locale, dateFormat);
}

QString TestDateText::joined(const QDate& date, const QTime& time, const QLocale& locale, const QString& dateFormat)
{
    return locale.toString(date, dateFormat) + QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace IVCurve
