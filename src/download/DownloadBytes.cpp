#include "DownloadBytes.h"

#include <QFileInfo>

#include <algorithm>

QString DownloadBytes::paneText(const QByteArray& chunk)
{
    const int end = chunk.indexOf('\0');
    QString text = QString::fromUtf8(chunk.constData(), end < 0 ? chunk.size() : end);
    return text.remove(QLatin1Char('\r'));
}

int DownloadBytes::extendedCount(const QByteArray& chunk)
{
    return int(std::count_if(chunk.cbegin(), chunk.cend(), [](char byte) { return quint8(byte) >= 0x80; }));
}

QByteArray DownloadBytes::sevenBit(const QByteArray& bytes)
{
    QByteArray masked = bytes;
    for (char& byte : masked)
        byte = char(quint8(byte) & 0x7F);
    return masked;
}

QByteArray DownloadBytes::decimalComma(const QByteArray& bytes)
{
    QByteArray converted = bytes;
    return converted.replace(',', ';').replace('.', ',');
}

bool DownloadBytes::isCsvFile(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}
