#include "CurveCsvRow.h"

#include <QDate>
#include <QTime>

namespace IVCurve {

namespace {
QString column(const QVector<QStringRef>& fields, const QMap<QString, int>& columns, const char* name)
{
    return fields.value(columns.value(QLatin1String(name), -1)).toString();
}

// Reads "n<separator>n<separator>n" with the given digit counts per number; the toolkit's own
// format parser costs more than the rest of a result line together.
bool readThreeNumbers(const QString& text, QChar separator, const int (&minDigits)[3], const int (&maxDigits)[3],
                      int (&numbers)[3])
{
    const QVector<QStringRef> parts = text.splitRef(separator);
    if (parts.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        const QStringRef& part = parts.at(i);
        if (part.size() < minDigits[i] || part.size() > maxDigits[i])
            return false;
        numbers[i] = 0;
        for (const QChar digit : part) {
            if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
                return false;
            numbers[i] = numbers[i] * 10 + (digit.unicode() - '0');
        }
    }
    return true;
}

// In the order tried: "d/M/yyyy" (which also reads "dd/MM/yyyy"), "dd.MM.yyyy", "dd,MM,yyyy".
QDate readDate(const QString& text)
{
    struct Format
    {
        char separator;
        int minDigits[3];
        int maxDigits[3];
    };
    static const Format formats[] = {{'/', {1, 1, 4}, {2, 2, 4}}, {'.', {2, 2, 4}, {2, 2, 4}},
                                     {',', {2, 2, 4}, {2, 2, 4}}};
    for (const Format& format : formats) {
        int dayMonthYear[3];
        if (!readThreeNumbers(text, QLatin1Char(format.separator), format.minDigits, format.maxDigits, dayMonthYear))
            continue;
        const QDate date(dayMonthYear[2], dayMonthYear[1], dayMonthYear[0]);
        if (date.isValid())
            return date;
    }
    return QDate();
}

// "H:m:s", which also reads every time written "HH:mm:ss".
QTime readTime(const QString& text)
{
    int hourMinuteSecond[3];
    if (!readThreeNumbers(text, QLatin1Char(':'), {1, 1, 1}, {2, 2, 2}, hourMinuteSecond))
        return QTime();
    return QTime(hourMinuteSecond[0], hourMinuteSecond[1], hourMinuteSecond[2]);
}
} // namespace

CurveCsvRow CurveCsvRow::read(const QVector<QStringRef>& fields, const QMap<QString, int>& columns)
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
        row.statusCode = fields.at(fields.size() - 2).toString();
        row.checksum = fields.last().toString();
    }
    return row;
}

QString CurveCsvRow::isoTestDate(const QString& date, const QString& time)
{
    QString text;
    const QDate testDay = readDate(date);
    if (testDay.isValid())
        text = testDay.toString(Qt::ISODate);
    const QTime testTime = readTime(time);
    if (testTime.isValid())
        text += QLatin1Char('T') + testTime.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

} // namespace IVCurve
