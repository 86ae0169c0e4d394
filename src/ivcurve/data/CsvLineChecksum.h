#pragma once

#include <QChar>
#include <QString>

namespace IVCurve {

// The check value that the tester writes as the last field of each result line: a 16-bit sum,
// starting at 1, of the low bytes of every character up to and including the last separator,
// with the reader's separator and decimal character counted as ',' and '.'. A line that was
// rewritten for a decimal-comma locale therefore sums as the tester wrote it.
class CsvLineChecksum
{
public:
    static quint16 sum(const QString& line, int length, QChar separator, QChar decimalPoint);
    // False also for a line without separator or whose last field is not a hexadecimal number.
    static bool isValid(const QString& line, QChar separator, QChar decimalPoint);
};

} // namespace IVCurve
