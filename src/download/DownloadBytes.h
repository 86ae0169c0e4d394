#pragma once

#include <QByteArray>
#include <QString>

// What the window does with received bytes: how a chunk is shown, how it is counted, and how
// the whole download is prepared for saving.
class DownloadBytes
{
public:
    // The chunk as UTF-8 up to its first NUL, without carriage returns.
    static QString paneText(const QByteArray& chunk);
    // Bytes of value 0x80 and above.
    static int extendedCount(const QByteArray& chunk);
    // Every byte with its top bit cleared: the saved file is 7-bit ASCII.
    static QByteArray sevenBit(const QByteArray& bytes);
    // "," becomes ";" and then "." becomes ",", as a decimal-comma spreadsheet reads CSV.
    static QByteArray decimalComma(const QByteArray& bytes);
    static bool isCsvFile(const QString& fileName);
};
