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
    bool indexRead = false;
    const uint memoryIndex = column(fields, columns, "Index").toUInt(&indexRead);
    if (indexRead)
        row.memoryIndex = memoryIndex;
    row.testDate = isoTestDate(column(fields, columns, "DD/MM/YYYY"), column(fields, columns, "HH:MM:SS"));
    row.irradiance = column(fields, columns, "Irr (W/m2)");
    row.ambientTemperature = column(fields, columns, "Ta (C)");
    row.cellTemperature = column(fields, columns, "Tpv (C)");
    row.voc = column(fields, columns, "Voc (VDC)");
    row.isc = column(fields, columns, "Isc (ADC)");
    row.riso = column(fields, columns, "Riso (MOhm)");
    row.viso = column(fields, columns, "Viso (V)");
    row.iclamp = column(fields, columns, "Iclamp (Amp)");
    row.rpe = column(fields, columns, "Rpe (Ohm)");
    row.fillFactor = column(fields, columns, "FF");
    row.vmpp = column(fields, columns, "Vmpp (V)");
    row.impp = column(fields, columns, "Impp(A)");
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
