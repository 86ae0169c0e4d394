#include "HostileInputs.h"

#include "ReportContainer.h"

#include <QtEndian>

#include <zlib.h>

namespace HostileInputs {

QByteArray onPage(const QByteArray& xml)
{
    return "<document><page id='p'>" + xml + "</page></document>";
}

QByteArray nestedElements(const QByteArray& tag, int depth)
{
    return "<document>" + QByteArray("<" + tag + ">").repeated(depth) + QByteArray("</" + tag + ">").repeated(depth)
           + "</document>";
}

QByteArray longWord(int length)
{
    return onPage("<text id='word' editable='1' width='200' height='20'>" + QByteArray(length, 'W') + "</text>");
}

namespace {
QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray typed = type + data;
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size())));
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc);
}
} // namespace

QByteArray pngHeader(quint32 width, quint32 height)
{
    // 8-bit RGBA, no interlace.
    const QByteArray header = bigEndian(width) + bigEndian(height) + QByteArray("\x08\x06\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress("\0").mid(4))
           + chunk("IEND", QByteArray());
}

QByteArray emptyPairs(int count)
{
    return qCompress(QByteArray(count * 8, '\0'));
}

QByteArray container(const QByteArray& xml)
{
    return ReportContainer::encode({{QStringLiteral("xml"), xml}});
}

} // namespace HostileInputs
