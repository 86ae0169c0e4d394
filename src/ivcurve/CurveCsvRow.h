#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace IVCurve {

// The values of one result line of a tester's results file, as text in the user's locale.
// A column that the header lacks, or that the line is too short to have, leaves its value empty.
struct CurveCsvRow
{
    QString testerSerialNumber;
    uint fileFormat = 0;
    uint memoryIndex = 0;
    // ISO text: year-month-day, then "T" and the time when the line has one.
    QString testDate;
    QString description;
    QString irradiance;
    QString ambientTemperature;
    QString cellTemperature;
    QString voc;
    QString isc;
    QString riso;
    QString viso;
    QString iclamp;
    QString rpe;
    QString fillFactor;
    QString vmpp;
    QString impp;
    QString statusCode;
    QString checksum;

    // `fields` are the trimmed fields of the line; `columns` maps each header text to its index.
    static CurveCsvRow read(const QStringList& fields, const QMap<QString, int>& columns);
    // The test date from the date and time fields; "T" and the time alone when only the time reads.
    static QString isoTestDate(const QString& date, const QString& time);
};

} // namespace IVCurve
