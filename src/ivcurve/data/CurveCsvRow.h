#pragma once

#include "CurveReadings.h"

#include <QMap>
#include <QString>
#include <QStringRef>
#include <QVector>

namespace IVCurve {

// The values of one result line of a tester's results file, as text in the user's locale.
// A column that the header lacks, or that the line is too short to have, leaves its value empty.
struct CurveCsvRow
{
    // The tester's serial number and the file's format number come from the instrument line.
    CurveReadings readings;
    QString description;
    QString statusCode;
    QString checksum;

    // `fields` are the trimmed fields of the line; `columns` maps each header text to its index.
    static CurveCsvRow read(const QVector<QStringRef>& fields, const QMap<QString, int>& columns);
    // The test date from the date and time fields; "T" and the time alone when only the time reads.
    static QString isoTestDate(const QString& date, const QString& time);
};

} // namespace IVCurve
