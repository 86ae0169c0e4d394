#include "ReportContainer.h"

#include "FileWriter.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
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

constexpr int inflateStep = 1024 * 1024;

// Length of one length-prefixed field at `offset`, or -1 while its length is not yet there.
qint64 fieldLength(const QByteArray& payload, qint64 offset)
{
    if (payload.size() - offset < 4)
        return -1;
    const quint32 length = qFromBigEndian<quint32>(payload.constData() + offset);
    return length == nullLength ? 4 : 4 + qint64(length);
}

// Steps over the entries that are complete in `payload` from `offset` on, counting them, so that
// a stream of millions of empty entries is given up as soon as it has too many.
void countCompleteEntries(const QByteArray& payload, qint64& offset, int& count)
{
    while (count <= ReportContainer::maximumEntryCount) {
        const qint64 name = fieldLength(payload, offset);
        if (name < 0 || offset + name > payload.size())
            return;
        const qint64 data = fieldLength(payload, offset + name);
        if (data < 0 || offset + name + data > payload.size())
            return;
        offset += name + data;
        ++count;
    }
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
    const Status usable = checkFile(fileName);
    if (usable != Status::Ok)
        return usable;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Status::CannotOpen;
    return decode(file.readAll(), blobs);
}

// Before opening: a pipe would block the open itself, and a device never ends.
ReportContainer::Status ReportContainer::checkFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return Status::CannotOpen;
    if (!info.isFile())
        return Status::NotAFile;
    return info.size() > maximumFileSize ? Status::TooLarge : Status::Ok;
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
    QByteArray payload;
    const Status inflated = inflatePayload(fileContents, payload);
    return inflated == Status::Ok ? parsePayload(payload, blobs) : inflated;
}

// Inflates step by step into exactly the announced size. qUncompress would keep doubling its
// buffer on a truncated stream, up to gigabytes, and allocating the announced size at once would
// spend it on a file that holds nothing but millions of empty entries.
ReportContainer::Status ReportContainer::inflatePayload(const QByteArray& fileContents, QByteArray& payload)
{
    const quint32 size = qFromBigEndian<quint32>(fileContents.constData());
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(fileContents.constData() + 4));
    stream.avail_in = uInt(fileContents.size() - 4);
    if (inflateInit(&stream) != Z_OK)
        return Status::Damaged;
    qint64 walked = 0;
    int entries = 0;
    int result = Z_OK;
    while (result == Z_OK && stream.total_out < size && entries <= maximumEntryCount) {
        const int produced = int(stream.total_out);
        payload.resize(int(qMin<quint64>(size, quint64(produced) + inflateStep)));
        stream.next_out = reinterpret_cast<Bytef*>(payload.data() + produced);
        stream.avail_out = uInt(payload.size() - produced);
        result = inflate(&stream, Z_NO_FLUSH);
        payload.resize(int(stream.total_out));
        countCompleteEntries(payload, walked, entries);
    }
    // The stream must end exactly at the announced size.
    if (result == Z_OK && stream.total_out == size && entries <= maximumEntryCount)
        result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (entries > maximumEntryCount)
        return Status::TooManyEntries;
    return result == Z_STREAM_END && payload.size() == int(size) ? Status::Ok : Status::Damaged;
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
        if (blobs.size() == maximumEntryCount) {
            blobs.clear();
            return Status::TooManyEntries;
        }
        blobs.append(blob);
    }
    return blobs.isEmpty() ? Status::Empty : Status::Ok;
}

namespace {
qint64 payloadSize(const BlobList& blobs)
{
    qint64 size = 0;
    for (const NamedBlob& blob : blobs)
        size += 8 + 2 * qint64(blob.name.size()) + blob.data.size();
    return size;
}
} // namespace

QByteArray ReportContainer::encode(const BlobList& blobs)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(streamVersion);
    for (const NamedBlob& blob : blobs)
        stream << blob.name << blob.data;
    return qCompress(payload);
}

ReportContainer::Status ReportContainer::write(const QString& fileName, const BlobList& blobs, QString* failure)
{
    if (blobs.size() > maximumEntryCount || payloadSize(blobs) > qint64(maximumPayloadSize))
        return Status::TooLargeToSave;
    QString reason;
    if (!FileWriter::write(fileName, encode(blobs), reason)) {
        if (failure)
            *failure = reason;
        return Status::CannotWrite;
    }
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
    case Status::NotAFile:
        return tr("\"%1\" is not a regular file: folders, devices and pipes cannot be opened as reports.",
                  "Error Message")
            .arg(fileName);
    case Status::TooLarge:
        return tr("\"%1\" is larger than a report can be (%2 MB).", "Error Message")
            .arg(fileName)
            .arg(maximumPayloadSize / (1024 * 1024));
    case Status::TooManyEntries:
        return tr("\"%1\" holds more than %2 pictures; it is damaged or is not a report file.", "Error Message")
            .arg(fileName)
            .arg(maximumEntryCount - 1);
    case Status::TooLargeToSave:
        return tr("\"%1\" was not saved: with its pictures it would be larger than a report can be (%2 MB) and "
                  "could not be opened again. Remove some pictures or insert smaller ones.",
                  "Error Message")
            .arg(fileName)
            .arg(maximumPayloadSize / (1024 * 1024));
    case Status::CannotWrite:
        return tr("Could not write \"%1\". Check that the disk has space and the folder is writable.",
                  "Error Message")
            .arg(fileName);
    }
    return QString();
}
