#include "CsvLineChecksum.h"

namespace IVCurve {

quint16 CsvLineChecksum::sum(const QString& line, int length, QChar separator, QChar decimalPoint)
{
    quint16 total = 1;
    for (int i = 0; i < length && i < line.size(); ++i) {
        QChar character = line.at(i);
        if (character == decimalPoint)
            character = QLatin1Char('.');
        else if (character == separator)
            character = QLatin1Char(',');
        total = quint16(total + (character.unicode() & 0xFF));
    }
    return total;
}

bool CsvLineChecksum::isValid(const QString& line, QChar separator, QChar decimalPoint)
{
    const int lastSeparator = line.lastIndexOf(separator);
    if (lastSeparator < 0)
        return false;
    bool read = false;
    const quint16 expected = line.midRef(lastSeparator + 1).trimmed().toUShort(&read, 16);
    return read && expected == sum(line, lastSeparator + 1, separator, decimalPoint);
}

} // namespace IVCurve
