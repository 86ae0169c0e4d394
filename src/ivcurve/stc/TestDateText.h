#pragma once

#include <QLocale>
#include <QString>

namespace IVCurve {

// How the curve tree shows the test date stored with a curve: ISO text as written by the import,
// and the "date time" texts of files made by older versions.
class TestDateText
{
public:
    // The date in the locale's short format, a blank and the time as HH:mm:ss; empty text when
    // `stored` is neither form.
    static QString forDisplay(const QString& stored, const QLocale& locale = QLocale());
    // As forDisplay, with the year in four digits: a report outlives the century.
    static QString forReport(const QString& stored, const QLocale& locale = QLocale());

private:
    static QString shown(const QString& stored, const QLocale& locale, const QString& dateFormat);
    static QString fromIso(const QString& stored, const QLocale& locale, const QString& dateFormat);
    static QString fromDateAndTime(const QString& stored, const QLocale& locale, const QString& dateFormat);
    static QString joined(const QDate& date, const QTime& time, const QLocale& locale, const QString& dateFormat);
};

} // namespace IVCurve
