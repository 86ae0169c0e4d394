#include "CurveCsvRow.h"

#include <QDate>
#include <QTime>

namespace IVCurve {

namespace {
QString column(const QStringList& fields, const QMap<QString, int>& columns, const char* name)
{
    return fields.value(columns.value(QLatin1String(name), -1));
}

QDate readDate(const QString& text)
{
    static const char* const formats[] = {"d/M/yyyy", "dd/MM/yyyy", "dd.MM.yyyy", "dd,MM,yyyy"};
    for (const char* format : formats) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return QDate();
}
} // namespace

CurveCsvRow CurveCsvRow::read(const QStringList& fields, const QMap<QString, int>& columns)
{
    CurveCsvRow row;
    CurveReadings& readings = row.readings;
    bool indexRead = false;
    const uint memoryIndex = column(fields, columns, "Index").toUInt(&indexRead);
    if (indexRead)
        readings.memLocation = int(memoryIndex);
    readings.testDate = isoTestDate(column(fields, columns, "DD/MM/YYYY"), column(fields, columns, "HH:MM:SS"));
    readings.irradiance = column(fields, columns, "Irr (W/m2)");
    readings.ambientTemp = column(fields, columns, "Ta (C)");
    readings.cellTemp = column(fields, columns, "Tpv (C)");
    readings.voc = column(fields, columns, "Voc (VDC)");
    readings.isc = column(fields, columns, "Isc (ADC)");
    readings.riso = column(fields, columns, "Riso (MOhm)");
    readings.viso = column(fields, columns, "Viso (V)");
    readings.iclamp = column(fields, columns, "Iclamp (Amp)");
    readings.rpe = column(fields, columns, "Rpe (Ohm)");
    readings.ff = column(fields, columns, "FF");
    readings.vmp = column(fields, columns, "Vmpp (V)");
    readings.imp = column(fields, columns, "Impp(A)");
    // Wherever the header puts them, the tester ends each line with status code and checksum.
    if (fields.size() > 2) {
        row.statusCode = fields.at(fields.size() - 2);
        row.checksum = fields.last();
    }
    return row;
}

// "H:m:s" also reads every time that "HH:mm:ss" reads, so it is the only format tried.
QString CurveCsvRow::isoTestDate(const QString& date, const QString& time)
{
    QString text;
    const QDate testDay = readDate(date);
    if (testDay.isValid())
        text = testDay.toString(Qt::ISODate);
    const QTime testTime = QTime::fromString(time, QStringLiteral("H:m:s"));
    if (testTime.isValid())
        text += QLatin1Char('T') + testTime.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

} // namespace IVCurve
