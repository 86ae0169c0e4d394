#include "ReportContainer.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

namespace {
constexpr int streamVersion = 7;
constexpr quint32 nullLength = 0xFFFFFFFFu;
// zlib cannot shrink data by more than about 1032:1, so a larger claimed payload is a lie.
constexpr quint64 maximumDeflateRatio = 1032;

// Reads one length-prefixed field of the payload without trusting the length.
bool readField(const QByteArray& payload, int& offset, QByteArray& field, bool& isNull)
{
    if (payload.size() - offset < 4)
        return false;
    const quint32 length = qFromBigEndian<quint32>(payload.constData() + offset);
    offset += 4;
    isNull = length == nullLength;
    if (isNull) {
        field.clear();
        return true;
    }
    if (length > quint32(payload.size() - offset))
        return false;
    field = payload.mid(offset, int(length));
    offset += int(length);
    return true;
}

// Inflates into exactly the announced size. qUncompress would keep doubling its buffer on a
// truncated stream, up to gigabytes; a stream that does not end exactly there is damaged.
QByteArray inflateExactly(const QByteArray& fileContents, quint32 size)
{
    QByteArray payload(int(size), Qt::Uninitialized);
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(fileContents.constData() + 4));
    stream.avail_in = uInt(fileContents.size() - 4);
    stream.next_out = reinterpret_cast<Bytef*>(payload.data());
    stream.avail_out = uInt(size);
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    return complete ? payload : QByteArray();
}

QString nameFromUtf16BigEndian(const QByteArray& bytes)
{
    QString name(bytes.size() / 2, Qt::Uninitialized);
    for (int i = 0; i < name.size(); ++i)
        name[i] = QChar(qFromBigEndian<quint16>(bytes.constData() + 2 * i));
    return name;
}
} // namespace

ReportContainer::Status ReportContainer::read(const QString& fileName, BlobList& blobs)
{
    blobs.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Status::CannotOpen;
    return decode(file.readAll(), blobs);
}

ReportContainer::Status ReportContainer::decode(const QByteArray& fileContents, BlobList& blobs)
{
    blobs.clear();
    if (fileContents.size() <= 4) {
        // Four bytes can only announce an empty payload, which holds no report.
        return fileContents.size() == 4 && qFromBigEndian<quint32>(fileContents.constData()) == 0
                   ? Status::Empty
                   : Status::Damaged;
    }
    if (!uncompressedSizeIsPlausible(fileContents))
        return Status::Damaged;
    const QByteArray payload =
        inflateExactly(fileContents, qFromBigEndian<quint32>(fileContents.constData()));
    if (payload.isEmpty())
        return Status::Damaged;
    return parsePayload(payload, blobs);
}

bool ReportContainer::uncompressedSizeIsPlausible(const QByteArray& fileContents)
{
    const quint32 declared = qFromBigEndian<quint32>(fileContents.constData());
    const quint64 compressed = quint64(fileContents.size() - 4);
    return declared <= maximumPayloadSize && declared <= compressed * maximumDeflateRatio + 64;
}

ReportContainer::Status ReportContainer::parsePayload(const QByteArray& payload, BlobList& blobs)
{
    int offset = 0;
    while (offset < payload.size()) {
        QByteArray nameBytes;
        NamedBlob blob;
        bool nameIsNull = false;
        bool dataIsNull = false;
        if (!readField(payload, offset, nameBytes, nameIsNull) || nameBytes.size() % 2 != 0
            || !readField(payload, offset, blob.data, dataIsNull)) {
            blobs.clear();
            return Status::Damaged;
        }
        blob.name = nameIsNull ? QString() : nameFromUtf16BigEndian(nameBytes);
        blobs.append(blob);
    }
    return blobs.isEmpty() ? Status::Empty : Status::Ok;
}

QByteArray ReportContainer::encode(const BlobList& blobs)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(streamVersion);
    for (const NamedBlob& blob : blobs)
        stream << blob.name << blob.data;
    return qCompress(payload);
}

ReportContainer::Status ReportContainer::write(const QString& fileName, const BlobList& blobs)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Status::CannotOpen;
    const QByteArray contents = encode(blobs);
    if (file.write(contents) != contents.size() || !file.commit())
        return Status::CannotWrite;
    return Status::Ok;
}

int ReportContainer::append(BlobList& blobs, const QString& name, const QByteArray& data)
{
    blobs.append(NamedBlob{name, data});
    return blobs.size() - 1;
}

QString ReportContainer::describe(Status status, const QString& fileName)
{
    switch (status) {
    case Status::Ok:
        return QString();
    case Status::CannotOpen:
        return tr("Could not open \"%1\". Check that the file exists and that you may access it.",
                  "Error Message")
            .arg(fileName);
    case Status::Damaged:
        return tr("\"%1\" is damaged or is not a report file.", "Error Message").arg(fileName);
    case Status::Empty:
        return tr("\"%1\" holds no report.", "Error Message").arg(fileName);
    case Status::CannotWrite:
        return tr("Could not write \"%1\". Check that the disk has space and the folder is writable.",
                  "Error Message")
            .arg(fileName);
    }
    return QString();
}
